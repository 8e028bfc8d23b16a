#include "ui/dialogs_win.h"

#include <windows.h>

namespace aadx {
namespace {

class WindowsDialogs : public Dialogs {
 public:
  bool RunSetupDialog(int* windowFlag, std::string* modeText) override {
    return RunMasterDialogWin(windowFlag, modeText);
  }
  void ShowMessage(const std::string& text, const std::string& caption,
                   MessageIcon icon) override {
    // Owned by the calling thread's active window (normally the host's);
    // without one the box has no owner.
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(),
                MB_OK | (icon == MessageIcon::kWarning ? MB_ICONWARNING
                                                       : MB_ICONINFORMATION));
  }
};

}  // namespace

Dialogs* DefaultDialogs() {
  static WindowsDialogs dialogs;
  return &dialogs;
}

}  // namespace aadx

// The contest setup dialog and the message box on Windows. The setup
// dialog, "Master" (dialog 113: a check box for the Multiplier window and an
// edit for the contest mode), is one function: its data travels to a static
// dialog procedure through DialogBoxParamA's lParam. SetupSet0 fills the two
// values before and stores them after. Like every dialog of the plug-in it
// is owned by the calling thread's active window (normally the host's, which
// then waits while it is open), and no exception leaves its procedure: the
// dialog then ends as cancelled.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/module_win.h"
#include "ui/dialogs.h"
#include "ui/resource.h"

namespace aadx {
namespace {

// A control's whole text.
std::string WindowTextOf(HWND window) {
  std::vector<char> text(GetWindowTextLengthA(window) + 1);
  int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), n > 0 ? n : 0);
}

// Dialog 113's data: the caller's two values, which only OK changes.
struct Master {
  int* windowFlag;        // check box IDC_MASTER_WINDOW, as its state
  std::string* modeText;  // edit IDC_MASTER_MODE
};

INT_PTR CALLBACK MasterProcedure(HWND dialog, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto* master = reinterpret_cast<const Master*>(lParam);
      // A value that is no check state shows as clear.
      int flag = *master->windowFlag;
      int state = flag >= 0 && flag <= 2 ? flag : 0;
      CheckDlgButton(dialog, IDC_MASTER_WINDOW, static_cast<UINT>(state));
      SetDlgItemTextA(dialog, IDC_MASTER_MODE, master->modeText->c_str());
      return TRUE;  // focus to the first tab stop
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
      case IDOK: {
        auto* master =
            reinterpret_cast<Master*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (master != nullptr) {
          // Both controls are read before either value changes, so a
          // failure leaves the caller's values as they were.
          int flag =
              static_cast<int>(IsDlgButtonChecked(dialog, IDC_MASTER_WINDOW));
          std::string mode = WindowTextOf(GetDlgItem(dialog, IDC_MASTER_MODE));
          *master->windowFlag = flag;
          *master->modeText = std::move(mode);
        }
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      case IDCANCEL:  // Esc, or the caption's close button
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
  } catch (...) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

class WindowsDialogs : public Dialogs {
 public:
  bool RunSetupDialog(int* windowFlag, std::string* modeText) override {
    Master master{windowFlag, modeText};
    return DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(IDD_MASTER),
                           GetActiveWindow(), &MasterProcedure,
                           reinterpret_cast<LPARAM>(&master)) == IDOK;
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

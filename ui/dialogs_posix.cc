// Without a desktop every dialog is answered with OK and no edits.
#include "ui/dialogs.h"

namespace aadx {
namespace {

class OkDialogs : public Dialogs {
 public:
  bool RunSetupDialog(int*, std::string*) override { return true; }
  void ShowMessage(const std::string&, const std::string&,
                   MessageIcon) override {}
};

}  // namespace

Dialogs* DefaultDialogs() {
  static OkDialogs dialogs;
  return &dialogs;
}

}  // namespace aadx

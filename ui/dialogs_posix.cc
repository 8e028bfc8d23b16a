// Without a desktop every dialog is answered with OK and no edits. A warning
// notice, which tells that something the operator asked for failed, goes to
// stderr as "CAPTION: TEXT", so a failure does not pass unseen; information
// notices stay quiet.
#include <cstdio>

#include "ui/dialogs.h"

namespace aadx {
namespace {

class OkDialogs : public Dialogs {
 public:
  bool RunSetupDialog(int*, std::string*) override { return true; }
  void ShowMessage(const std::string& text, const std::string& caption,
                   MessageIcon icon) override {
    if (icon != MessageIcon::kWarning) return;
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
  }
};

}  // namespace

Dialogs* DefaultDialogs() {
  static OkDialogs dialogs;
  return &dialogs;
}

}  // namespace aadx

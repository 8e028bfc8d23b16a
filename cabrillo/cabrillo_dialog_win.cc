// The Cabrillo header dialog, "Cabrillo" (dialog 101, "AADX-CW/SSB"): 22
// controls, each showing one text of the form. It only edits its members;
// SetupHeader fills them before and takes them back after.
#include <windows.h>

#include <string>

#include "cabrillo/cabrillo_dialog.h"
#include "cabrillo/header_controls.h"
#include "ui/modal_dialog_win.h"
#include "ui/resource.h"

namespace aadx {
namespace {

class Cabrillo {
 public:
  CabrilloForm members;  // the 22 texts, one per control

  // Runs the dialog modally on the calling thread. IDOK after every
  // control's text was taken back into the members; anything else (Cancel,
  // Esc, the close button, -1 when the dialog cannot be made) leaves them
  // as they were.
  INT_PTR DoModal() { return RunModalDialog(this, IDD_CABRILLO); }

  // Each member into its control. A combo gets its choices and shows the
  // first that begins with its member's text, ignoring case, or else the
  // text as it is.
  void Show(HWND dialog) {
    for (const HeaderControl& c : HeaderControls()) {
      HWND control = GetDlgItem(dialog, c.id);
      const std::string& member = members.*c.field;
      if (c.choices.empty()) {
        SetWindowTextA(control, member.c_str());
        continue;
      }
      for (const std::string& choice : c.choices) {
        SendMessageA(control, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(choice.c_str()));
      }
      int choice = FirstChoiceStartingWith(c.choices, member);
      SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
      if (choice < 0) SetWindowTextA(control, member.c_str());
    }
  }

  // Every control's text back into its member.
  void Take(HWND dialog) {
    for (const HeaderControl& c : HeaderControls()) {
      members.*c.field = WindowTextOf(GetDlgItem(dialog, c.id));
    }
  }
};

class WindowsCabrilloDialog : public CabrilloDialog {
 public:
  bool RunCabrilloDialog(CabrilloForm* form) override {
    Cabrillo dialog;
    dialog.members = *form;
    if (dialog.DoModal() != IDOK) return false;
    *form = dialog.members;
    return true;
  }
};

}  // namespace

CabrilloDialog* DefaultCabrilloDialog() {
  static WindowsCabrilloDialog dialog;
  return &dialog;
}

}  // namespace aadx

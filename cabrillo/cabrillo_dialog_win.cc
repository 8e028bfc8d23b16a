// The Cabrillo header dialog on Windows, "Cabrillo" (dialog 101,
// "AADX-CW/SSB"): 22 controls, each showing one text of the form, as one
// function whose data travels to a static dialog procedure through
// DialogBoxParamA's lParam. It edits the caller's copy of the form in place;
// SetupHeader fills that copy before and takes it after. The dialog is owned
// by the calling thread's active window (normally the host's, which then
// waits while it is open), and no exception leaves its procedure: the dialog
// then ends as cancelled.
#include <windows.h>

#include <string>
#include <vector>

#include "base/module_win.h"
#include "cabrillo/cabrillo_dialog.h"
#include "cabrillo/header_controls.h"
#include "ui/resource.h"

namespace aadx {
namespace {

// A control's whole text.
std::string WindowTextOf(HWND window) {
  std::vector<char> text(GetWindowTextLengthA(window) + 1);
  int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), n > 0 ? n : 0);
}

// Dialog 101's data: the form it shows and, on OK, edits.
struct Cabrillo {
  CabrilloForm* form;
};

// Each text of the form into its control. A combo gets its choices and
// shows the first that begins with its text, ignoring case, or else the
// text as it is.
void ShowForm(HWND dialog, const CabrilloForm& form) {
  for (const HeaderControl& c : HeaderControls()) {
    HWND control = GetDlgItem(dialog, c.id);
    const std::string& text = form.*c.field;
    if (c.choices.empty()) {
      SetWindowTextA(control, text.c_str());
      continue;
    }
    for (const std::string& choice : c.choices) {
      SendMessageA(control, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(choice.c_str()));
    }
    int choice = FirstChoiceStartingWith(c.choices, text);
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
    if (choice < 0) SetWindowTextA(control, text.c_str());
  }
}

INT_PTR CALLBACK CabrilloProcedure(HWND dialog, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      ShowForm(dialog, *reinterpret_cast<const Cabrillo*>(lParam)->form);
      return TRUE;  // focus to the first tab stop
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
      case IDOK: {
        auto* cabrillo =
            reinterpret_cast<Cabrillo*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (cabrillo != nullptr) {
          // Every control's text back into its member.
          for (const HeaderControl& c : HeaderControls()) {
            cabrillo->form->*c.field = WindowTextOf(GetDlgItem(dialog, c.id));
          }
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

class WindowsCabrilloDialog : public CabrilloDialog {
 public:
  bool RunCabrilloDialog(CabrilloForm* form) override {
    Cabrillo cabrillo{form};
    return DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(IDD_CABRILLO),
                           GetActiveWindow(), &CabrilloProcedure,
                           reinterpret_cast<LPARAM>(&cabrillo)) == IDOK;
  }
};

}  // namespace

CabrilloDialog* DefaultCabrilloDialog() {
  static WindowsCabrilloDialog dialog;
  return &dialog;
}

}  // namespace aadx

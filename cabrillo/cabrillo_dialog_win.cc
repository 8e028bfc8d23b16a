// The Cabrillo header dialog, "Cabrillo" (dialog 101, "AADX-CW/SSB"): 22
// controls, each showing one text of the form. It only edits its members;
// SetupHeader fills them before and takes them back after.
#include <windows.h>

#include <string>
#include <vector>

#include "base/module_win.h"
#include "cabrillo/cabrillo_dialog.h"
#include "cabrillo/header_controls.h"
#include "ui/resource.h"

namespace aadx {
namespace {

std::string ControlText(HWND control) {
  std::vector<char> text(GetWindowTextLengthA(control) + 1);
  int n = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), n > 0 ? n : 0);
}

class Cabrillo {
 public:
  CabrilloForm members;  // the 22 texts, one per control

  // Runs the dialog modally on the calling thread. IDOK after every
  // control's text was taken back into the members; anything else (Cancel,
  // Esc, the close button, -1 when the dialog cannot be made) leaves them
  // as they were.
  INT_PTR DoModal() {
    // Owned by the calling thread's active window (normally the host's), so
    // the host waits while it is open; without one it stands alone.
    return DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(IDD_CABRILLO),
                           GetActiveWindow(), &Cabrillo::DialogProc,
                           reinterpret_cast<LPARAM>(this));
  }

 private:
  // Members into the controls (save false) or every control's text back
  // (save true). A combo shows the first choice that begins with its
  // member's text, ignoring case, or else the text as it is.
  void DoDataExchange(HWND dialog, bool save) {
    for (const HeaderControl& c : HeaderControls()) {
      HWND control = GetDlgItem(dialog, c.id);
      std::string& member = members.*c.field;
      if (save) {
        member = ControlText(control);
        continue;
      }
      if (c.choices.empty()) {
        SetWindowTextA(control, member.c_str());
        continue;
      }
      int choice = FirstChoiceStartingWith(c.choices, member);
      if (choice >= 0) {
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
      } else {
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetWindowTextA(control, member.c_str());
      }
    }
  }

  static void FillChoices(HWND dialog) {
    for (const HeaderControl& c : HeaderControls()) {
      HWND control = GetDlgItem(dialog, c.id);
      for (const std::string& choice : c.choices) {
        SendMessageA(control, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(choice.c_str()));
      }
    }
  }

  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    try {
      switch (message) {
        case WM_INITDIALOG: {
          SetWindowLongPtrA(dialog, DWLP_USER, lParam);
          FillChoices(dialog);
          reinterpret_cast<Cabrillo*>(lParam)->DoDataExchange(dialog, false);
          return TRUE;  // focus to the first tab stop
        }
        case WM_COMMAND: {
          auto* self =
              reinterpret_cast<Cabrillo*>(GetWindowLongPtrA(dialog, DWLP_USER));
          switch (LOWORD(wParam)) {
            case IDOK: {
              // Taken back into a copy first, so a failure half way leaves
              // the members as they were.
              if (self == nullptr) break;
              Cabrillo edited = *self;
              edited.DoDataExchange(dialog, true);
              *self = edited;
              EndDialog(dialog, IDOK);
              return TRUE;
            }
            case IDCANCEL:  // Esc, or the caption's close button
              EndDialog(dialog, IDCANCEL);
              return TRUE;
          }
          return FALSE;
        }
      }
    } catch (...) {
      // Nothing may leave a window procedure; the dialog ends as cancelled.
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
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

// The contest setup dialog, "Master" (dialog 113): a check box for the
// Multiplier window and an edit for the contest mode. It only edits its two
// members; SetupSet0 fills them before and stores them after.
#include <windows.h>

#include <string>
#include <vector>

#include "base/module_win.h"
#include "ui/dialogs_win.h"
#include "ui/resource.h"

namespace aadx {
namespace {

class Master {
 public:
  int windowFlag = 0;         // check box IDC_MASTER_WINDOW, as its state
  std::string modeFieldText;  // edit IDC_MASTER_MODE

  // Runs the dialog modally on the calling thread; IDOK after the
  // controls' contents were moved into the members, anything else leaves
  // them as they were.
  INT_PTR DoModal() {
    // Owned by the calling thread's active window (normally the host's), so
    // the host waits while it is open; without one the dialog stands alone.
    return DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(IDD_MASTER),
                           GetActiveWindow(), &Master::DialogProc,
                           reinterpret_cast<LPARAM>(this));
  }

 private:
  // Moves the members into the controls (save false) or back (save true),
  // the check box first.
  void DoDataExchange(HWND dialog, bool save) {
    if (save) {
      windowFlag =
          static_cast<int>(IsDlgButtonChecked(dialog, IDC_MASTER_WINDOW));
      HWND edit = GetDlgItem(dialog, IDC_MASTER_MODE);
      std::vector<char> text(GetWindowTextLengthA(edit) + 1);
      int n = GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
      modeFieldText.assign(text.data(), n > 0 ? n : 0);
    } else {
      // A value that is no check state shows as clear.
      int state = windowFlag >= 0 && windowFlag <= 2 ? windowFlag : 0;
      CheckDlgButton(dialog, IDC_MASTER_WINDOW, static_cast<UINT>(state));
      SetDlgItemTextA(dialog, IDC_MASTER_MODE, modeFieldText.c_str());
    }
  }

  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    try {
      switch (message) {
        case WM_INITDIALOG: {
          SetWindowLongPtrA(dialog, DWLP_USER, lParam);
          reinterpret_cast<Master*>(lParam)->DoDataExchange(dialog, false);
          return TRUE;  // focus to the first tab stop
        }
        case WM_COMMAND: {
          auto* self =
              reinterpret_cast<Master*>(GetWindowLongPtrA(dialog, DWLP_USER));
          switch (LOWORD(wParam)) {
            case IDOK:
              if (self != nullptr) self->DoDataExchange(dialog, true);
              EndDialog(dialog, IDOK);
              return TRUE;
            case IDCANCEL:  // Esc, or the caption's close button
              EndDialog(dialog, IDCANCEL);
              return TRUE;
          }
          return FALSE;
        }
      }
    } catch (...) {
      // Nothing may leave a window procedure; the dialog ends as
      // cancelled.
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
  }
};

}  // namespace

bool RunMasterDialogWin(int* windowFlag, std::string* modeText) {
  Master dialog;
  dialog.windowFlag = *windowFlag;
  dialog.modeFieldText = *modeText;
  if (dialog.DoModal() != IDOK) return false;
  *windowFlag = dialog.windowFlag;
  *modeText = dialog.modeFieldText;
  return true;
}

}  // namespace aadx

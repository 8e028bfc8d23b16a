// The contest setup dialog, "Master" (dialog 113): a check box for the
// Multiplier window and an edit for the contest mode. It only edits its two
// members; SetupSet0 fills them before and stores them after.
#include <windows.h>

#include <string>

#include "ui/dialogs_win.h"
#include "ui/modal_dialog_win.h"
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
  INT_PTR DoModal() { return RunModalDialog(this, IDD_MASTER); }

  // The members into the controls. A value that is no check state shows
  // as clear.
  void Show(HWND dialog) {
    int state = windowFlag >= 0 && windowFlag <= 2 ? windowFlag : 0;
    CheckDlgButton(dialog, IDC_MASTER_WINDOW, static_cast<UINT>(state));
    SetDlgItemTextA(dialog, IDC_MASTER_MODE, modeFieldText.c_str());
  }
  // The controls back into the members, the check box first.
  void Take(HWND dialog) {
    windowFlag =
        static_cast<int>(IsDlgButtonChecked(dialog, IDC_MASTER_WINDOW));
    modeFieldText = WindowTextOf(GetDlgItem(dialog, IDC_MASTER_MODE));
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

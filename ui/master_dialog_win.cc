#include <windows.h>

#include "ui/dialogs_win.h"

namespace aadx {

// Until the dialog template exists the setup ends as with Esc.
bool RunMasterDialogWin(int*, std::string*) { return false; }

}  // namespace aadx

#include <windows.h>

#include "ui/dialogs_win.h"

namespace aadx {

// Until the dialog template exists an export run behaves as cancelled.
bool RunCabrilloDialogWin(CabrilloForm*) { return false; }

}  // namespace aadx

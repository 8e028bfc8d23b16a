// The Windows dialog behind the Dialogs interface, in a file of its own.
#ifndef AADX_UI_DIALOGS_WIN_H_
#define AADX_UI_DIALOGS_WIN_H_

#include <string>

#include "ui/dialogs.h"

namespace aadx {

// Dialog 113, "Setup All Asian Contest": true on OK with both values set.
bool RunMasterDialogWin(int* windowFlag, std::string* modeText);

}  // namespace aadx

#endif  // AADX_UI_DIALOGS_WIN_H_

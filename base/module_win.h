// The plug-in's own module handle: dialog templates and icons are loaded
// from the DLL's resources, never from the host's executable. DllMain sets
// it when the library loads.
#ifndef AADX_BASE_MODULE_WIN_H_
#define AADX_BASE_MODULE_WIN_H_

#include <windows.h>

namespace aadx {

HMODULE StatsModule();
void SetStatsModule(HMODULE module);

}  // namespace aadx

#endif  // AADX_BASE_MODULE_WIN_H_

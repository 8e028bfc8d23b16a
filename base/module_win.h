// The plug-in's own module handle: dialog templates and icons are loaded
// from the DLL's resources, never from the host's executable. DllMain sets
// it when the library loads.
#ifndef AADX_BASE_MODULE_WIN_H_
#define AADX_BASE_MODULE_WIN_H_

#include <windows.h>

namespace aadx {

HMODULE StatsModule();
void SetStatsModule(HMODULE module);

// True from the start of the library's unload while the process goes on
// (DllMain's process detach, under the loader lock): the library is
// unmapped when that returns.
bool StatsUnloading();
void SetStatsUnloading();

}  // namespace aadx

#endif  // AADX_BASE_MODULE_WIN_H_

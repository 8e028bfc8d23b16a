// The plug-in's own module handle: dialog templates and icons are loaded
// from the DLL's resources, never from the host's executable.
#ifndef AADX_PLUGIN_MODULE_WIN_H_
#define AADX_PLUGIN_MODULE_WIN_H_

#include <windows.h>

namespace aadx {

HMODULE StatsModule();

}  // namespace aadx

#endif  // AADX_PLUGIN_MODULE_WIN_H_

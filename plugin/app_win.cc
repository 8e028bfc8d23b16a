// The library's load and unload path on Windows: the application object
// and DllMain.
#include <windows.h>

#include "base/module_win.h"
#include "plugin/plugin.h"

namespace aadx {

// The plug-in's application object: nothing to set up at load; at unload
// the Multiplier window is closed before the state it shows is destroyed.
class CTestApp {
 public:
  BOOL InitInstance() { return TRUE; }
  int ExitInstance(bool processEnding) {
    if (!processEnding) {
      try {
        ThePlugin().Shutdown();
      } catch (...) {
      }
      Sleep(20);
    }
    return 0;
  }
};

CTestApp theApp;

}  // namespace aadx

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason,
                               LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      aadx::SetStatsModule(instance);
      DisableThreadLibraryCalls(instance);
      return aadx::theApp.InitInstance();
    case DLL_PROCESS_DETACH:
      // When the process is ending every other thread is already gone, so
      // there is no window left to wait for.
      if (reserved == nullptr) aadx::SetStatsUnloading();
      aadx::theApp.ExitInstance(reserved != nullptr);
      return TRUE;
    default:
      return TRUE;
  }
}

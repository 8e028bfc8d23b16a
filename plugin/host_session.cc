#include "plugin/host_session.h"

namespace aadx {

void RefreshHostLink(HostLink* host, MultiplierWindow* window, int* hostState) {
  host->Connect();
  if (!window->IsRunning()) return;
  int32_t state = 0;
  *hostState = host->ReadHostState(&state) ? state : 1;
  if (*hostState == 0) window->ArmPollTimer();
}

void SendModeMacroOnce(HostLink* host, Settings* settings, bool cw,
                       int* talqGood) {
  *talqGood = settings->ReadInt("Talq_Good");
  if (*talqGood != 0) return;
  host->Connect();
  if (host->HasHost()) {
    host->RunHostMacro(cw ? "<MODE:CW>" : "<MODE:SSB>");
    *talqGood = 1;
  }
  // Unsaved, the macro is sent once more after the next load: harmless.
  settings->WriteText("Talq_Good", "1").IgnoreError();
}

}  // namespace aadx

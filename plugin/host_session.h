// What the plug-in does with the host link from the host's thread: refresh
// it on every call check, and send the mode macro once per window session.
#ifndef AADX_PLUGIN_HOST_SESSION_H_
#define AADX_PLUGIN_HOST_SESSION_H_

#include "base/settings.h"
#include "host/host_link.h"
#include "ui/multiplier_window.h"

namespace aadx {

// Connects to the host object and, while a Multiplier window runs, reads the
// host state into *hostState (no answer counts as non-zero) and re-arms the
// window's poll timer when that state is 0.
void RefreshHostLink(HostLink* host, MultiplierWindow* window, int* hostState);

// Reads "Talq_Good" into *talqGood; when it is 0, asks the host to run
// "<MODE:CW>" or "<MODE:SSB>" (setting *talqGood to 1 when a host object was
// there), then writes "Talq_Good" = "1" whether or not one was.
void SendModeMacroOnce(HostLink* host, Settings* settings, bool cw,
                       int* talqGood);

}  // namespace aadx

#endif  // AADX_PLUGIN_HOST_SESSION_H_

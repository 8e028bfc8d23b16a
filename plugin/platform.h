// Everything the core needs from the platform, gathered in one place so
// tests can hand the core fakes (as LevelDB's Env does).
#ifndef AADX_PLUGIN_PLATFORM_H_
#define AADX_PLUGIN_PLATFORM_H_

#include "base/profile.h"
#include "cabrillo/cabrillo_dialog.h"
#include "cabrillo/host_version.h"
#include "host/host_link.h"
#include "ui/dialogs.h"
#include "ui/multiplier_window.h"

namespace aadx {

struct Platform {
  Profile* profile;
  Dialogs* dialogs;
  CabrilloDialog* cabrilloDialog;
  HostLink* hostLink;
  MultiplierWindow* window;
  HostVersion* hostVersion;
};

// The real services of the platform the library was built for.
Platform DefaultPlatform();

}  // namespace aadx

#endif  // AADX_PLUGIN_PLATFORM_H_

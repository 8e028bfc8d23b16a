// Everything the core needs from the platform, gathered in one place so
// tests can hand the core fakes: the desktop's stateless services (LevelDB's
// Env), the link to the host logger, and how the Multiplier window is made
// over the plug-in's own state.
#ifndef AADX_PLUGIN_PLATFORM_H_
#define AADX_PLUGIN_PLATFORM_H_

#include <functional>
#include <memory>

#include "base/desktop.h"
#include "host/host_link.h"
#include "ui/multiplier_window.h"

namespace aadx {

struct Platform {
  using WindowMaker = std::function<std::unique_ptr<MultiplierWindow>(
      SharedState* state, HostLink* host, Settings* settings)>;

  Desktop* desktop;
  HostLink* hostLink;
  WindowMaker newWindow;
};

// The real services of the platform the library was built for.
Platform DefaultPlatform();

}  // namespace aadx

#endif  // AADX_PLUGIN_PLATFORM_H_

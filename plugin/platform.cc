#include "plugin/platform.h"

namespace aadx {

Platform DefaultPlatform() {
  return Platform{DefaultDesktop(), DefaultHostLink(), &NewMultiplierWindow};
}

}  // namespace aadx

#include "plugin/platform.h"

namespace aadx {

Platform DefaultPlatform() {
  return Platform{DefaultProfile(),          DefaultDialogs(),
                  DefaultCabrilloDialog(),   DefaultHostLink(),
                  DefaultMultiplierWindow(), DefaultHostVersion()};
}

}  // namespace aadx

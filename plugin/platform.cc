#include "plugin/platform.h"

namespace aadx {

Platform DefaultPlatform() {
  return Platform{DefaultProfile(), DefaultDialogs(), DefaultHostLink(),
                  DefaultMultiplierWindow(), DefaultHostVersion()};
}

}  // namespace aadx

#include "base/plugin_state.h"

namespace aadx {

const char* const kContestBands[kBandSlots] = {"160m", "80m", "40m",
                                               "20m",  "15m", "10m"};

int BandSlotOf(const std::string& band) {
  for (int i = 0; i < kBandSlots; ++i) {
    if (band == kContestBands[i]) return i;
  }
  return -1;
}

}  // namespace aadx

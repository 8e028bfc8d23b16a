#include "base/plugin_state.h"

#include <string_view>

namespace aadx {

const char* const kContestBands[kBandSlots] = {"160m", "80m", "40m",
                                               "20m",  "15m", "10m"};

int BandSlotOf(const std::string& band) {
  // Compared as views, length first: the score asks this of every band,
  // and a log may have thousands of odd band texts.
  for (int i = 0; i < kBandSlots; ++i) {
    if (std::string_view(band) == kContestBands[i]) return i;
  }
  return -1;
}

}  // namespace aadx

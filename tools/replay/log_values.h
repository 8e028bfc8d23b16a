// Small conversions that both log readers apply to field texts.
#ifndef AADX_TOOLS_REPLAY_LOG_VALUES_H_
#define AADX_TOOLS_REPLAY_LOG_VALUES_H_

#include <cstdint>
#include <string>

namespace aadx {
namespace replay {

std::string TrimBlanks(const std::string& text);
std::string ToUpper(const std::string& text);

// The mode in the host's spelling: "CW"; "SSB" for SSB, USB, LSB and the
// Cabrillo "PH"; any other mode upper-cased as written.
std::string NormalizeMode(const std::string& mode);

// "CW" or "SSB" when a contest name such as "AADX-CW" names its mode.
std::string ContestModeOf(const std::string& contest);

// Reads a decimal number of MHz ("14.025", "7", "1.8305") into Hz exactly,
// digits past the hertz dropped. Returns false for anything else or values
// of 4295 MHz and more.
bool ParseMegahertz(const std::string& text, uint32_t* hz);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_LOG_VALUES_H_

// The prefix of a callsign by the WPX rules, used as the worked station's
// prefix when the log does not carry one.
#ifndef AADX_TOOLS_CALLSIGN_WPX_PREFIX_H_
#define AADX_TOOLS_CALLSIGN_WPX_PREFIX_H_

#include <string>

namespace aadx {
namespace callsign {

// "N8BJQ/KH9" -> "KH9", "PA/N8BJQ" -> "PA0", "XEFTJW" -> "XE0",
// "K1TEO/8" -> "K8", "JA1ABC/P" -> "JA1". Returns "" for an empty call.
std::string WpxPrefix(const std::string& call);

}  // namespace callsign
}  // namespace aadx

#endif  // AADX_TOOLS_CALLSIGN_WPX_PREFIX_H_

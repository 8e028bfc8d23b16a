// Small conversions that both log readers apply to field texts.
#ifndef AADX_TOOLS_LOGS_LOG_VALUES_H_
#define AADX_TOOLS_LOGS_LOG_VALUES_H_

#include <cstdint>
#include <string>

namespace aadx {
namespace logs {

std::string TrimBlanks(const std::string& text);

// The mode in the host's spelling: "CW" for CW as loggers write it (also
// reverse CW, "CWR", "CW-R"); "SSB" for SSB, USB, LSB, "PH" and "PHONE", and
// for an empty mode whose ADIF `submode` is USB or LSB; any other mode
// upper-cased as written.
std::string NormalizeMode(const std::string& mode,
                          const std::string& submode = "");

// A signal report, cut numbers included ("599", "59", "5NN").
bool LooksLikeReport(const std::string& token);

// Some loggers store the report and the exchange in one field ("599 45"):
// then the report moves to `rst` (when that is empty) and `exchange` keeps
// the rest. Anything else is left as logged.
void SplitReportFromExchange(std::string* rst, std::string* exchange);

// At most `max` bytes of `bytes` for a message, quoted, with control and
// non-ASCII bytes written as \xNN and "..." when cut.
std::string Excerpt(const std::string& bytes, size_t max = 40);

// "CW" or "SSB" when a contest name such as "AADX-CW" names its mode.
std::string ContestModeOf(const std::string& contest);

// The contest's mode by most contacts, for a log that does not name it:
// "CW" or "SSB"; a tie is CW, as the plug-in's setup dialog opens; "" when
// no contact is in either mode. The replay tool and the checker both use it.
std::string ModeOfMostContacts(int cw, int ssb);

// True when a contest name, as logs and loggers spell it, is the All Asian
// DX contest's: "AADX-CW", "ALL-ASIAN-DX-PHONE" (ADIF's names), "AA-CW".
bool IsAllAsianContest(const std::string& contest);

// Reads a decimal number of MHz ("14.025", "7", "1.8305") into Hz exactly,
// digits past the hertz dropped. Returns false for anything else or values
// of 4295 MHz and more.
bool ParseMegahertz(const std::string& text, uint32_t* hz);

// The same for kHz ("14035.86", as some loggers write ADIF's FREQ), up to
// seven digits before the point.
bool ParseKilohertz(const std::string& text, uint32_t* hz);

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_LOG_VALUES_H_

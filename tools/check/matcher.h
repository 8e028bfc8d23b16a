// The cross-check: every QSO of every checked log looked for in the worked
// station's log, and given one verdict. Each log's clock offset is
// estimated first from the QSOs that match by call, band and mode over a
// wide window (the logs it worked vote with their median differences), so
// that a log whose clock is an hour off still matches in the narrow window
// after.
#ifndef AADX_TOOLS_CHECK_MATCHER_H_
#define AADX_TOOLS_CHECK_MATCHER_H_

#include <cstdint>
#include <string>

#include "tools/check/contest_logs.h"

namespace aadx {
namespace check {

struct MatchOptions {
  int64_t windowSeconds = 10 * 60;         // the two times, offsets removed
  int64_t offsetWindowSeconds = 3 * 3600;  // where clock offsets are sought
};

// Calls that one miscopy makes of each other: one character changed, added
// or dropped, two neighbours swapped, or the same Morse elements keyed
// with other character spaces ("A" .- and "ET" . -). Equal calls are not
// similar.
bool SimilarCalls(const std::string& a, const std::string& b);

// True when the received exchange is what was sent: blanks and case aside,
// and numbers by their value ("05" is "5"). An empty sent exchange agrees
// with anything.
bool ExchangeAgrees(const std::string& received, const std::string& sent);

// Sets the clock offset of every checked log and the verdict, match and
// corrections of each of its QSOs.
void CrossCheck(ContestLogs* contest, const MatchOptions& options = {});

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_MATCHER_H_

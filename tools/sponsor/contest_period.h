// UTC instants as seconds since 1970-01-01, and the All Asian DX contest's
// period in a given year: 48 hours from 00:00 UTC on the third Saturday of
// June (CW) or the first Saturday of September (phone), as the year's rules
// (rule_book.h) say.
#ifndef AADX_TOOLS_SPONSOR_CONTEST_PERIOD_H_
#define AADX_TOOLS_SPONSOR_CONTEST_PERIOD_H_

#include <cstdint>
#include <string>

#include "tools/logs/qso_time.h"

namespace aadx {
namespace sponsor {

enum class ContestMode { kCw, kPhone };

// Seconds since 1970-01-01 00:00 UTC of a proleptic Gregorian date and time.
int64_t UtcSeconds(int year, int month, int day, int hour = 0, int minute = 0,
                   int second = 0);
// The same of a time as a log gives it.
int64_t UtcSeconds(const logs::QsoTime& time);

// "2021-06-19 0005", seconds only when not zero ("2021-06-19 000507").
std::string FormatUtc(int64_t seconds);

// The contest's period: contacts at `start` <= time < `end` count.
struct Period {
  int64_t start = 0;
  int64_t end = 0;
};

Period ContestPeriod(int year, ContestMode mode);

// "AADX-CW" or "AADX-SSB".
const char* ContestName(ContestMode mode);

}  // namespace sponsor
}  // namespace aadx

#endif  // AADX_TOOLS_SPONSOR_CONTEST_PERIOD_H_

#include "tools/sponsor/contest_period.h"

#include <cstdio>

namespace aadx {
namespace sponsor {

namespace {

constexpr int64_t kDay = 24 * 60 * 60;

// Days since 1970-01-01 of a Gregorian date (Howard Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int* year, int* month, int* day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = static_cast<int>(yoe + era * 400 + (*month <= 2));
}

// The n-th Saturday (1-based) of a month, as days since 1970-01-01.
int64_t NthSaturday(int year, int month, int n) {
  const int64_t first = DaysFromCivil(year, month, 1);
  // 1970-01-01 was a Thursday; weekday 0 is Sunday.
  const int64_t weekday = ((first + 4) % 7 + 7) % 7;
  return first + (6 - weekday) + 7 * (n - 1);
}

}  // namespace

int64_t UtcSeconds(int year, int month, int day, int hour, int minute,
                   int second) {
  return DaysFromCivil(year, month, day) * kDay + hour * 3600 + minute * 60 +
         second;
}

std::string FormatUtc(int64_t seconds) {
  int64_t days = seconds / kDay;
  int64_t rest = seconds % kDay;
  if (rest < 0) {
    rest += kDay;
    --days;
  }
  int year = 0, month = 0, day = 0;
  CivilFromDays(days, &year, &month, &day);
  const int hour = static_cast<int>(rest / 3600);
  const int minute = static_cast<int>(rest / 60 % 60);
  const int second = static_cast<int>(rest % 60);
  char text[40];
  if (second != 0) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d%02d", year, month,
                  day, hour, minute, second);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", year, month,
                  day, hour, minute);
  }
  return text;
}

Period ContestPeriod(int year, ContestMode mode) {
  const int64_t saturday = mode == ContestMode::kCw ? NthSaturday(year, 6, 3)
                                                    : NthSaturday(year, 9, 1);
  return Period{saturday * kDay, (saturday + 2) * kDay};
}

const char* ContestName(ContestMode mode) {
  return mode == ContestMode::kCw ? "AADX-CW" : "AADX-SSB";
}

}  // namespace sponsor
}  // namespace aadx

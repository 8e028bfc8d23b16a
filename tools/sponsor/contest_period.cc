#include "tools/sponsor/contest_period.h"

#include "base/civil_date.h"
#include "tools/logs/qso_time.h"
#include "tools/sponsor/rule_book.h"

namespace aadx {
namespace sponsor {

namespace {

constexpr int64_t kDay = 24 * 60 * 60;

// The n-th Saturday (1-based) of a month, as days since 1970-01-01.
int64_t NthSaturday(int year, int month, int n) {
  const int64_t first = DaysFromCivil(year, month, 1);
  return first + (6 - WeekdayOfDays(first)) + 7 * (n - 1);
}

}  // namespace

int64_t UtcSeconds(int year, int month, int day, int hour, int minute,
                   int second) {
  return DaysFromCivil(year, month, day) * kDay + hour * 3600 + minute * 60 +
         second;
}

int64_t UtcSeconds(const logs::QsoTime& t) {
  return UtcSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string FormatUtc(int64_t seconds) {
  int64_t days = seconds / kDay;
  int64_t rest = seconds % kDay;
  if (rest < 0) {
    rest += kDay;
    --days;
  }
  const CivilDate date = CivilFromDays(days);
  const int timeOfDay = static_cast<int>(rest);
  return logs::FormatQsoTime(
      logs::QsoTime{date.year, date.month, date.day, timeOfDay / 3600,
                    timeOfDay / 60 % 60, timeOfDay % 60});
}

Period ContestPeriod(int year, ContestMode mode) {
  const YearRules& rules = RulesForYear(year);
  const int64_t saturday =
      mode == ContestMode::kCw
          ? NthSaturday(year, rules.cwMonth, rules.cwSaturday)
          : NthSaturday(year, rules.phoneMonth, rules.phoneSaturday);
  return Period{saturday * kDay, saturday * kDay + rules.hours * 3600};
}

const char* ContestName(ContestMode mode) {
  return mode == ContestMode::kCw ? "AADX-CW" : "AADX-SSB";
}

}  // namespace sponsor
}  // namespace aadx

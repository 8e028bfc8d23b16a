#include "base/ole_date.h"

#include <cmath>
#include <cstdio>

#include "base/civil_date.h"

namespace aadx {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// The range the host's date-time value can be split in, exclusive: from
// 0100-01-01 to 9999-12-31, in days since 1899-12-30.
constexpr double kLowestDays = -657435.0;
constexpr double kBeyondDays = 2958466.0;
constexpr long long kLastDay = 2958465;  // 9999-12-31

// 1899-12-30, day 0 of the host's values, in days since 1970-01-01.
constexpr long long kOleEpoch = DaysFromCivil(1899, 12, 30);
static_assert(DaysFromCivil(9999, 12, 31) - kOleEpoch == kLastDay,
              "the last day that can be split is 9999-12-31");
static_assert(DaysFromCivil(100, 1, 1) - kOleEpoch == kLowestDays + 1,
              "the first day that can be split is 0100-01-01");

}  // namespace

bool SplitOleDate(double days, CalendarTime* out) {
  // Written so that NaN fails too.
  if (!(days > kLowestDays && days < kBeyondDays)) return false;
  const double whole = std::trunc(days);
  const double fraction = std::fabs(days - whole);
  // std::round takes halves away from zero, here up.
  long long seconds =
      static_cast<long long>(std::round(fraction * kSecondsPerDay));
  long long day = static_cast<long long>(whole);
  if (seconds >= 86400) {
    seconds -= 86400;
    ++day;  // The calendar's next day, also for days before 1899-12-30.
  }
  if (day > kLastDay) return false;

  const long long civilDay = day + kOleEpoch;
  const CivilDate date = CivilFromDays(civilDay);
  const int timeOfDay = static_cast<int>(seconds);
  *out = CalendarTime{
      date.year,
      date.month,
      date.day,
      timeOfDay / 3600,
      timeOfDay / 60 % 60,
      timeOfDay % 60,
      WeekdayOfDays(civilDay),
      static_cast<int>(civilDay - DaysFromCivil(date.year, 1, 1) + 1)};
  return true;
}

bool OleDateFromCalendar(int year, int month, int day, int hour, int minute,
                         int second, double* days) {
  if (year < 100 || year > 9999 || !IsCivilDate(year, month, day) || hour < 0 ||
      hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return false;
  }
  const long long date = DaysFromCivil(year, month, day) - kOleEpoch;
  const double timeOfDay =
      (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
  // Before 1899-12-30 the time of day counts away from zero as well.
  *days = date >= 0 ? static_cast<double>(date) + timeOfDay
                    : static_cast<double>(date) - timeOfDay;
  return true;
}

std::string FormatOleDate(const StatsOleDate* value, OleDateText form) {
  if (value == nullptr || value->status == kOleDateNull) return "";
  CalendarTime t;
  if (value->status == kOleDateInvalid || !SplitOleDate(value->days, &t)) {
    return "Invalid DateTime";
  }
  char text[40] = "";
  switch (form) {
    case OleDateText::kDateTime:
      std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", t.year,
                    t.month, t.day, t.hour, t.minute);
      break;
    case OleDateText::kDayMonth:
      std::snprintf(text, sizeof text, "%02d.%02d", t.day, t.month);
      break;
    case OleDateText::kDate:
      std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month,
                    t.year);
      break;
    case OleDateText::kHourMinute:
      std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
      break;
  }
  return text;
}

}  // namespace aadx

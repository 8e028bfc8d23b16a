#include "base/ole_date.h"

#include <cmath>
#include <cstring>
#include <ctime>

namespace aadx {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// The range the host's date-time value can be split in, exclusive: from
// 0100-01-01 to 9999-12-31, in days since 1899-12-30.
constexpr double kLowestDays = -657435.0;
constexpr double kBeyondDays = 2958466.0;
constexpr long long kLastDay = 2958465;  // 9999-12-31
constexpr size_t kMaxTextLength = 255;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil), and back.
constexpr long long DaysFromCivil(long long year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear =
      (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int* year, int* month, int* day) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;  // March = 0
  *day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  *month =
      static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  *year = static_cast<int>(yearOfEra + era * 400 + (*month <= 2 ? 1 : 0));
}

// 1899-12-30, day 0 of the host's values, in days since 1970-01-01.
constexpr long long kOleEpoch = DaysFromCivil(1899, 12, 30);
static_assert(DaysFromCivil(9999, 12, 31) - kOleEpoch == kLastDay,
              "the last day that can be split is 9999-12-31");
static_assert(DaysFromCivil(100, 1, 1) - kOleEpoch == kLowestDays + 1,
              "the first day that can be split is 0100-01-01");

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}

// Appends number in decimal, zero-padded to at least width digits.
void AppendNumber(std::string* text, int number, size_t width) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + number % 10));
    number /= 10;
  } while (number > 0);
  if (digits.size() < width) text->append(width - digits.size(), '0');
  *text += digits;
}

// The directives of standard C that are not formatted here; every C library
// knows them (names, 12-hour clock, week numbers, locale forms, zone).
bool IsLeftToCLibrary(char directive) {
  return directive != '\0' &&
         std::strchr("aAbBcIpUwWxXZ", directive) != nullptr;
}

void AppendFromCLibrary(std::string* text, char directive,
                        const CalendarTime& time) {
  std::tm fields{};
  fields.tm_year = time.year - 1900;
  fields.tm_mon = time.month - 1;
  fields.tm_mday = time.day;
  fields.tm_hour = time.hour;
  fields.tm_min = time.minute;
  fields.tm_sec = time.second;
  fields.tm_wday = time.dayOfWeek;
  fields.tm_yday = time.dayOfYear - 1;
  fields.tm_isdst = 0;
  const char format[] = {'%', directive, '\0'};
  char buffer[kMaxTextLength + 1];
  buffer[0] = '\0';
  size_t length = std::strftime(buffer, sizeof(buffer), format, &fields);
  text->append(buffer, length);
}

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
  CalendarTime time;
  CivilFromDays(civilDay, &time.year, &time.month, &time.day);
  time.hour = static_cast<int>(seconds / 3600);
  time.minute = static_cast<int>(seconds / 60 % 60);
  time.second = static_cast<int>(seconds % 60);
  // 1970-01-01 was a Thursday.
  time.dayOfWeek = static_cast<int>(((civilDay % 7) + 7 + 4) % 7);
  time.dayOfYear =
      static_cast<int>(civilDay - DaysFromCivil(time.year, 1, 1) + 1);
  *out = time;
  return true;
}

bool OleDateFromCalendar(int year, int month, int day, int hour, int minute,
                         int second, double* days) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59 || second < 0 || second > 59) {
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

std::string FormatOleDate(const StatsOleDate* value, const char* pattern) {
  if (value == nullptr || pattern == nullptr || value->status == kOleDateNull) {
    return "";
  }
  CalendarTime time;
  if (value->status == kOleDateInvalid || !SplitOleDate(value->days, &time)) {
    return "Invalid DateTime";
  }
  std::string text;
  for (const char* p = pattern; *p != '\0' && text.size() < kMaxTextLength;
       ++p) {
    if (*p != '%') {
      text += *p;
      continue;
    }
    if (p[1] == '\0') {  // A lone '%' at the end stays as written.
      text += '%';
      break;
    }
    const char directive = *++p;
    switch (directive) {
      case 'Y':
        AppendNumber(&text, time.year, 4);
        break;
      case 'y':
        AppendNumber(&text, time.year % 100, 2);
        break;
      case 'm':
        AppendNumber(&text, time.month, 2);
        break;
      case 'd':
        AppendNumber(&text, time.day, 2);
        break;
      case 'H':
        AppendNumber(&text, time.hour, 2);
        break;
      case 'M':
        AppendNumber(&text, time.minute, 2);
        break;
      case 'S':
        AppendNumber(&text, time.second, 2);
        break;
      case 'j':
        AppendNumber(&text, time.dayOfYear, 3);
        break;
      case '%':
        text += '%';
        break;
      default:
        if (IsLeftToCLibrary(directive)) {
          AppendFromCLibrary(&text, directive, time);
        } else {
          // Directives beyond standard C differ between C libraries, and
          // some abort on Windows; they are copied as written.
          text += '%';
          text += directive;
        }
        break;
    }
  }
  if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
  return text;
}

}  // namespace aadx

#include "tools/logs/qso_time.h"

#include <cctype>
#include <cstdio>

namespace aadx {
namespace logs {

namespace {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the given proleptic Gregorian date (H. Hinnant's
// days_from_civil).
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear =
      (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

bool Digits(const std::string& text, size_t pos, size_t count, int* value) {
  if (pos + count > text.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    v = v * 10 + (text[i] - '0');
  }
  *value = v;
  return true;
}

}  // namespace

bool IsValidQsoTime(const QsoTime& t) {
  return t.year >= 100 && t.year <= 9999 && t.month >= 1 && t.month <= 12 &&
         t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 &&
         t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 59;
}

double OleDays(const QsoTime& t) {
  const long days =
      DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1899, 12, 30);
  const double fraction = (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
  // Before the epoch the day count is negative while the time of day still
  // counts forward: -1.25 is 1899-12-29 06:00.
  return days >= 0 ? days + fraction : days - fraction;
}

bool ParseDate(const std::string& text, QsoTime* time) {
  QsoTime t = *time;
  bool ok = false;
  if (text.size() == 8) {
    ok = Digits(text, 0, 4, &t.year) && Digits(text, 4, 2, &t.month) &&
         Digits(text, 6, 2, &t.day);
  } else if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    ok = Digits(text, 0, 4, &t.year) && Digits(text, 5, 2, &t.month) &&
         Digits(text, 8, 2, &t.day);
  }
  QsoTime check = t;
  check.hour = check.minute = check.second = 0;
  if (!ok || !IsValidQsoTime(check)) return false;
  *time = t;
  return true;
}

bool ParseTimeOfDay(const std::string& text, QsoTime* time) {
  QsoTime t = *time;
  t.second = 0;
  bool ok = false;
  if (text.size() == 4) {
    ok = Digits(text, 0, 2, &t.hour) && Digits(text, 2, 2, &t.minute);
  } else if (text.size() == 6) {
    ok = Digits(text, 0, 2, &t.hour) && Digits(text, 2, 2, &t.minute) &&
         Digits(text, 4, 2, &t.second);
  } else if (text.size() == 5 && text[2] == ':') {
    ok = Digits(text, 0, 2, &t.hour) && Digits(text, 3, 2, &t.minute);
  }
  if (!ok || t.hour > 23 || t.minute > 59 || t.second > 59) return false;
  *time = t;
  return true;
}

std::string FormatQsoTime(const QsoTime& t) {
  char text[40];
  if (t.second != 0) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d%02d", t.year,
                  t.month, t.day, t.hour, t.minute, t.second);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", t.year, t.month,
                  t.day, t.hour, t.minute);
  }
  return text;
}

}  // namespace logs
}  // namespace aadx

#include "tools/logs/qso_time.h"

#include <cctype>
#include <cstdio>

#include "base/ole_date.h"

namespace aadx {
namespace logs {

namespace {

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
  double days;
  return OleDateFromCalendar(t.year, t.month, t.day, t.hour, t.minute, t.second,
                             &days);
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

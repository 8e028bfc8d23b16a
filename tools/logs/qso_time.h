// Calendar date and time of a contact as a log states it (UTC); the host's
// date-time value of it is OleDateFromCalendar's (base/ole_date.h).
#ifndef AADX_TOOLS_LOGS_QSO_TIME_H_
#define AADX_TOOLS_LOGS_QSO_TIME_H_

#include <string>
#include <tuple>

namespace aadx {
namespace logs {

struct QsoTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

inline bool operator<(const QsoTime& a, const QsoTime& b) {
  return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
         std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

// True for a real calendar date in the years 100 to 9999 and a time of day
// from 00:00:00 to 23:59:59.
bool IsValidQsoTime(const QsoTime& time);

// Reads "YYYYMMDD" (ADIF dates) or "YYYY-MM-DD" (Cabrillo and the command
// line) into the date fields of `time`.
bool ParseDate(const std::string& text, QsoTime* time);

// Reads "HHMM", "HHMMSS" or "HH:MM" into the time fields of `time`.
bool ParseTimeOfDay(const std::string& text, QsoTime* time);

// "2021-06-19 0005" (seconds only when not zero), for messages.
std::string FormatQsoTime(const QsoTime& time);

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_QSO_TIME_H_

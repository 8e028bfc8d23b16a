// The host's date-time value (an OLE Automation date: days since 1899-12-30
// with the time of day as fraction, plus a status) and its text forms. The
// text is built here rather than by the platform's date functions so that it
// is the same bytes on every platform.
#ifndef AADX_BASE_OLE_DATE_H_
#define AADX_BASE_OLE_DATE_H_

#include <string>

#include "base/ole_date_value.h"

namespace aadx {

// Calendar fields of a date-time value, proleptic Gregorian, no time zone.
struct CalendarTime {
  int year;
  int month;      // 1-12
  int day;        // 1-31
  int hour;       // 0-23
  int minute;     // 0-59
  int second;     // 0-59
  int dayOfWeek;  // 0 = Sunday
  int dayOfYear;  // 1-based
};

// Splits days into calendar fields by the OLE Automation rules: the date is
// the integer part truncated toward zero, the time of day the absolute
// fraction rounded to the nearest second (a half second rounds up, carrying
// into the next day). False for NaN, infinities, values outside
// (-657435, 2958466) and values that round past 9999-12-31 23:59:59.
bool SplitOleDate(double days, CalendarTime* out);

// The inverse of SplitOleDate for whole seconds, for tools and tests. False
// when a field is out of range (years 100 to 9999).
bool OleDateFromCalendar(int year, int month, int day, int hour, int minute,
                         int second, double* days);

// The text forms the plug-in shows and writes.
enum class OleDateText {
  kDateTime,    // "2021-06-19 0005"
  kDayMonth,    // "19.06"
  kDate,        // "19.06.2021"
  kHourMinute,  // "00:05"
};

// The text form of a date-time value: "" for a null pointer or a null
// status; "Invalid DateTime" for an invalid status or a value that cannot be
// split; otherwise the calendar fields in the form asked for.
std::string FormatOleDate(const StatsOleDate* value, OleDateText form);

}  // namespace aadx

#endif  // AADX_BASE_OLE_DATE_H_

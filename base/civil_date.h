// The proleptic Gregorian calendar as day numbers: days since 1970-01-01
// (negative before it) from a civil date and back, and the day of the week.
// The host's date-time values, the tools' contact times and the contest's
// period all count days this way (H. Hinnant's days_from_civil).
#ifndef AADX_BASE_CIVIL_DATE_H_
#define AADX_BASE_CIVIL_DATE_H_

namespace aadx {

struct CivilDate {
  int year;
  int month;  // 1-12
  int day;    // 1-31
};

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

constexpr CivilDate CivilFromDays(long long days) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;  // March = 0
  const int month =
      static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return CivilDate{
      static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month,
      static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1)};
}

// 0 = Sunday; 1970-01-01 was a Thursday.
constexpr int WeekdayOfDays(long long days) {
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

// True for a month 1-12 and a day that month has in that year.
constexpr bool IsCivilDate(int year, int month, int day) {
  // A day past the month's end would count on into the next month.
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
         CivilFromDays(DaysFromCivil(year, month, day)).day == day;
}

}  // namespace aadx

#endif  // AADX_BASE_CIVIL_DATE_H_

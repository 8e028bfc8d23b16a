#include "base/ole_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace aadx {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct SplitCase {
  double days;
  int year, month, day, hour, minute, second;
};

void ExpectSplits(const std::vector<SplitCase>& cases) {
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "days " << std::to_string(c.days));
    CalendarTime time;
    ASSERT_TRUE(SplitOleDate(c.days, &time));
    EXPECT_EQ(c.year, time.year);
    EXPECT_EQ(c.month, time.month);
    EXPECT_EQ(c.day, time.day);
    EXPECT_EQ(c.hour, time.hour);
    EXPECT_EQ(c.minute, time.minute);
    EXPECT_EQ(c.second, time.second);
  }
}

StatsOleDate Valid(double days) { return StatsOleDate{days, kOleDateValid}; }

TEST(SplitOleDateTest, SplitsTheReferenceValues) {
  ExpectSplits({
      {0.0, 1899, 12, 30, 0, 0, 0},
      {2.5, 1900, 1, 1, 12, 0, 0},
      {-5.9999884259259, 1899, 12, 25, 23, 59, 59},
      {29221.9888884444, 1980, 1, 1, 23, 44, 0},
      {44366.003472222, 2021, 6, 19, 0, 5, 0},
      {44366.999995, 2021, 6, 20, 0, 0, 0},
      {2958465.99999, 9999, 12, 31, 23, 59, 59},
      {-657434.0, 100, 1, 1, 0, 0, 0},
  });
  CalendarTime time;
  EXPECT_FALSE(SplitOleDate(2958466.0, &time));
  EXPECT_FALSE(SplitOleDate(-657435.0, &time));
}

TEST(SplitOleDateTest, DaysBeforeTheEpochTakeTheAbsoluteFraction) {
  ExpectSplits({
      {-1.25, 1899, 12, 29, 6, 0, 0},
      {-1.0, 1899, 12, 29, 0, 0, 0},
      {-0.25, 1899, 12, 30, 6, 0, 0},
      {-0.75, 1899, 12, 30, 18, 0, 0},
      {-2.5, 1899, 12, 28, 12, 0, 0},
      {-36522.0, 1800, 1, 1, 0, 0, 0},
      {-657434.5, 100, 1, 1, 12, 0, 0},
  });
}

TEST(SplitOleDateTest, RoundsToTheNearestSecondWithHalvesUp) {
  // 1/256 of a day is exactly 337.5 seconds.
  const double halfSecond = 1.0 / 256;
  ASSERT_EQ(337.5, halfSecond * 86400);
  ExpectSplits({
      {halfSecond, 1899, 12, 30, 0, 5, 38},
      {std::nextafter(halfSecond, 0.0), 1899, 12, 30, 0, 5, 37},
      {-halfSecond, 1899, 12, 30, 0, 5, 38},
      {-1 - halfSecond, 1899, 12, 29, 0, 5, 38},
      {44366 + halfSecond, 2021, 6, 19, 0, 5, 38},
      {44366 + 255 * halfSecond, 2021, 6, 19, 23, 54, 23},  // 86062.5 s
  });
}

TEST(SplitOleDateTest, RoundingCarriesIntoTheNextDay) {
  // Exactly 23:59:59.5 on 1899-12-30.
  const double lastHalfSecond = 86399.5 / 86400;
  ASSERT_EQ(86399.5, lastHalfSecond * 86400);
  ExpectSplits({
      {lastHalfSecond, 1899, 12, 31, 0, 0, 0},
      {44196.999995, 2021, 1, 1, 0, 0, 0},
      {44255.9999999, 2021, 3, 1, 0, 0, 0},
      {43889.9999999, 2020, 2, 29, 0, 0, 0},
      // Before the epoch the carry goes to the calendar's next day too.
      {-1.999995, 1899, 12, 30, 0, 0, 0},
      {-657434.9999999, 100, 1, 2, 0, 0, 0},
  });
  CalendarTime time;
  // Rounds past 9999-12-31 23:59:59.
  EXPECT_FALSE(SplitOleDate(2958465.999999, &time));
  EXPECT_FALSE(SplitOleDate(std::nextafter(2958466.0, 0.0), &time));
}

TEST(SplitOleDateTest, RejectsValuesThatCannotBeSplit) {
  const std::vector<double> values = {
      kNaN,       kInfinity,
      -kInfinity, 2958466.0,
      -657435.0,  2958466.5,
      -657436.0,  1e300,
      -1e300,     std::nextafter(-657435.0, -1e9)};
  for (double days : values) {
    SCOPED_TRACE(testing::Message() << "days " << days);
    CalendarTime time{1, 2, 3, 4, 5, 6, 0, 7};
    EXPECT_FALSE(SplitOleDate(days, &time));
  }
  CalendarTime time;
  EXPECT_TRUE(SplitOleDate(std::nextafter(-657435.0, 0.0), &time));
  EXPECT_EQ(100, time.year);
}

TEST(SplitOleDateTest, GivesDayOfWeekAndDayOfYear) {
  struct Case {
    double days;
    int dayOfWeek;
    int dayOfYear;
  };
  const std::vector<Case> cases = {
      {0.0, 6, 364},              // Saturday 1899-12-30
      {2.0, 1, 1},                // Monday 1900-01-01
      {-1.25, 5, 363},            // Friday 1899-12-29
      {25569.0, 4, 1},            // Thursday 1970-01-01
      {36585.0, 2, 60},           // Tuesday 2000-02-29
      {44366.003472222, 6, 170},  // Saturday 2021-06-19
      {44196.5, 4, 366},          // Thursday 2020-12-31
      {2958465.0, 5, 365},        // Friday 9999-12-31
      {-657434.0, 5, 1},          // Friday 0100-01-01
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "days " << c.days);
    CalendarTime time;
    ASSERT_TRUE(SplitOleDate(c.days, &time));
    EXPECT_EQ(c.dayOfWeek, time.dayOfWeek);
    EXPECT_EQ(c.dayOfYear, time.dayOfYear);
  }
}

// Walks every day that can be split and checks each against the day before
// it, counted by hand: date, day of week and day of year.
TEST(SplitOleDateTest, EveryDayFollowsTheDayBefore) {
  CalendarTime previous;
  ASSERT_TRUE(SplitOleDate(-657434.0, &previous));
  int failures = 0;
  for (long day = -657433; day <= 2958465 && failures < 10; ++day) {
    CalendarTime time;
    if (!SplitOleDate(static_cast<double>(day), &time)) {
      ADD_FAILURE() << "day " << day << " not split";
      ++failures;
      continue;
    }
    static const int kMonthDays[] = {31, 28, 31, 30, 31, 30,
                                     31, 31, 30, 31, 30, 31};
    const int y = previous.year;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int monthLength =
        previous.month == 2 && leap ? 29 : kMonthDays[previous.month - 1];
    CalendarTime expected = previous;
    expected.dayOfWeek = (previous.dayOfWeek + 1) % 7;
    expected.dayOfYear = previous.dayOfYear + 1;
    expected.day = previous.day + 1;
    if (expected.day > monthLength) {
      expected.day = 1;
      if (++expected.month > 12) {
        expected.month = 1;
        ++expected.year;
        expected.dayOfYear = 1;
      }
    }
    if (time.year != expected.year || time.month != expected.month ||
        time.day != expected.day || time.dayOfWeek != expected.dayOfWeek ||
        time.dayOfYear != expected.dayOfYear || time.hour != 0 ||
        time.minute != 0 || time.second != 0) {
      ADD_FAILURE() << "day " << day << " split as " << time.year << "-"
                    << time.month << "-" << time.day << " weekday "
                    << time.dayOfWeek << " yearday " << time.dayOfYear;
      ++failures;
    }
    previous = time;
  }
  EXPECT_EQ(9999, previous.year);
  EXPECT_EQ(12, previous.month);
  EXPECT_EQ(31, previous.day);
}

TEST(OleDateFromCalendarTest, GivesTheReferenceValues) {
  struct Case {
    int year, month, day, hour, minute, second;
    double days;
  };
  const std::vector<Case> cases = {
      {1899, 12, 30, 0, 0, 0, 0.0},
      {1900, 1, 1, 12, 0, 0, 2.5},
      {1899, 12, 29, 6, 0, 0, -1.25},
      {1899, 12, 30, 6, 0, 0, 0.25},
      {1899, 12, 25, 23, 59, 59, -5.9999884259259},
      {1980, 1, 1, 23, 44, 0, 29221.988888888889},
      {2021, 6, 19, 0, 5, 0, 44366.003472222},
      {9999, 12, 31, 23, 59, 59, 2958465.999988426},
      {100, 1, 1, 0, 0, 0, -657434.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << "-" << c.month << "-" << c.day << " " << c.hour
                 << ":" << c.minute << ":" << c.second);
    double days = kNaN;
    ASSERT_TRUE(OleDateFromCalendar(c.year, c.month, c.day, c.hour, c.minute,
                                    c.second, &days));
    EXPECT_NEAR(c.days, days, 1e-9);
  }
}

TEST(OleDateFromCalendarTest, WholeMinutesGiveExactDayCounts) {
  struct Case {
    int year, month, day, hour, minute;
    double days;
  };
  const std::vector<Case> cases = {
      {1899, 12, 30, 0, 0, 0.0},
      {1900, 1, 1, 12, 0, 2.5},
      {1899, 12, 29, 6, 0, -1.25},
      {2021, 6, 19, 0, 5, 44366.0 + 300.0 / 86400.0},
      {100, 1, 1, 0, 0, -657434.0},
      {9999, 12, 31, 0, 0, 2958465.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << "-" << c.month << "-" << c.day);
    double days = kNaN;
    ASSERT_TRUE(OleDateFromCalendar(c.year, c.month, c.day, c.hour, c.minute, 0,
                                    &days));
    EXPECT_DOUBLE_EQ(c.days, days);
  }
}

TEST(OleDateFromCalendarTest, RejectsFieldsOutOfRange) {
  struct Case {
    int year, month, day, hour, minute, second;
  };
  const std::vector<Case> cases = {
      {99, 12, 31, 0, 0, 0},   {10000, 1, 1, 0, 0, 0},  {2021, 0, 1, 0, 0, 0},
      {2021, 13, 1, 0, 0, 0},  {2021, 6, 0, 0, 0, 0},   {2021, 6, 31, 0, 0, 0},
      {2021, 2, 29, 0, 0, 0},  {1900, 2, 29, 0, 0, 0},  {2021, 6, 19, 24, 0, 0},
      {2021, 6, 19, -1, 0, 0}, {2021, 6, 19, 0, 60, 0}, {2021, 6, 19, 0, -1, 0},
      {2021, 6, 19, 0, 0, 60}, {2021, 6, 19, 0, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << "-" << c.month << "-" << c.day << " " << c.hour
                 << ":" << c.minute << ":" << c.second);
    double days = 12345.0;
    EXPECT_FALSE(OleDateFromCalendar(c.year, c.month, c.day, c.hour, c.minute,
                                     c.second, &days));
    EXPECT_EQ(12345.0, days);
  }
  double days;
  EXPECT_TRUE(OleDateFromCalendar(2000, 2, 29, 0, 0, 0, &days));
  EXPECT_TRUE(OleDateFromCalendar(2020, 2, 29, 23, 59, 59, &days));
}

// Splits the value built from the fields and expects the same fields back.
bool RoundTrips(int year, int month, int day, int seconds) {
  const int hour = seconds / 3600;
  const int minute = seconds / 60 % 60;
  const int second = seconds % 60;
  double days;
  CalendarTime time;
  return OleDateFromCalendar(year, month, day, hour, minute, second, &days) &&
         SplitOleDate(days, &time) && time.year == year &&
         time.month == month && time.day == day && time.hour == hour &&
         time.minute == minute && time.second == second;
}

TEST(OleDateFromCalendarTest, RoundTripsEverySecondOfSomeDays) {
  struct Date {
    int year, month, day;
  };
  const std::vector<Date> dates = {
      {100, 1, 1},    {1899, 12, 28}, {1899, 12, 29}, {1899, 12, 30},
      {1899, 12, 31}, {2021, 6, 19},  {9999, 12, 31}};
  for (const Date& date : dates) {
    int failures = 0;
    for (int seconds = 0; seconds < 86400; ++seconds) {
      if (!RoundTrips(date.year, date.month, date.day, seconds)) ++failures;
    }
    EXPECT_EQ(0, failures) << date.year << "-" << date.month << "-" << date.day;
  }
}

TEST(OleDateFromCalendarTest, RoundTripsEveryDayAtVaryingTimes) {
  static const int kMonthDays[] = {31, 28, 31, 30, 31, 30,
                                   31, 31, 30, 31, 30, 31};
  int failures = 0;
  long long count = 0;
  for (int year = 100; year <= 9999; ++year) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    for (int month = 1; month <= 12; ++month) {
      const int length = month == 2 && leap ? 29 : kMonthDays[month - 1];
      for (int day = 1; day <= length; ++day, ++count) {
        // Times spread over the day, ends included.
        const int seconds = static_cast<int>((count * 7919) % 86400);
        if (!RoundTrips(year, month, day, seconds)) {
          ADD_FAILURE() << year << "-" << month << "-" << day << " at "
                        << seconds << " s";
          if (++failures >= 10) return;
        }
      }
    }
  }
  EXPECT_EQ(2958465 + 657434 + 1, count);
}

TEST(FormatOleDateTest, NullAndInvalidValues) {
  const std::string kInvalid = "Invalid DateTime";
  const StatsOleDate nullValue{44366.5, kOleDateNull};
  const StatsOleDate nullNaN{kNaN, kOleDateNull};
  const StatsOleDate invalidValue{44366.5, kOleDateInvalid};
  EXPECT_EQ("", FormatOleDate(nullptr, OleDateText::kDate));
  EXPECT_EQ("", FormatOleDate(&nullValue, OleDateText::kDate));
  EXPECT_EQ("", FormatOleDate(&nullNaN, OleDateText::kDate));
  EXPECT_EQ(kInvalid, FormatOleDate(&invalidValue, OleDateText::kDate));
  EXPECT_EQ(kInvalid, FormatOleDate(&invalidValue, OleDateText::kHourMinute));
  const std::vector<double> unsplittable = {
      kNaN, kInfinity, -kInfinity, 2958466.0, -657435.0, 2958465.999999, 1e20};
  for (double days : unsplittable) {
    SCOPED_TRACE(testing::Message() << "days " << days);
    const StatsOleDate value = Valid(days);
    EXPECT_EQ(kInvalid, FormatOleDate(&value, OleDateText::kDateTime));
  }
}

TEST(FormatOleDateTest, OtherStatusesFormatLikeValidOnes) {
  const StatsOleDate error{44366.003472222, -1};
  const StatsOleDate unknown{44366.003472222, 3};
  EXPECT_EQ("19.06", FormatOleDate(&error, OleDateText::kDayMonth));
  EXPECT_EQ("19.06", FormatOleDate(&unknown, OleDateText::kDayMonth));
}

TEST(FormatOleDateTest, FormsGiveTheirTexts) {
  struct Case {
    double days;
    OleDateText form;
    const char* text;
  };
  const double morning = 44366.003472222;  // Sat 2021-06-19 00:05
  const std::vector<Case> cases = {
      {morning, OleDateText::kDateTime, "2021-06-19 0005"},
      {morning, OleDateText::kDayMonth, "19.06"},
      {morning, OleDateText::kDate, "19.06.2021"},
      {morning, OleDateText::kHourMinute, "00:05"},
      {44366.999995, OleDateText::kDateTime, "2021-06-20 0000"},
      {-657434.0, OleDateText::kDate, "01.01.0100"},
      {2958465.99999, OleDateText::kDateTime, "9999-12-31 2359"},
      {-1.25, OleDateText::kDateTime, "1899-12-29 0600"},
      {29221.9888884444, OleDateText::kHourMinute, "23:44"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "days " << c.days << " form " << static_cast<int>(c.form));
    const StatsOleDate value = Valid(c.days);
    EXPECT_EQ(c.text, FormatOleDate(&value, c.form));
  }
}

}  // namespace
}  // namespace aadx

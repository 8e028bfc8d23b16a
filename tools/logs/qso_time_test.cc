#include "tools/logs/qso_time.h"

#include <gtest/gtest.h>

namespace aadx {
namespace logs {
namespace {

QsoTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  QsoTime t;
  t.year = y;
  t.month = mo;
  t.day = d;
  t.hour = h;
  t.minute = mi;
  t.second = s;
  return t;
}

TEST(QsoTimeTest, DatesInBothNotations) {
  QsoTime t;
  ASSERT_TRUE(ParseDate("20210619", &t));
  EXPECT_EQ(2021, t.year);
  EXPECT_EQ(6, t.month);
  EXPECT_EQ(19, t.day);
  ASSERT_TRUE(ParseDate("2024-02-29", &t));
  EXPECT_EQ(29, t.day);
  EXPECT_FALSE(ParseDate("2023-02-29", &t));
  EXPECT_FALSE(ParseDate("20211301", &t));
  EXPECT_FALSE(ParseDate("2021-6-19", &t));
  EXPECT_FALSE(ParseDate("2021061", &t));
  EXPECT_FALSE(ParseDate("", &t));
  EXPECT_EQ(2024, t.year) << "a failed parse leaves the value alone";
}

TEST(QsoTimeTest, TimesOfDay) {
  QsoTime t = At(2021, 6, 19);
  ASSERT_TRUE(ParseTimeOfDay("2359", &t));
  EXPECT_EQ(23, t.hour);
  EXPECT_EQ(59, t.minute);
  EXPECT_EQ(0, t.second);
  ASSERT_TRUE(ParseTimeOfDay("000507", &t));
  EXPECT_EQ(5, t.minute);
  EXPECT_EQ(7, t.second);
  ASSERT_TRUE(ParseTimeOfDay("12:30", &t));
  EXPECT_EQ(0, t.second);
  EXPECT_FALSE(ParseTimeOfDay("2400", &t));
  EXPECT_FALSE(ParseTimeOfDay("1260", &t));
  EXPECT_FALSE(ParseTimeOfDay("12a0", &t));
  EXPECT_FALSE(ParseTimeOfDay("123", &t));
}

TEST(QsoTimeTest, OrderAndText) {
  EXPECT_TRUE(At(2021, 6, 19, 23, 59) < At(2021, 6, 20));
  EXPECT_FALSE(At(2021, 6, 20) < At(2021, 6, 20));
  EXPECT_EQ("2021-06-19 0005", FormatQsoTime(At(2021, 6, 19, 0, 5)));
  EXPECT_EQ("2021-06-19 000507", FormatQsoTime(At(2021, 6, 19, 0, 5, 7)));
}

}  // namespace
}  // namespace logs
}  // namespace aadx

#include "tools/logs/qso_time.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace aadx {
namespace logs {
namespace {

QsoTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return QsoTime{y, mo, d, h, mi, s};
}

// A text, whether the parse takes it, and every field of the value after it.
struct ParseCase {
  const char* text;
  bool parsed;
  const char* after;
};

// Parses the texts one after another into the value that starts as start,
// checking each row; a failed parse leaves the value alone.
void ExpectParses(bool (*parse)(const std::string&, QsoTime*), QsoTime start,
                  const std::vector<ParseCase>& cases) {
  QsoTime t = start;
  for (const ParseCase& c : cases) {
    EXPECT_EQ(parse(c.text, &t), c.parsed) << "for \"" << c.text << "\"";
    char after[32];
    std::snprintf(after, sizeof after, "%04d-%02d-%02d %02d:%02d:%02d", t.year,
                  t.month, t.day, t.hour, t.minute, t.second);
    EXPECT_EQ(std::string(after), c.after) << "for \"" << c.text << "\"";
  }
}

TEST(QsoTimeTest, DatesInBothNotations) {
  ExpectParses(ParseDate, QsoTime(),
               {{"20210619", true, "2021-06-19 00:00:00"},
                {"2024-02-29", true, "2024-02-29 00:00:00"},
                {"2023-02-29", false, "2024-02-29 00:00:00"},
                {"20211301", false, "2024-02-29 00:00:00"},
                {"2021-6-19", false, "2024-02-29 00:00:00"},
                {"2021061", false, "2024-02-29 00:00:00"},
                {"", false, "2024-02-29 00:00:00"}});
}

TEST(QsoTimeTest, TimesOfDay) {
  ExpectParses(ParseTimeOfDay, At(2021, 6, 19),
               {{"2359", true, "2021-06-19 23:59:00"},
                {"000507", true, "2021-06-19 00:05:07"},
                {"12:30", true, "2021-06-19 12:30:00"},
                {"2400", false, "2021-06-19 12:30:00"},
                {"1260", false, "2021-06-19 12:30:00"},
                {"12a0", false, "2021-06-19 12:30:00"},
                {"123", false, "2021-06-19 12:30:00"}});
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

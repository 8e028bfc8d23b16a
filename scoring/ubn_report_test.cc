#include "scoring/ubn_report.h"

#include <gtest/gtest.h>

#include "base/ole_date.h"
#include "tests/test_util.h"

namespace aadx {
namespace {

// 19 June 2021 at the given time of day.
StatsOleDate June19At(int hour, int minute) {
  StatsOleDate date = {0.0, kOleDateValid};
  EXPECT_TRUE(OleDateFromCalendar(2021, 6, 19, hour, minute, 0, &date.days));
  return date;
}

CInfo Example(int khz, const std::string& mode, const StatsOleDate& time,
              const std::string& rst) {
  CInfo c;
  c.freqKHz = khz;
  c.mode = mode;
  c.time = time;
  c.rstSent = rst;
  c.exchSent = "45";
  c.call = "WORKED";
  c.rstRcvd = rst;
  c.exchRcvd = "30";
  return c;
}

TEST(UbnReportTest, LinesHaveTheDocumentedLayout) {
  EXPECT_EQ(FormatUbnLine(Example(14025, "CW", June19At(0, 5), "599"),
                          "OWNCALL", "   DUPE !!!"),
            "QSO:  14025  CW  2021-06-19 0005  OWNCALL  599  45  WORKED  599  "
            "30   DUPE !!!");
  EXPECT_EQ(FormatUbnLine(Example(7050, "FM", June19At(23, 59), "59"),
                          "OWNCALL", "   NO TEST MODE !!!"),
            "QSO:  7050  FM  2021-06-19 2359  OWNCALL  59  45  WORKED  59  30"
            "   NO TEST MODE !!!");
  // Empty fields keep their separating blanks; a time without a value is
  // an empty field.
  CInfo empty = Example(0, "", {0.0, kOleDateNull}, "");
  // Four empty fields, each behind its two blanks, before the sent number.
  EXPECT_EQ(FormatUbnLine(empty, "", "!"),
            "QSO:  0" + std::string(10, ' ') + "45  WORKED    30!");
}

TEST(UbnReportTest, FileStartsWithHeaderAndTranslatesLineFeeds) {
  ScopedTempDir dir;
  StartUbnReport(true);
  EXPECT_EQ(ReadFileBytes("err.txt"), "AADX-CW UBN file \r\n");
  {
    UbnAppender ubn;
    ubn.WriteLine("first");
    ubn.WriteLine("a\nb");
  }
  EXPECT_EQ(ReadFileBytes("err.txt"),
            "AADX-CW UBN file \r\nfirst\r\na\r\nb\r\n");
  StartUbnReport(false);
  EXPECT_EQ(ReadFileBytes("err.txt"), "AADX-SSB UBN file \r\n");
}

TEST(UbnReportTest, AppenderCreatesAMissingFileAndSurvivesAFolder) {
  ScopedTempDir dir;
  { UbnAppender ubn; }
  EXPECT_TRUE(FileExists("err.txt"));
  EXPECT_EQ(ReadFileBytes("err.txt"), "");

  // A folder in the file's place: nothing can be written, nothing breaks.
  std::filesystem::remove("err.txt");
  std::filesystem::create_directory("err.txt");
  StartUbnReport(true);
  UbnAppender ubn;
  ubn.WriteLine("lost");
}

}  // namespace
}  // namespace aadx

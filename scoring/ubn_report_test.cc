#include "scoring/ubn_report.h"

#include <gtest/gtest.h>

#include "tests/test_util.h"

namespace aadx {
namespace {

UbnContact Example(unsigned khz, const std::string& mode,
                   const std::string& time, const std::string& rst) {
  UbnContact c;
  c.freqKHz = khz;
  c.mode = mode;
  c.dateTime = time;
  c.ownCall = "OWNCALL";
  c.rstSent = rst;
  c.exchSent = "45";
  c.call = "WORKED";
  c.rstRcvd = rst;
  c.exchRcvd = "30";
  return c;
}

TEST(UbnReportTest, LinesHaveTheDocumentedLayout) {
  EXPECT_EQ(FormatUbnLine(Example(14025, "CW", "2021-06-19 0005", "599"),
                          "   DUPE !!!"),
            "QSO:  14025  CW  2021-06-19 0005  OWNCALL  599  45  WORKED  599  "
            "30   DUPE !!!");
  EXPECT_EQ(FormatUbnLine(Example(7050, "FM", "2021-06-19 2359", "59"),
                          "   NO TEST MODE !!!"),
            "QSO:  7050  FM  2021-06-19 2359  OWNCALL  59  45  WORKED  59  30"
            "   NO TEST MODE !!!");
  // Empty fields keep their separating blanks.
  UbnContact empty = Example(0, "", "", "");
  empty.ownCall.clear();
  // Four empty fields, each behind its two blanks, before the sent number.
  EXPECT_EQ(FormatUbnLine(empty, "!"),
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

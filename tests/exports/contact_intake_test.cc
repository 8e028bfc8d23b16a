// AddData0 and RemoveData0 through the exports, with the UBN report they
// write.
#include "tests/exports/plugin_fixture.h"

namespace aadx {
namespace {

using ContactIntakeTest = PluginTest;

const char kHeaderSsb[] = "AADX-SSB UBN file \r\n";

TEST_F(ContactIntakeTest, RefusalsAndDupesAreReportedOneLineEach) {
  Reset();
  EXPECT_EQ(ReadFileBytes("err.txt"), kHeaderSsb);

  EXPECT_EQ(CallAddData(plugin(), Contact("WORKED")), 1);
  EXPECT_EQ(ReadFileBytes("err.txt"), kHeaderSsb);  // nothing to report
  EXPECT_EQ(CallAddData(plugin(), Contact("WORKED")), 1);
  EXPECT_EQ(CallAddData(plugin(), Contact("WORKED")), 1);

  HostContact fm = Contact("WORKED");
  fm.mode = "FM";
  fm.freqHz = 7050999;
  fm.time = {kJune19At0005 + (23 * 60 + 54) / 1440.0, kOleDateValid};
  fm.rstSent = fm.rstRcvd = "59";
  EXPECT_EQ(CallAddData(plugin(), fm), 0);

  HostContact warc = Contact("WORKED");
  warc.band = "30m";
  warc.mode = "RTTY";
  EXPECT_EQ(CallAddData(plugin(), warc), 0);

  HostContact noNumber = Contact("OTHER");
  noNumber.exchSent.clear();
  EXPECT_EQ(CallAddData(plugin(), noNumber), 0);

  const std::string dupe =
      "QSO:  14025  CW  2021-06-19 0005  OWNCALL  599  45  WORKED  599  30"
      "   DUPE !!!\r\n";
  EXPECT_EQ(ReadFileBytes("err.txt"),
            std::string(kHeaderSsb) + dupe + dupe + dupe +
                "QSO:  7050  FM  2021-06-19 2359  OWNCALL  59  45  WORKED  59  "
                "30   NO TEST MODE !!!\r\n"
                "QSO:  14025  RTTY  2021-06-19 0005  OWNCALL  599  45  WORKED  "
                "599  30   NO CONTEST BAND !!!\r\n"
                "QSO:  14025  CW  2021-06-19 0005  OWNCALL  599    OTHER  599  "
                "30   NO RX NUMBER !!!\r\n");
}

TEST_F(ContactIntakeTest, TimesWithoutAValueAreReportedAsSuch) {
  Reset();
  HostContact c = Contact("WORKED");
  c.time = {kJune19At0005, kOleDateNull};
  c.mode = "cw";
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  c.time = {kJune19At0005, kOleDateInvalid};
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  c.nullTime = true;
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  EXPECT_EQ(ReadFileBytes("err.txt"),
            std::string(kHeaderSsb) +
                "QSO:  14025  cw    OWNCALL  599  45  WORKED  599  30"
                "   NO TEST MODE !!!\r\n"
                "QSO:  14025  cw  Invalid DateTime  OWNCALL  599  45  WORKED  "
                "599  30   NO TEST MODE !!!\r\n"
                "QSO:  14025  cw    OWNCALL  599  45  WORKED  599  30"
                "   NO TEST MODE !!!\r\n");
}

TEST_F(ContactIntakeTest, LinesAreAppendedWithoutAResetAndLineFeedsBecomeCrLf) {
  WriteFileBytes("err.txt", "kept\r\n");
  HostContact c = Contact("WOR\nKED");
  c.mode = "X";
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  EXPECT_EQ(ReadFileBytes("err.txt"),
            "kept\r\nQSO:  14025  X  2021-06-19 0005  OWNCALL  599  45  WOR\r\n"
            "KED  599  30   NO TEST MODE !!!\r\n");
}

TEST_F(ContactIntakeTest, NullTextsFromTheHostAreEmptyTexts) {
  Reset();
  HostContact c = Contact("WORKED");
  c.nullTexts = true;
  c.nullTime = true;
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  EXPECT_EQ(CallRemoveData(plugin(), c), 1);
  EXPECT_EQ(ReadFileBytes("err.txt"),
            std::string(kHeaderSsb) +
                // Eight empty fields, each behind its two blanks.
                "QSO:  14025" + std::string(16, ' ') +
                "   NO TEST MODE !!!\r\n");

  HostCallQuery q;
  q.nullTexts = true;
  int result = CallCheckCall(plugin(), q);
  EXPECT_EQ(result, 1);  // no DXCC entity given

  HostReset r;
  r.nullTexts = true;
  EXPECT_EQ(CallResetStats(plugin(), r), 1);
  EXPECT_EQ(plugin().GetResult0(nullptr) != nullptr, true);
}

TEST_F(ContactIntakeTest, RemovingTheFirstOfADupePairLetsTheSecondCount) {
  Reset("EU");
  HostContact first = Contact("JA1AA");
  HostContact second = Contact("JA1AA");
  second.time.days += 0.01;
  ASSERT_EQ(CallAddData(plugin(), first), 1);
  ASSERT_EQ(CallAddData(plugin(), second), 1);
  EXPECT_NE(Result().find("20m\t 1\t 1\t 1\r\n"), std::string::npos);

  EXPECT_EQ(CallRemoveData(plugin(), first), 1);
  EXPECT_NE(Result().find("20m\t 1\t 1\t 1\r\n"), std::string::npos);
  EXPECT_EQ(CallRemoveData(plugin(), second), 1);
  EXPECT_NE(Result().find("20m\t 0\t 0\t 0\r\n"), std::string::npos);
  EXPECT_EQ(CallRemoveData(plugin(), second), 1);  // nothing left to remove
}

}  // namespace
}  // namespace aadx

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

  ContactArgs fm = Contact("WORKED");
  fm.info.mode = "FM";
  fm.freqHz = 7050999;
  fm.info.time = {kJune19At0005 + (23 * 60 + 54) / 1440.0, kOleDateValid};
  fm.info.rstSent = fm.info.rstRcvd = "59";
  EXPECT_EQ(CallAddData(plugin(), fm), 0);

  ContactArgs warc = Contact("WORKED");
  warc.info.band = "30m";
  warc.info.mode = "RTTY";
  EXPECT_EQ(CallAddData(plugin(), warc), 0);

  ContactArgs noNumber = Contact("OTHER");
  noNumber.info.exchSent.clear();
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
  ContactArgs c = Contact("WORKED");
  c.info.time = {kJune19At0005, kOleDateNull};
  c.info.mode = "cw";
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  c.info.time = {kJune19At0005, kOleDateInvalid};
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  HostNulls nullTime;
  nullTime.dates = true;
  EXPECT_EQ(CallAddData(plugin(), c, nullTime), 0);
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
  ContactArgs c = Contact("WOR\nKED");
  c.info.mode = "X";
  EXPECT_EQ(CallAddData(plugin(), c), 0);
  EXPECT_EQ(ReadFileBytes("err.txt"),
            "kept\r\nQSO:  14025  X  2021-06-19 0005  OWNCALL  599  45  WOR\r\n"
            "KED  599  30   NO TEST MODE !!!\r\n");
}

TEST_F(ContactIntakeTest, NullTextsFromTheHostAreEmptyTexts) {
  Reset();
  const HostNulls nulls = {true, true};  // every text and date-time
  EXPECT_EQ(CallAddData(plugin(), Contact("WORKED"), nulls), 0);
  EXPECT_EQ(CallRemoveData(plugin(), Contact("WORKED"), nulls), 1);
  EXPECT_EQ(ReadFileBytes("err.txt"),
            std::string(kHeaderSsb) +
                // Eight empty fields, each behind its two blanks.
                "QSO:  14025" + std::string(16, ' ') +
                "   NO TEST MODE !!!\r\n");

  int result = CallCheckCall(plugin(), CallQuery(), nulls);
  EXPECT_EQ(result, 1);  // no DXCC entity given

  EXPECT_EQ(CallResetStats(plugin(), ResetArgs(), nulls), 1);
  EXPECT_EQ(plugin().GetResult0(nullptr) != nullptr, true);
}

TEST_F(ContactIntakeTest, RemovingTheFirstOfADupePairLetsTheSecondCount) {
  Reset("EU");
  ContactArgs first = Contact("JA1AA");
  ContactArgs second = Contact("JA1AA");
  second.info.time.days += 0.01;
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

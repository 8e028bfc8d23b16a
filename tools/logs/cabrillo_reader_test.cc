#include "tools/logs/cabrillo_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace aadx {
namespace logs {
namespace {

const char kHeader[] =
    "START-OF-LOG: 3.0\r\n"
    "CALLSIGN: dl1zzz\r\n"
    "CONTEST: AADX-SSB\r\n"
    "CATEGORY-OPERATOR: SINGLE-OP\r\n";

TEST(CabrilloReaderTest, ReadsHeadersAndAQsoLine) {
  ParsedLog log =
      ReadCabrillo(std::string(kHeader) +
                       "QSO: 14025 PH 2021-06-19 0005 DL1ZZZ        59  45     "
                       "JA1ABC        57  30\r\nEND-OF-LOG:\r\n",
                   "a.log");
  EXPECT_EQ("DL1ZZZ", log.ownCall);
  EXPECT_EQ("SSB", log.contestMode);
  EXPECT_EQ(1, log.recordsRead);
  ASSERT_EQ(1u, log.contacts.size());
  const LogContact& c = log.contacts[0];
  EXPECT_EQ("JA1ABC", c.call);
  EXPECT_EQ("SSB", c.mode);
  EXPECT_EQ(14025000u, c.freqHz);
  EXPECT_EQ("20m", c.band);
  EXPECT_EQ(2021, c.time.year);
  EXPECT_EQ(5, c.time.minute);
  EXPECT_EQ("59", c.rstSent);
  EXPECT_EQ("45", c.exchSent);
  EXPECT_EQ("57", c.rstRcvd);
  EXPECT_EQ("30", c.exchRcvd);
  EXPECT_EQ("DL1ZZZ", c.ownCall);
  EXPECT_EQ("a.log: line 5", c.source);
}

TEST(CabrilloReaderTest, TransmitterNumberIsNotPartOfTheExchange) {
  ParsedLog log = ReadCabrillo(
      "QSO: 7012 CW 2021-06-19 2359 JA1ZZZ 599 45 UA9XYZ 599 30 1\n", "t.log");
  ASSERT_EQ(1u, log.contacts.size());
  EXPECT_EQ("30", log.contacts[0].exchRcvd);
  EXPECT_EQ("CW", log.contacts[0].mode);
  EXPECT_EQ("40m", log.contacts[0].band);
}

TEST(CabrilloReaderTest, MissingExchangeFieldsLeaveThemEmpty) {
  ParsedLog log = ReadCabrillo(
      "QSO: 3505 CW 2021-06-19 1200 JA1ZZZ 599 45 K1ABC 599\n"
      "QSO: 3505 CW 2021-06-19 1201 JA1ZZZ 599 W1XYZ 599 30\n"
      "QSO: 3505 CW 2021-06-19 1202 JA1ZZZ 5NN 45 XEFTJW 5NN 25\n",
      "m.log");
  ASSERT_EQ(3u, log.contacts.size());
  EXPECT_EQ("K1ABC", log.contacts[0].call);
  EXPECT_EQ("45", log.contacts[0].exchSent);
  EXPECT_EQ("", log.contacts[0].exchRcvd);
  EXPECT_EQ("W1XYZ", log.contacts[1].call);
  EXPECT_EQ("", log.contacts[1].exchSent);
  EXPECT_EQ("30", log.contacts[1].exchRcvd);
  EXPECT_EQ("XEFTJW", log.contacts[2].call);
  EXPECT_EQ("5NN", log.contacts[2].rstRcvd);
}

TEST(CabrilloReaderTest, OtherModesAndWarcBandsPassThrough) {
  ParsedLog log = ReadCabrillo(
      "QSO: 10120 CW 2021-06-19 1200 JA1ZZZ 599 45 K1ABC 599 30\n"
      "QSO: 14250 FM 2021-06-19 1201 JA1ZZZ 59 45 K1ABD 59 30\n",
      "w.log");
  ASSERT_EQ(2u, log.contacts.size());
  EXPECT_EQ("30m", log.contacts[0].band);
  EXPECT_EQ("FM", log.contacts[1].mode);
}

struct BadLine {
  const char* name;
  const char* line;
  const char* message;
};

class CabrilloMalformedTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(CabrilloMalformedTest, IsSkippedWithAMessageNamingTheLine) {
  const BadLine& bad = GetParam();
  std::string text =
      std::string(kHeader) +
      "QSO: 14025 CW 2021-06-19 0005 DL1ZZZ 599 45 JA1AAA 599 30\n" + bad.line +
      "\n" +
      "QSO: 14025 CW 2021-06-19 0007 DL1ZZZ 599 45 JA1CCC 599 "
      "30\nEND-OF-LOG:\n";
  ParsedLog log = ReadCabrillo(text, "bad.log");
  ASSERT_EQ(1u, log.problems.size()) << bad.name;
  EXPECT_NE(std::string::npos, log.problems[0].find("bad.log: line 6"))
      << log.problems[0];
  EXPECT_NE(std::string::npos, log.problems[0].find(bad.message))
      << log.problems[0];
  ASSERT_EQ(2u, log.contacts.size());
  EXPECT_EQ("JA1CCC", log.contacts[1].call);
  EXPECT_EQ(3, log.recordsRead);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CabrilloMalformedTest,
    ::testing::Values(
        BadLine{"short", "QSO: 14025 CW 2021-06-19 0006 DL1ZZZ",
                "at least frequency"},
        BadLine{"bad_frequency",
                "QSO: 14.025 CW 2021-06-19 0006 DL1ZZZ 599 45 K1A 599 30",
                "bad frequency \"14.025\""},
        BadLine{"off_band",
                "QSO: 27555 CW 2021-06-19 0006 DL1ZZZ 599 45 K1A 599 30",
                "in no amateur band"},
        BadLine{"bad_date",
                "QSO: 14025 CW 2021-02-30 0006 DL1ZZZ 599 45 K1A 599 30",
                "bad date"},
        BadLine{"bad_time",
                "QSO: 14025 CW 2021-06-19 6:00 DL1ZZZ 599 45 K1A 599 30",
                "bad time"},
        BadLine{"no_call", "QSO: 14025 CW 2021-06-19 0006 DL1ZZZ 599 45 599 30",
                "no worked callsign"},
        BadLine{"x_qso",
                "X-QSO: 14025 CW 2021-06-19 0006 DL1ZZZ 599 45 K1A 599 30",
                "X-QSO"},
        BadLine{"garbage", "14025 CW 2021-06-19 0006 DL1ZZZ 599 45 K1A",
                "not a Cabrillo line"}),
    [](const ::testing::TestParamInfo<BadLine>& info) {
      return std::string(info.param.name);
    });

TEST(CabrilloReaderTest, EmptyTextHoldsNoRecords) {
  ParsedLog log = ReadCabrillo("", "e.log");
  EXPECT_EQ(0, log.recordsRead);
  EXPECT_TRUE(log.ownCall.empty());
}

}  // namespace
}  // namespace logs
}  // namespace aadx

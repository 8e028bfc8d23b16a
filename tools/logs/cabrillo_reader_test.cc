#include "tools/logs/cabrillo_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_log_contacts.h"

namespace aadx {
namespace logs {
namespace {

const char kHeader[] =
    "START-OF-LOG: 3.0\r\n"
    "CALLSIGN: dl1zzz\r\n"
    "CONTEST: AADX-SSB\r\n"
    "CATEGORY-OPERATOR: SINGLE-OP\r\n";

// The contacts read from the text, one line each.
std::vector<std::string> ContactsRead(const std::string& text,
                                      const std::string& file) {
  return ContactLines(ReadCabrillo(text, file).contacts);
}

TEST(CabrilloReaderTest, ReadsHeadersAndAQsoLine) {
  ParsedLog log =
      ReadCabrillo(std::string(kHeader) +
                       "QSO: 14025 PH 2021-06-19 0005 DL1ZZZ        59  45     "
                       "JA1ABC        57  30\r\nEND-OF-LOG:\r\n",
                   "a.log");
  EXPECT_EQ("DL1ZZZ", log.ownCall);
  EXPECT_EQ("SSB", log.contestMode);
  EXPECT_EQ(1, log.recordsRead);
  EXPECT_EQ(ContactLines(log.contacts),
            std::vector<std::string>{
                "a.log: line 5|DL1ZZZ|JA1ABC|2021-06-19 0005|14025000|20m|SSB|"
                "59|57|45|30|||"});
}

TEST(CabrilloReaderTest, TransmitterNumberIsNotPartOfTheExchange) {
  EXPECT_EQ(ContactsRead(
                "QSO: 7012 CW 2021-06-19 2359 JA1ZZZ 599 45 UA9XYZ 599 30 1\n",
                "t.log"),
            std::vector<std::string>{
                "t.log: line 1|JA1ZZZ|UA9XYZ|2021-06-19 2359|7012000|40m|CW|"
                "599|599|45|30|||"});
}

TEST(CabrilloReaderTest, MissingExchangeFieldsLeaveThemEmpty) {
  EXPECT_EQ(
      ContactsRead("QSO: 3505 CW 2021-06-19 1200 JA1ZZZ 599 45 K1ABC 599\n"
                   "QSO: 3505 CW 2021-06-19 1201 JA1ZZZ 599 W1XYZ 599 30\n"
                   "QSO: 3505 CW 2021-06-19 1202 JA1ZZZ 5NN 45 XEFTJW 5NN 25\n",
                   "m.log"),
      (std::vector<std::string>{
          "m.log: line 1|JA1ZZZ|K1ABC|2021-06-19 1200|3505000|80m|CW|"
          "599|599|45||||",
          "m.log: line 2|JA1ZZZ|W1XYZ|2021-06-19 1201|3505000|80m|CW|"
          "599|599||30|||",
          "m.log: line 3|JA1ZZZ|XEFTJW|2021-06-19 1202|3505000|80m|CW|"
          "5NN|5NN|45|25|||"}));
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

TEST(CabrilloReaderTest, XQsoAndQtcLinesAreCountedAsWhatTheyAre) {
  ParsedLog log = ReadCabrillo(
      std::string(kHeader) +
          "X-QSO: 14025 CW 2021-06-19 0006 DL1ZZZ 599 45 K1A 599 30\n"
          "QTC: 14025 CW 2021-06-19 0007 DL1ZZZ 1/10 UA9AA 0005 K1A 599\n"
          "QTC: 14025 CW 2021-06-19 0007 DL1ZZZ 1/10 UA9AA 0006 K1B 599\n",
      "qtc.log");
  EXPECT_EQ(1, log.excludedQsos);
  EXPECT_EQ(2, log.qtcLines);
  EXPECT_EQ(1, log.recordsRead);
  for (const auto& [tag, value] : log.header) EXPECT_NE("QTC", tag) << value;
}

TEST(CabrilloReaderTest, EmptyTextHoldsNoRecords) {
  ParsedLog log = ReadCabrillo("", "e.log");
  EXPECT_EQ(0, log.recordsRead);
  EXPECT_TRUE(log.ownCall.empty());
}

}  // namespace
}  // namespace logs
}  // namespace aadx

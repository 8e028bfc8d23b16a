#include "tools/replay/adif_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace aadx {
namespace replay {
namespace {

std::string F(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value + " ";
}

const char kHeader[] = "Made for a test\n<ADIF_VER:5>3.1.4 <EOH>\n";

std::string GoodRecord(const std::string& call = "JA1ABC") {
  return F("CALL", call) + F("QSO_DATE", "20210619") + F("TIME_ON", "0005") +
         F("FREQ", "14.0255") + F("BAND", "20M") + F("MODE", "CW") +
         F("RST_SENT", "599") + F("RST_RCVD", "579") + F("STX", "45") +
         F("SRX", "30") + F("STATION_CALLSIGN", "dl1zzz") + "<EOR>\n";
}

TEST(AdifReaderTest, ReadsEveryFieldOfAContact) {
  ParsedLog log = ReadAdif(kHeader + GoodRecord(), "a.adi");
  ASSERT_EQ(1u, log.contacts.size());
  EXPECT_EQ(1, log.records_read);
  EXPECT_TRUE(log.problems.empty());
  const LogContact& c = log.contacts[0];
  EXPECT_EQ("JA1ABC", c.call);
  EXPECT_EQ(2021, c.time.year);
  EXPECT_EQ(19, c.time.day);
  EXPECT_EQ(5, c.time.minute);
  EXPECT_EQ(14025500u, c.freq_hz);
  EXPECT_EQ("20m", c.band);
  EXPECT_EQ("CW", c.mode);
  EXPECT_EQ("599", c.rst_sent);
  EXPECT_EQ("579", c.rst_rcvd);
  EXPECT_EQ("45", c.exch_sent);
  EXPECT_EQ("30", c.exch_rcvd);
  EXPECT_EQ("DL1ZZZ", c.own_call);
  EXPECT_EQ("DL1ZZZ", log.own_call);
  EXPECT_EQ("", c.prefix);
  EXPECT_EQ("a.adi: record 1 (line 3)", c.source);
}

TEST(AdifReaderTest, StringExchangesAndLoggedStationDataWin) {
  std::string record =
      F("call", "ua9xyz") + F("qso_date", "20210620") + F("time_on", "235959") +
      F("freq", "7.012") + F("mode", "usb") + F("STX", "1") +
      F("STX_STRING", "45") + F("SRX_STRING", "07") + F("SRX", "2") +
      F("PFX", "ua9") + F("DXCC", "15") + F("CONT", "as") +
      F("OPERATOR", "JA1ZZZ") + F("CONTEST_ID", "AADX-SSB") + "<eor>";
  ParsedLog log = ReadAdif(record, "b.adi");
  ASSERT_EQ(1u, log.contacts.size());
  const LogContact& c = log.contacts[0];
  EXPECT_EQ("40m", c.band) << "band found from FREQ";
  EXPECT_EQ("SSB", c.mode);
  EXPECT_EQ(59, c.time.second);
  EXPECT_EQ("45", c.exch_sent);
  EXPECT_EQ("07", c.exch_rcvd);
  EXPECT_EQ("UA9", c.prefix);
  EXPECT_EQ("15", c.dxcc);
  EXPECT_EQ("AS", c.continent);
  EXPECT_EQ("JA1ZZZ", c.own_call);
  EXPECT_EQ("SSB", log.contest_mode);
}

TEST(AdifReaderTest, CountryStandsInForAMissingDxcc) {
  ParsedLog log = ReadAdif(F("CALL", "BY1AA") + F("QSO_DATE", "20210619") +
                               F("TIME_ON", "1200") + F("BAND", "15m") +
                               F("COUNTRY", "China") + "<EOR>",
                           "c.adi");
  ASSERT_EQ(1u, log.contacts.size());
  EXPECT_EQ("China", log.contacts[0].dxcc);
  EXPECT_EQ(21000000u, log.contacts[0].freq_hz) << "band edge without FREQ";
}

TEST(AdifReaderTest, MissingExchangeAndOddModeStillMakeContacts) {
  // The plug-in refuses these itself and reports them; the reader must not.
  std::string record = F("CALL", "K1ABC") + F("QSO_DATE", "20210619") +
                       F("TIME_ON", "1200") + F("BAND", "30m") +
                       F("MODE", "RTTY") + "<EOR>";
  ParsedLog log = ReadAdif(record, "d.adi");
  ASSERT_EQ(1u, log.contacts.size());
  EXPECT_EQ("30m", log.contacts[0].band);
  EXPECT_EQ("RTTY", log.contacts[0].mode);
  EXPECT_EQ("", log.contacts[0].exch_rcvd);
}

struct BadRecord {
  const char* name;
  std::string record;
  const char* message;
};

class AdifMalformedTest : public ::testing::TestWithParam<BadRecord> {};

TEST_P(AdifMalformedTest, IsSkippedWithAMessageNamingTheRecord) {
  const BadRecord& bad = GetParam();
  std::string text =
      kHeader + GoodRecord("JA1AAA") + bad.record + "\n" + GoodRecord("JA1CCC");
  ParsedLog log = ReadAdif(text, "bad.adi");
  ASSERT_EQ(1u, log.problems.size()) << bad.name;
  EXPECT_NE(std::string::npos, log.problems[0].find("bad.adi: record 2"))
      << log.problems[0];
  EXPECT_NE(std::string::npos, log.problems[0].find(bad.message))
      << log.problems[0];
  ASSERT_EQ(2u, log.contacts.size()) << bad.name;
  EXPECT_EQ("JA1AAA", log.contacts[0].call);
  EXPECT_EQ("JA1CCC", log.contacts[1].call);
  EXPECT_EQ(3, log.records_read);
}

const std::string kDate = F("QSO_DATE", "20210619") + F("TIME_ON", "0100");

INSTANTIATE_TEST_SUITE_P(
    Records, AdifMalformedTest,
    ::testing::Values(
        BadRecord{"no call", kDate + F("BAND", "20m") + "<EOR>", "no CALL"},
        BadRecord{"bad date",
                  F("CALL", "K1A") + F("QSO_DATE", "20210631") +
                      F("TIME_ON", "0100") + F("BAND", "20m") + "<EOR>",
                  "bad QSO_DATE \"20210631\""},
        BadRecord{"no time",
                  F("CALL", "K1A") + F("QSO_DATE", "20210619") +
                      F("BAND", "20m") + "<EOR>",
                  "no TIME_ON"},
        BadRecord{"no band", F("CALL", "K1A") + kDate + "<EOR>",
                  "no FREQ or BAND"},
        BadRecord{"bad freq",
                  F("CALL", "K1A") + kDate + F("FREQ", "14,025") + "<EOR>",
                  "bad FREQ"},
        BadRecord{"freq off band",
                  F("CALL", "K1A") + kDate + F("FREQ", "27.555") + "<EOR>",
                  "in no amateur band"},
        BadRecord{"bad length", F("CALL", "K1A") + kDate + "<BAND:x>20m <EOR>",
                  "bad length"},
        BadRecord{"no length", F("CALL", "K1A") + kDate + "<BAND>20m <EOR>",
                  "has no length"}),
    [](const ::testing::TestParamInfo<BadRecord>& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

TEST(AdifReaderTest, TruncatedFileEndsWithAProblemNotACrash) {
  std::string text = kHeader + GoodRecord() + "<CALL:20>K1ABC";
  ParsedLog log = ReadAdif(text, "cut.adi");
  EXPECT_EQ(1u, log.contacts.size());
  ASSERT_EQ(1u, log.problems.size());
  EXPECT_NE(std::string::npos,
            log.problems[0].find("past the end of the file"));
  EXPECT_EQ(2, log.records_read);

  log = ReadAdif(kHeader + GoodRecord() + F("CALL", "K1ABC") + kDate, "x.adi");
  ASSERT_EQ(1u, log.problems.size());
  EXPECT_NE(std::string::npos, log.problems[0].find("not closed by <EOR>"));

  log = ReadAdif(kHeader + GoodRecord() + "<CALL:3", "y.adi");
  ASSERT_EQ(1u, log.problems.size());
  EXPECT_NE(std::string::npos, log.problems[0].find("has no '>'"));
}

TEST(AdifReaderTest, EmptyAndHeaderOnlyFilesHoldNoRecords) {
  EXPECT_EQ(0, ReadAdif("", "e.adi").records_read);
  EXPECT_EQ(0, ReadAdif(kHeader, "e.adi").records_read);
  EXPECT_EQ(1, ReadAdif(GoodRecord(), "no-header.adi").records_read);
}

}  // namespace
}  // namespace replay
}  // namespace aadx

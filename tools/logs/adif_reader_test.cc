#include "tools/logs/adif_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_log_contacts.h"

namespace aadx {
namespace logs {
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
  EXPECT_EQ(1, log.recordsRead);
  EXPECT_TRUE(log.problems.empty());
  EXPECT_EQ(ContactLine(log.contacts[0]),
            "a.adi: record 1 (line 3)|DL1ZZZ|JA1ABC|2021-06-19 0005|14025500|"
            "20m|CW|599|579|45|30|||");
  EXPECT_EQ("DL1ZZZ", log.ownCall);
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
  // The band is found from FREQ.
  EXPECT_EQ(ContactLine(log.contacts[0]),
            "b.adi: record 1 (line 1)|JA1ZZZ|UA9XYZ|2021-06-20 235959|7012000|"
            "40m|SSB|||45|07|UA9|15|AS");
  EXPECT_EQ("SSB", log.contestMode);
}

TEST(AdifReaderTest, CountryStandsInForAMissingDxcc) {
  ParsedLog log = ReadAdif(F("CALL", "BY1AA") + F("QSO_DATE", "20210619") +
                               F("TIME_ON", "1200") + F("BAND", "15m") +
                               F("COUNTRY", "China") + "<EOR>",
                           "c.adi");
  ASSERT_EQ(1u, log.contacts.size());
  EXPECT_EQ("China", log.contacts[0].dxcc);
  EXPECT_EQ(21000000u, log.contacts[0].freqHz) << "band edge without FREQ";
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
  EXPECT_EQ("", log.contacts[0].exchRcvd);
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
  EXPECT_EQ(3, log.recordsRead);
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
  EXPECT_EQ(2, log.recordsRead);

  log = ReadAdif(kHeader + GoodRecord() + F("CALL", "K1ABC") + kDate, "x.adi");
  ASSERT_EQ(1u, log.problems.size());
  EXPECT_NE(std::string::npos, log.problems[0].find("not closed by <EOR>"));

  log = ReadAdif(kHeader + GoodRecord() + "<CALL:3", "y.adi");
  ASSERT_EQ(1u, log.problems.size());
  EXPECT_NE(std::string::npos, log.problems[0].find("has no '>'"));
}

// What reaches the contact from fields as loggers write them.
struct LoggedAs {
  const char* name;
  std::string fields;
  const char* rstRcvd;
  const char* exchRcvd;
  const char* mode;
  const char* band;
};

const std::string kBase = F("CALL", "K1A") + kDate;

const LoggedAs kLoggedAs[] = {
    {"N1MM empty string beside SRX 0",
     kBase + F("BAND", "20M") + F("MODE", "CW") + F("RST_RCVD", "599") +
         F("SRX", "0") + F("SRX_STRING", ""),
     "599", "", "CW", "20m"},
    {"SRX 0 alone", kBase + F("BAND", "20M") + F("SRX", "00"), "", "", "",
     "20m"},
    {"SRX number alone", kBase + F("BAND", "20M") + F("SRX", "12"), "", "12",
     "", "20m"},
    {"string wins over the number",
     kBase + F("BAND", "20M") + F("SRX", "7") + F("SRX_STRING", "45"), "", "45",
     "", "20m"},
    {"report and age in one field",
     kBase + F("BAND", "20M") + F("SRX_STRING", "599 45"), "599", "45", "",
     "20m"},
    {"report field kept beside a split",
     kBase + F("BAND", "20M") + F("RST_RCVD", "579") + F("SRX_STRING", "59 45"),
     "579", "45", "", "20m"},
    {"no split of other texts",
     kBase + F("BAND", "20M") + F("SRX_STRING", "JA 45"), "", "JA 45", "",
     "20m"},
    {"SSB with SUBMODE", kBase + F("BAND", "40m") + "<mode:3>SSB<submode:3>LSB",
     "", "", "SSB", "40m"},
    {"SUBMODE alone", kBase + F("BAND", "40m") + F("SUBMODE", "USB"), "", "",
     "SSB", "40m"},
    {"PH", kBase + F("BAND", "40m") + F("MODE", "ph"), "", "", "SSB", "40m"},
    {"reverse CW", kBase + F("BAND", "40m") + F("MODE", "CWR"), "", "", "CW",
     "40m"},
    {"typed lower-case FREQ", kBase + "<freq:9:N>21.025000<mode:2>cw", "", "",
     "CW", "15m"},
};

TEST(AdifReaderTest, ValuesReachTheContactAsLogged) {
  for (const LoggedAs& t : kLoggedAs) {
    ParsedLog log = ReadAdif(t.fields + "<eor>", "l.adi");
    ASSERT_EQ(1u, log.contacts.size()) << t.name;
    const LogContact& c = log.contacts[0];
    EXPECT_EQ(t.rstRcvd, c.rstRcvd) << t.name;
    EXPECT_EQ(t.exchRcvd, c.exchRcvd) << t.name;
    EXPECT_EQ(t.mode, c.mode) << t.name;
    EXPECT_EQ(t.band, c.band) << t.name;
  }
}

TEST(AdifReaderTest, ALyingLengthKeepsEveryLaterRecord) {
  for (const char* lie : {"<CALL:99999>", "<NOTES:40>", "<CALL:9999999>"}) {
    std::string text = kHeader + GoodRecord("JA1AAA") + std::string(lie) +
                       "JA1BBB " + F("QSO_DATE", "20210619") + "<EOR>\n" +
                       GoodRecord("JA1CCC") + GoodRecord("JA1DDD");
    ParsedLog log = ReadAdif(text, "lie.adi");
    ASSERT_EQ(3u, log.contacts.size()) << lie;
    EXPECT_EQ("JA1DDD", log.contacts[2].call) << lie;
    EXPECT_EQ(4, log.recordsRead) << lie;
    ASSERT_EQ(1u, log.problems.size()) << lie;
    EXPECT_EQ(0u, log.problems[0].find("lie.adi: record 2 (line 4): line 4: "))
        << log.problems[0];
  }
}

TEST(AdifReaderTest, MessagesQuoteAShortEscapedExcerpt) {
  std::string tag = "<" + std::string(200 * 1024, 'A') + "\x01>";
  ParsedLog log =
      ReadAdif(kHeader + GoodRecord() + tag + GoodRecord(), "big.adi");
  ASSERT_EQ(1u, log.problems.size());
  EXPECT_EQ(0u, log.problems[0].find("big.adi: line 4: tag \"<AAAAAAAAAAAA"))
      << log.problems[0];
  EXPECT_LT(log.problems[0].size(), 100u) << log.problems[0];
  EXPECT_EQ(2u, log.contacts.size()) << "the next record is kept";

  log = ReadAdif(
      kHeader + F("CALL", "K1A") + F("QSO_DATE", "2021\x02\x7f") + "<EOR>",
      "esc.adi");
  ASSERT_EQ(1u, log.problems.size());
  EXPECT_NE(std::string::npos,
            log.problems[0].find("bad QSO_DATE \"2021\\x02\\x7F\""))
      << log.problems[0];
}

TEST(AdifReaderTest, AKilohertzFreqInTheBandIsTakenElseTheBandWithANote) {
  const struct {
    const char* freq;
    const char* band;
    const char* line;  // the contact's frequency and band
    size_t notes;
  } cases[] = {
      {"14035.86", "20m", "14035860|20m", 0},
      {"7012", "40M", "7012000|40m", 0},
      {"14035.86", "40m", "7000000|40m", 1},
      {"14,035", "20m", "14000000|20m", 1},
  };
  for (const auto& c : cases) {
    ParsedLog log =
        ReadAdif(kBase + F("FREQ", c.freq) + F("BAND", c.band) + "<EOR>", "k");
    ASSERT_EQ(1u, log.contacts.size()) << c.freq;
    EXPECT_EQ(c.line, std::to_string(log.contacts[0].freqHz) + "|" +
                          log.contacts[0].band);
    ASSERT_EQ(c.notes, log.notes.size()) << c.freq;
    EXPECT_TRUE(log.problems.empty()) << c.freq;
  }
}

TEST(AdifReaderTest, EndMarkersAfterTheLastRecordAreNoRecords) {
  for (const char* end : {"<APP_LoTW_EOF>\n", "<EOF>", "<eof>\n<EOF>"}) {
    ParsedLog log = ReadAdif(kHeader + GoodRecord() + end, "lotw.adi");
    EXPECT_EQ(1, log.recordsRead) << end;
    EXPECT_TRUE(log.problems.empty()) << end;
  }
}

TEST(AdifReaderTest, EmptyAndHeaderOnlyFilesHoldNoRecords) {
  EXPECT_EQ(0, ReadAdif("", "e.adi").recordsRead);
  EXPECT_EQ(0, ReadAdif(kHeader, "e.adi").recordsRead);
  EXPECT_EQ(1, ReadAdif(GoodRecord(), "no-header.adi").recordsRead);
}

}  // namespace
}  // namespace logs
}  // namespace aadx

// AddQso and WriteLog: the QSO line layout and the whole file.
#include <gtest/gtest.h>

#include <filesystem>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/testdata/small_contests.h"
#include "tests/fakes.h"
#include "tests/test_util.h"

namespace aadx {
namespace {

constexpr double kJune19At0005 = 44366.003472222222;
constexpr double kJune19At2359 = 44366.999305555556;

class CabrilloWriterTest : public ::testing::Test {
 protected:
  // The log as a header dialog accepted without edits leaves it.
  bool Setup(const std::string& ownCall) {
    int exportFlag = 1;
    log_.SetupHeader(ownCall, &exportFlag);
    return exportFlag != 0;
  }
  // The contest's contacts in store order, as the export run passes them.
  void AddContacts(const SmallContest& contest) {
    for (const ContestContact& c : contest.contacts) {
      log_.AddQso(c.call, static_cast<int>(c.freqKHz), contest.cw ? "CW" : "PH",
                  c.Time(), c.rstSent, c.exchSent, c.rstRcvd, c.exchRcvd);
    }
  }

  ScopedTempDir dir_;
  FakePlatform fake_;
  Settings settings_{DefaultDesktop()};
  CabrilloLog log_{&settings_, &fake_.desktop};
};

TEST_F(CabrilloWriterTest, QsoLinesOfTheFormatDescription) {
  log_.form.callsign = "OWNCALL";
  log_.AddQso("WORKED", 14025, "CW", {kJune19At0005, kOleDateValid}, "599",
              "45", "599", "30");
  log_.AddQso("WORKED", 1830, "PH", {kJune19At2359, kOleDateValid}, "59", "45",
              "59", "30");
  ASSERT_EQ(log_.qsoLines().size(), 2u);
  EXPECT_EQ(log_.qsoLines()[0],
            "QSO: 14025 CW 2021-06-19 0005 OWNCALL       599 45     WORKED    "
            "    599 30\r\n");
  EXPECT_EQ(log_.qsoLines()[1],
            "QSO:  1830 PH 2021-06-19 2359 OWNCALL       59  45     WORKED    "
            "    59  30\r\n");
}

TEST_F(CabrilloWriterTest, WidthsAreMinimumsThatPushTheLineRight) {
  log_.form.callsign = "OWNCALL";
  log_.AddQso("WORKED", 144300, "CW", {kJune19At0005, kOleDateValid}, "599",
              "45", "599", "30");
  EXPECT_EQ(log_.qsoLines().back(),
            "QSO: 144300 CW 2021-06-19 0005 OWNCALL       599 45     WORKED   "
            "     599 30\r\n");
  log_.form.callsign = "JA1ZZZ/MM/QRP";  // exactly 13
  log_.AddQso("VERYLONGCALL/P", 7, "X", {kJune19At0005, kOleDateValid}, "5999",
              "1234567", "", "");
  EXPECT_EQ(log_.qsoLines().back(),
            "QSO:     7  X 2021-06-19 0005 JA1ZZZ/MM/QRP 5999 1234567 "
            "VERYLONGCALL/P     \r\n");
}

TEST_F(CabrilloWriterTest, NullAndInvalidTimes) {
  log_.form.callsign = "OWNCALL";
  log_.AddQso("WORKED", 14025, "CW", {kJune19At0005, kOleDateNull}, "599", "45",
              "599", "30");
  log_.AddQso("WORKED", 14025, "CW", {kJune19At0005, kOleDateInvalid}, "599",
              "45", "599", "30");
  log_.AddQso("WORKED", 14025, "CW", {1e9, kOleDateValid}, "599", "45", "599",
              "30");
  EXPECT_EQ(log_.qsoLines()[0],
            "QSO: 14025 CW  OWNCALL       599 45     WORKED        599 30\r\n");
  EXPECT_EQ(log_.qsoLines()[1],
            "QSO: 14025 CW Invalid DateTime OWNCALL       599 45     WORKED   "
            "     599 30\r\n");
  EXPECT_EQ(log_.qsoLines()[2], log_.qsoLines()[1]);
}

TEST_F(CabrilloWriterTest, EmptyFieldsStillTakeTheirColumns) {
  log_.AddQso("", 0, "", {kJune19At0005, kOleDateValid}, "", "", "", "");
  EXPECT_EQ(log_.qsoLines().back(),
            "QSO:     0    2021-06-19 0005" +
                std::string(1 + 13 + 1 + 3 + 1 + 6 + 1 + 13 + 1 + 3 + 1, ' ') +
                "\r\n");
}

TEST_F(CabrilloWriterTest, EachLineKeepsItsRecordsModeInAMixedLog) {
  log_.form.callsign = "W3AO";
  std::vector<CInfo> records(3);
  const char* modes[] = {"CW", "SSB", "RTTY"};
  for (size_t i = 0; i < records.size(); ++i) {
    records[i].call = "JA1AAC";
    records[i].mode = modes[i];
    records[i].freqKHz = 14030;
    records[i].time = {kJune19At0005, kOleDateValid};
    records[i].rstSent = records[i].rstRcvd = "599";
  }
  const std::string tail =
      " 2021-06-19 0005 W3AO          599        JA1AAC"
      "        599 \r\n";
  for (bool cw : {false, true}) {
    log_.RebuildQsoLines(records, cw);
    EXPECT_EQ(log_.qsoLines(),
              (std::vector<std::string>{
                  "QSO: 14030 CW" + tail, "QSO: 14030 PH" + tail,
                  "QSO: 14030 " + std::string(cw ? "CW" : "PH") + tail}));
  }
}

TEST_F(CabrilloWriterTest, SsbAndCwContestsGiveTheGoldenFiles) {
  for (const SmallContest& contest : {SsbContest(), CwContest()}) {
    SCOPED_TRACE(contest.goldenFile);
    contest.WriteSettingsFile();
    ASSERT_TRUE(Setup(contest.ownCall));
    AddContacts(contest);
    Status written = log_.WriteLog(contest.claimedScore, contest.cw);
    std::string fileName = log_.fileBase + ".cbr";
    EXPECT_TRUE(written.ok());
    EXPECT_EQ(log_.Notice(written), "File produced: " + fileName);
    std::string golden = ReadTestdataFile(contest.goldenFile);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(ReadFileBytes(fileName), golden);
  }
  EXPECT_TRUE(FileExists("DL5XYZ_P.cbr"));
  EXPECT_TRUE(FileExists("JA1ZZZ.cbr"));
}

TEST_F(CabrilloWriterTest, WithoutContactsTheHeaderIsFollowedByTheEndLine) {
  SmallContest contest = SsbContest();
  contest.WriteSettingsFile();
  ASSERT_TRUE(Setup(contest.ownCall));
  ASSERT_TRUE(log_.WriteLog(0, false).ok());
  std::string file = ReadFileBytes("DL5XYZ_P.cbr");

  // The golden file without its QSO lines and with no score.
  std::string expected = ReadTestdataFile(contest.goldenFile);
  expected =
      ReplaceAll(expected, "CLAIMED-SCORE: 28\r\n", "CLAIMED-SCORE: 0\r\n");
  expected = expected.substr(0, expected.find("QSO: ")) + "END-OF-LOG:\r\n";
  EXPECT_EQ(file, expected);
  EXPECT_EQ(file.find("QSO:"), std::string::npos);
}

TEST_F(CabrilloWriterTest, EveryHeaderLineIsWrittenEvenWhenEmpty) {
  log_.fileBase = "EMPTY";
  EXPECT_EQ(log_.Notice(log_.WriteLog(-5, true)), "File produced: EMPTY.cbr");
  EXPECT_EQ(ReadFileBytes("EMPTY.cbr"),
            "START-OF-LOG: 3.0\r\nCALLSIGN: \r\nCATEGORY-BAND: \r\n"
            "CATEGORY-MODE: \r\nCATEGORY-OPERATOR: \r\nCATEGORY-POWER: \r\n"
            "CLAIMED-SCORE: -5\r\nCLUB: \r\nCONTEST: AADX-CW\r\n"
            "CREATED-BY: Talq \r\nEMAIL: \r\nNAME: \r\nADDRESS: \r\n"
            "ADDRESS-CITY: \r\nADDRESS-STATE-PROVINCE: \r\n"
            "ADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\nOPERATORS: \r\n"
            "SOAPBOX: \r\nEND-OF-LOG:\r\n");
}

TEST_F(CabrilloWriterTest, ContestLineFollowsTheModeFlagNotTheField) {
  log_.fileBase = "X";
  log_.form.contest = "AADX-CW";
  ASSERT_TRUE(log_.WriteLog(0, false).ok());
  EXPECT_NE(ReadFileBytes("X.cbr").find("\r\nCONTEST: AADX-SSB\r\n"),
            std::string::npos);
  log_.form.contest = "AADX-SSB";
  ASSERT_TRUE(log_.WriteLog(0, true).ok());
  EXPECT_NE(ReadFileBytes("X.cbr").find("\r\nCONTEST: AADX-CW\r\n"),
            std::string::npos);
}

TEST_F(CabrilloWriterTest, CreatedByCarriesTheHostVersion) {
  log_.fileBase = "X";
  fake_.desktop.hostVersion = "2.20";
  ASSERT_TRUE(log_.WriteLog(0, false).ok());
  EXPECT_NE(ReadFileBytes("X.cbr").find("\r\nCREATED-BY: Talq 2.20\r\nEMAIL: "),
            std::string::npos);
  fake_.desktop.hostVersion = "3.1.5";
  ASSERT_TRUE(log_.WriteLog(0, false).ok());
  EXPECT_NE(ReadFileBytes("X.cbr").find("\r\nCREATED-BY: Talq 3.1.5\r\n"),
            std::string::npos);
}

TEST_F(CabrilloWriterTest, AnEditedCallsignChangesTheLinesButNotTheFileName) {
  SmallContest contest = SsbContest();
  contest.WriteSettingsFile();
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->callsign = "DL5XYZ/M";
    return true;
  };
  ASSERT_TRUE(Setup(contest.ownCall));
  AddContacts(contest);
  EXPECT_EQ(log_.Notice(log_.WriteLog(28, false)),
            "File produced: DL5XYZ_P.cbr");
  EXPECT_FALSE(FileExists("DL5XYZ_M.cbr"));
  // The CALLSIGN line and the own call of every QSO line; OPERATORS keeps
  // the call passed in.
  std::string expected = ReadTestdataFile(contest.goldenFile);
  expected =
      ReplaceAll(expected, "CALLSIGN: DL5XYZ/P\r\n", "CALLSIGN: DL5XYZ/M\r\n");
  expected = ReplaceAll(expected, " DL5XYZ/P      ", " DL5XYZ/M      ");
  EXPECT_EQ(ReadFileBytes("DL5XYZ_P.cbr"), expected);
  EXPECT_NE(expected.find("OPERATORS: DL5XYZ/P\r\n"), std::string::npos);
}

TEST_F(CabrilloWriterTest, AnExistingFileIsReplacedAndWritingChangesNothing) {
  SmallContest contest = CwContest();
  contest.WriteSettingsFile();
  ASSERT_TRUE(Setup(contest.ownCall));
  AddContacts(contest);
  WriteFileBytes("JA1ZZZ.cbr", std::string(10000, 'x'));
  ASSERT_TRUE(log_.WriteLog(contest.claimedScore, true).ok());
  const std::vector<std::string> lines = log_.qsoLines();
  const std::string soapbox = log_.form.soapbox;
  ASSERT_TRUE(log_.WriteLog(contest.claimedScore, true).ok());
  EXPECT_EQ(ReadFileBytes("JA1ZZZ.cbr"), ReadTestdataFile(contest.goldenFile));
  EXPECT_EQ(log_.qsoLines(), lines);
  EXPECT_EQ(log_.form.soapbox, soapbox);
}

TEST_F(CabrilloWriterTest, AFileThatCannotBeCreatedIsReportedAsNotProduced) {
  std::filesystem::create_directory("BUSY.cbr");
  log_.fileBase = "BUSY";
  Status written = log_.WriteLog(1, true);
  EXPECT_EQ(written.code(), Status::Code::kNotCreated);
  EXPECT_EQ(log_.Notice(written),
            "File not produced: BUSY.cbr\nThe file could not be created in "
            "the current folder: the folder may be read-only, or the name "
            "may not be allowed there.");
  EXPECT_TRUE(std::filesystem::is_directory("BUSY.cbr"));
}

#ifndef _WIN32
TEST_F(CabrilloWriterTest,
       AFileThatCannotBeWrittenWhollyIsReportedAndTheEarlierOneKept) {
  WriteFileBytes("FULL.cbr", "earlier\r\n");
  log_.fileBase = "FULL";
  Status written;
  {
    ScopedFileSizeLimit fullDisk(100);
    written = log_.WriteLog(1, true);
  }
  EXPECT_EQ(written.code(), Status::Code::kNotWritten);
  EXPECT_EQ(log_.Notice(written),
            "File not produced: FULL.cbr\nThe file could not be written "
            "completely (the disk may be full); an earlier file of that name "
            "is left as it was.");
  EXPECT_EQ("earlier\r\n", ReadFileBytes("FULL.cbr"));
}
TEST_F(CabrilloWriterTest, HeaderValuesThatCannotBeSavedAreNamedInTheNotice) {
  SmallContest contest = CwContest();
  contest.WriteSettingsFile();
  const std::string settings = ReadFileBytes(SettingsFilePath());
  {
    ScopedFileSizeLimit fullDisk(10);
    ASSERT_TRUE(Setup(contest.ownCall));
  }
  AddContacts(contest);
  Status written = log_.WriteLog(contest.claimedScore, true);
  EXPECT_TRUE(written.ok());
  EXPECT_EQ(log_.Notice(written),
            "File produced: JA1ZZZ.cbr\nThe header values could not be saved "
            "in the settings file; the next export offers the earlier ones.");
  EXPECT_EQ(ReadFileBytes("JA1ZZZ.cbr"), ReadTestdataFile(contest.goldenFile));
  EXPECT_EQ(ReadFileBytes(SettingsFilePath()), settings);
}
#endif

TEST_F(CabrilloWriterTest, ControlBytesInValuesBecomeBlanksAndSplitNoLine) {
  log_.fileBase = "X";
  log_.form.callsign = "DL5XYZ\r\nQSO: 1";
  log_.form.operators = "DL5XYZ\r\nOPERATORS: EVIL";
  log_.form.club = std::string(
      "A\tB\x01"
      "C\x7f"
      "D\x1f",
      8);
  log_.form.name = "\xC4rger";  // bytes above 0x7f stay
  log_.form.address = "Street 1\r\nADDRESS: Box\n2";
  log_.form.soapbox = "Line\rone\r\nSOAPBOX: Line two";
  log_.AddQso("JA1\r\nABC", 14025, "C\nW", {kJune19At0005, kOleDateValid},
              "5\r9", "4\n5", "5\t9", "30\r\n");
  ASSERT_TRUE(log_.WriteLog(0, true).ok());
  std::string file = ReadFileBytes("X.cbr");
  EXPECT_NE(file.find("\r\nCALLSIGN: DL5XYZ  QSO: 1\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nOPERATORS: DL5XYZ  OPERATORS: EVIL\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("\r\nCLUB: A B C D \r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nNAME: \xC4rger\r\n"), std::string::npos);
  // The address and soapbox keep their own further lines.
  EXPECT_NE(file.find("\r\nADDRESS: Street 1\r\nADDRESS: Box 2\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("\r\nSOAPBOX: Line one\r\nSOAPBOX: Line two\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("\r\nQSO: 14025 C W 2021-06-19 0005 DL5XYZ  QSO: 1 5 9 "
                      "4 5    JA1  ABC      5 9 30  \r\nEND-OF-LOG:\r\n"),
            std::string::npos)
      << file;
  // Every line ends with CR LF and no CR or LF stands alone.
  size_t lines = 0;
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r') {
      ASSERT_EQ(file[i + 1], '\n') << i;
      ++lines;
      ++i;
    } else {
      ASSERT_NE(file[i], '\n') << i;
    }
  }
  // 19 header lines, a further address and soapbox line, one QSO line and
  // the end line.
  EXPECT_EQ(lines, 23u);
}

}  // namespace
}  // namespace aadx

// Replays through the real plug-in library: the worked examples of the
// contest's scoring as ADIF and Cabrillo logs, malformed logs, and the
// errors a session reports.
#include "tools/replay/replay_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "tests/test_util.h"

namespace aadx {
namespace replay {
namespace {

namespace fs = std::filesystem;

std::string TestData(const std::string& name) {
  return std::string(AADX_TOOLS_TESTDATA_DIR) + "/" + name;
}

struct BandLine {
  const char* band;
  int qsos;
  int points;
  int multipliers;
};

struct WorkedExample {
  const char* name;
  const char* log;
  const char* contest;  // "AADX-CW"
  const char* dates;    // start and end date texts, "19.06-20.06.2021"
  const char* call;
  const char* column;  // "DXCC" or "New Prefix"
  std::vector<BandLine> bands;
  int totalQsos;
  int totalPoints;
  int totalMultipliers;
  int score;
  int contacts;
};

// The summary text as the plug-in lays it out, from a worked example's
// numbers.
std::string ExpectedSummary(const WorkedExample& e) {
  std::string text = std::string("  ") + e.contest + " " + e.dates +
                     " \r\n     Contestant: " + e.call +
                     "\r\nBand\tQSOs\tPoints\t" + e.column + "\r\n";
  for (const BandLine& b : e.bands) {
    text += std::string(b.band) + "\t " + std::to_string(b.qsos) + "\t " +
            std::to_string(b.points) + "\t " + std::to_string(b.multipliers) +
            "\r\n";
  }
  text += "Total\t " + std::to_string(e.totalQsos) + "\t " +
          std::to_string(e.totalPoints) + "\t " +
          std::to_string(e.totalMultipliers) + "\r\n";
  text += "Score = " + std::to_string(e.totalPoints) + " * " +
          std::to_string(e.totalMultipliers) + "  = " +
          std::to_string(e.score) + " \r\n";
  return text;
}

// Each test replays into "out", a folder not yet made, in a scratch folder.
class ReplaySessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.library = AADX_PLUGIN_PATH;
    options_.ctyFile = TestData("test_cty.dat");
    options_.outDir = out_.string();
    options_.quiet = true;
  }

  SessionResult Run() { return RunReplaySession(options_, nullptr); }

  ScopedTempDir temp_{ScopedTempDir::kEmpty};
  const fs::path out_ = temp_.path() / "out";
  ReplayOptions options_;
};

const WorkedExample kNonAsianCw = {"",
                                   "",
                                   "AADX-CW",
                                   "19.06-20.06.2021",
                                   "W1QZZ",
                                   "New Prefix",
                                   {{"160m", 2, 6, 2}, {"20m", 10, 10, 3}},
                                   12,
                                   16,
                                   5,
                                   80,
                                   12};

const WorkedExample kAsianCw = {
    "",
    "",
    "AADX-CW",
    "19.06-20.06.2021",
    "JA1QZZ",
    "DXCC",
    {{"160m", 1, 9, 1}, {"80m", 2, 8, 2}, {"20m", 5, 11, 4}},
    8,
    28,
    7,
    196,
    8};

WorkedExample Example(const WorkedExample& base, const char* name,
                      const char* log) {
  WorkedExample e = base;
  e.name = name;
  e.log = log;
  return e;
}

class WorkedExampleTest : public ReplaySessionTest,
                          public ::testing::WithParamInterface<WorkedExample> {
};

TEST_P(WorkedExampleTest, SummaryMatchesByteForByte) {
  const WorkedExample& e = GetParam();
  options_.logs = {TestData(e.log)};
  SessionResult result = Run();
  ASSERT_EQ(0, result.exitCode) << result.error;
  EXPECT_TRUE(result.plan.skipped.empty());
  EXPECT_EQ(e.contacts, result.outcome.sent);
  EXPECT_EQ(0, result.outcome.refused);
  EXPECT_EQ(0, result.outcome.dupes);
  EXPECT_EQ(ExpectedSummary(e), result.outcome.summary);
  EXPECT_EQ(-1, result.outcome.resultStatus);
}

TEST_P(WorkedExampleTest, PlugInFilesLandInTheOutputFolder) {
  const WorkedExample& e = GetParam();
  options_.logs = {TestData(e.log)};
  SessionResult result = Run();
  ASSERT_EQ(0, result.exitCode) << result.error;
  ASSERT_GE(result.files.size(), 2u);
  EXPECT_TRUE(fs::equivalent(out_, result.outDir));
  EXPECT_EQ("AADX-CW UBN file \r\n", ReadFileBytes(out_ / "err.txt"));
  EXPECT_TRUE(result.files[0].written);
  std::string settings = ReadFileBytes(out_ / "Plugins" / "AADX.ini");
  EXPECT_NE(std::string::npos, settings.find("Mode=CW\r\n")) << settings;
  EXPECT_NE(std::string::npos,
            settings.find("Claimed=" + std::to_string(e.score) + "\r\n"))
      << settings;
}

INSTANTIATE_TEST_SUITE_P(
    Logs, WorkedExampleTest,
    ::testing::Values(
        Example(kNonAsianCw, "NonAsianCwAdif", "worked_example_dx_cw.adi"),
        Example(kNonAsianCw, "NonAsianCwCabrillo", "worked_example_dx_cw.log"),
        Example(kAsianCw, "AsianCwAdif", "worked_example_asia_cw.adi"),
        Example(kAsianCw, "AsianCwCabrillo", "worked_example_asia_cw.log")),
    [](const ::testing::TestParamInfo<WorkedExample>& info) {
      return std::string(info.param.name);
    });

TEST_F(ReplaySessionTest, CallChecksAskThePlugIn) {
  options_.logs = {TestData("worked_example_asia_cw.adi")};
  options_.checks = {CallCheckRequest{"UA9QAA", "20m", ""},
                     CallCheckRequest{"JA5QAA", "20m", ""},
                     CallCheckRequest{"UA9QZZ", "20m", ""},
                     CallCheckRequest{"JA5QAA", "40m", ""}};
  SessionResult result = Run();
  ASSERT_EQ(0, result.exitCode) << result.error;
  ASSERT_EQ(4u, result.outcome.checks.size());
  EXPECT_EQ("CW", result.outcome.checks[0].check.mode);
  EXPECT_EQ(0, result.outcome.checks[0].result);  // worked on 20m
  EXPECT_EQ(2, result.outcome.checks[1].result);  // JA5 is new on 20m
  EXPECT_EQ(1, result.outcome.checks[2].result);  // UA9 already on 20m
  EXPECT_EQ(2, result.outcome.checks[3].result);  // nothing on 40m yet
}

#if !defined(_WIN32)
// Needs the plug-in's Cabrillo writer; on Windows the export shows the real
// header dialog, which the Windows dialog tests drive instead.
TEST_F(ReplaySessionTest, ExportRunWritesTheCabrilloLog) {
  options_.logs = {TestData("worked_example_asia_cw.adi")};
  options_.cabrillo = true;
  SessionResult result = Run();
  ASSERT_EQ(0, result.exitCode) << result.error;
  ASSERT_EQ(3u, result.files.size());
  EXPECT_EQ("Cabrillo log", result.files[2].what);
  EXPECT_EQ((out_ / "JA1QZZ.cbr").string(), result.files[2].path);
  EXPECT_TRUE(result.files[2].written);
  std::string log = ReadFileBytes(out_ / "JA1QZZ.cbr");
  EXPECT_EQ(0u, log.find("START-OF-LOG: 3.0\r\nCALLSIGN: JA1QZZ\r\n")) << log;
  EXPECT_NE(std::string::npos, log.find("CLAIMED-SCORE: 196\r\n")) << log;
  EXPECT_NE(std::string::npos, log.find("CONTEST: AADX-CW\r\n")) << log;
  EXPECT_NE(std::string::npos,
            log.find("QSO:  1825 CW 2021-06-19 0010 JA1QZZ        599 45     "
                     "W3QAA         599 30\r\n"))
      << log;
  size_t qsos = 0;
  for (size_t pos = log.find("\r\nQSO: "); pos != std::string::npos;
       pos = log.find("\r\nQSO: ", pos + 1))
    ++qsos;
  EXPECT_EQ(8u, qsos);
  EXPECT_EQ(log.size() - 13, log.rfind("END-OF-LOG:\r\n"));
}

// A folder where the plug-in's file goes: the replay runs and is reported,
// but ends with status 3, naming the log and why it is missing.
TEST_F(ReplaySessionTest, ACabrilloLogNotProducedEndsWithStatusThree) {
  options_.logs = {TestData("worked_example_asia_cw.adi")};
  options_.cabrillo = true;
  fs::create_directories(out_ / "JA1QZZ.cbr");
  SessionResult result = Run();
  EXPECT_EQ(3, result.exitCode);
  EXPECT_EQ(
      "JA1QZZ.cbr: the Cabrillo log was not produced: a folder is in its place",
      result.error);
  EXPECT_EQ(8, result.outcome.sent);
  ASSERT_FALSE(result.files.empty());
  const OutputFile& log = result.files.back();
  EXPECT_EQ("Cabrillo log", log.what);
  EXPECT_EQ((out_ / "JA1QZZ.cbr").string(), log.path);
  EXPECT_FALSE(log.written);
  EXPECT_EQ("a folder is in its place", log.problem);
}
#endif

TEST_F(ReplaySessionTest, MalformedAdifRecordsAreCountedAndSkipped) {
  options_.logs = {TestData("malformed.adi")};
  options_.ownCall = "JA1QZZ";
  SessionResult result = Run();
  ASSERT_EQ(0, result.exitCode) << result.error;
  EXPECT_EQ(8, result.plan.recordsRead);
  ASSERT_EQ(5u, result.plan.skipped.size());
  EXPECT_NE(std::string::npos, result.plan.skipped[0].find("record 2 (line 4)"))
      << result.plan.skipped[0];
  EXPECT_NE(std::string::npos, result.plan.skipped[0].find("no CALL"));
  EXPECT_NE(std::string::npos, result.plan.skipped[4].find("record 8"));
  EXPECT_EQ(3, result.outcome.sent);
  EXPECT_EQ(0, result.outcome.refused);
  EXPECT_EQ(0, result.outcome.dupes);
}

TEST_F(ReplaySessionTest, MalformedCabrilloLinesAreCountedAndSkipped) {
  options_.logs = {TestData("malformed.log")};
  SessionResult result = Run();
  ASSERT_EQ(0, result.exitCode) << result.error;
  EXPECT_EQ(7, result.plan.recordsRead);
  ASSERT_EQ(5u, result.plan.skipped.size());
  EXPECT_NE(std::string::npos,
            result.plan.skipped[0].find("malformed.log: line 5"))
      << result.plan.skipped[0];
  EXPECT_EQ(2, result.outcome.sent);
  EXPECT_EQ(0, result.outcome.refused);
}

TEST_F(ReplaySessionTest, ErrorsEndTheSessionWithStatusTwo) {
  struct Case {
    const char* what;
    std::string log;
    std::string library;
    std::string cty;
    std::string out;
    const char* message;
    std::string settings = "";
  };
  const std::string log = TestData("worked_example_asia_cw.adi");
  const std::string fileAsOut = TestData("test_cty.dat");
  const std::string cty = TestData("test_cty.dat");
  const std::string lib = AADX_PLUGIN_PATH;
  const std::string empty = (temp_.path() / "empty.adi").string();
  const std::string binary = (temp_.path() / "binary.adi").string();
  const std::string noQsos = (temp_.path() / "no_qsos.log").string();
  WriteFileBytes(empty, "");
  WriteFileBytes(binary, std::string("\x7f"
                                     "ELF\x02\x01",
                                     6));
  WriteFileBytes(noQsos, "START-OF-LOG: 3.0\nCALLSIGN: JA1QZZ\nEND-OF-LOG:\n");
  const fs::path blocked = temp_.path() / "blocked";
  fs::create_directories(blocked / "Plugins" / "AADX.ini");
  const Case cases[] = {
      {"log is a folder", TestData(""), lib, cty, out_.string(),
       "testdata/: is a folder, not a log file"},
      {"empty log", empty, lib, cty, out_.string(), "empty.adi: is empty"},
      {"binary log", binary, lib, cty, out_.string(),
       "binary.adi: holds binary data (byte 0x02 at offset 4)"},
      {"log without contacts", noQsos, lib, cty, out_.string(),
       "no_qsos.log: no contacts in the log"},
      {"log without a contact in CW or phone", TestData("wsjtx_ft8_rtty.adi"),
       lib, cty, out_.string(),
       "wsjtx_ft8_rtty.adi: no contact in CW or phone, the contest's modes: "
       "2 FT8, 1 RTTY; nothing to score"},
      {"country file is a folder", log, lib, TestData(""), out_.string(),
       "testdata/: is a folder, not a country file"},
      {"missing log", TestData("no_such.adi"), AADX_PLUGIN_PATH,
       TestData("test_cty.dat"), out_.string(), "no_such.adi"},
      {"missing library", log, TestData("no_such_library"),
       TestData("test_cty.dat"), out_.string(), "no_such_library"},
      {"missing country file", log, AADX_PLUGIN_PATH, TestData("no_such.dat"),
       out_.string(), "no_such.dat"},
      {"bad country file", log, AADX_PLUGIN_PATH, TestData("malformed.log"),
       out_.string(), "malformed.log: line 1"},
      {"output folder is a file", log, AADX_PLUGIN_PATH,
       TestData("test_cty.dat"), fileAsOut + "/sub", "cannot create"},
      {"settings file is a folder", log, lib, cty, out_.string(),
       "testdata/: is a folder, not a settings file", TestData("")},
      {"missing settings file", log, lib, cty, out_.string(),
       "no_such.ini: no such file", TestData("no_such.ini")},
      {"settings file cannot be written", log, lib, cty, blocked.string(),
       "AADX.ini: cannot be written"},
  };
  for (const Case& c : cases) {
    options_.logs = {c.log};
    options_.library = c.library;
    options_.ctyFile = c.cty;
    options_.outDir = c.out;
    options_.settingsFile = c.settings;
    SessionResult result = Run();
    EXPECT_EQ(2, result.exitCode) << c.what;
    EXPECT_NE(std::string::npos, result.error.find(c.message))
        << c.what << ": " << result.error;
  }
}

#if !defined(_WIN32)
// Logs as real loggers write them, through the plug-in: what reaches it is
// checked in the Cabrillo file it writes, its UBN report and its summary.
class RealLoggerTest : public ReplaySessionTest {
 protected:
  // Runs an export of the test log `log`, or of the log at `path`; returns
  // the Cabrillo file the plug-in wrote.
  std::string Export(const std::string& log) {
    return ExportPath(TestData(log));
  }
  std::string ExportPath(const std::string& path) {
    options_.logs = {path};
    options_.cabrillo = true;
    result_ = Run();
    EXPECT_EQ(0, result_.exitCode) << result_.error;
    for (const OutputFile& file : result_.files) {
      if (file.what == "Cabrillo log") return ReadFileBytes(file.path);
    }
    ADD_FAILURE() << "no Cabrillo file written";
    return "";
  }

  // The QSO lines of `cabrillo`, without their line ends.
  static std::vector<std::string> QsoLines(const std::string& cabrillo) {
    std::vector<std::string> lines;
    std::istringstream in(cabrillo);
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("QSO:", 0) == 0)
        lines.push_back(line.substr(0, line.size() - 1));
    }
    return lines;
  }

  // The multiplier column of `band` in the plug-in's summary.
  std::string Multipliers(const std::string& band) {
    const std::string& summary = result_.outcome.summary;
    size_t line = summary.find("\r\n" + band + "\t");
    size_t end = summary.find("\r\n", line + 2);
    size_t tab = summary.rfind('\t', end);
    return summary.substr(tab + 2, end - tab - 2);
  }

  SessionResult result_;
};

TEST_F(RealLoggerTest, N1mmLogIsReplayedInTimeOrderAsLogged) {
  std::string cabrillo = Export("n1mm_style.adi");
  EXPECT_EQ((std::vector<std::string>{
                "QSO: 14025 CW 2021-06-19 0005 JA1QZZ        599 45     W1QAA "
                "        599 52",
                "QSO: 14027 CW 2021-06-19 0010 JA1QZZ        599 45     K2QAA "
                "        599 28",
                "QSO: 14031 CW 2021-06-19 0015 JA1QZZ        599 45     DL1QAB "
                "       599 33",
                "QSO: 14025 CW 2021-06-19 0020 JA1QZZ        599 45     W1QAA "
                "        599 52",
                "QSO:  7015 CW 2021-06-19 0030 JA1QZZ        599 45     BY1QAA "
                "       599 61"}),
            QsoLines(cabrillo));
  EXPECT_EQ(2, result_.plan.outOfOrder);
  EXPECT_EQ(1, result_.outcome.refused) << "DL2QAA: SRX 0 is no exchange";
  EXPECT_EQ(1, result_.outcome.dupes);
  std::string ubn = ReadFileBytes(out_ / "err.txt");
  EXPECT_NE(std::string::npos, ubn.find("2021-06-19 0002")) << ubn;
  EXPECT_NE(std::string::npos, ubn.find("NO RX NUMBER")) << ubn;
  size_t dupe = ubn.find("DUPE");
  ASSERT_NE(std::string::npos, dupe) << ubn;
  EXPECT_NE(std::string::npos, ubn.rfind("2021-06-19 0020", dupe))
      << "the later copy is the dupe: " << ubn;
}

TEST_F(RealLoggerTest, OneCountryCountsOnceWhateverTheLogSays) {
  Export("n1mm_style.adi");  // W1QAA with DXCC 291, K2QAA without
  EXPECT_EQ("2", Multipliers("20m")) << result_.outcome.summary;
  EXPECT_EQ(1u, result_.plan.warnings.size()) << "only the time order";

  options_.logStations = true;
  Export("n1mm_style.adi");
  EXPECT_EQ("3", Multipliers("20m")) << result_.outcome.summary;
  ASSERT_EQ(2u, result_.plan.warnings.size());
  EXPECT_NE(std::string::npos, result_.plan.warnings[0].find(
                                   "DXCC entity from the log for 3 of 6"))
      << result_.plan.warnings[0];
}

TEST_F(RealLoggerTest, Log4omLogWithTypedLowerCaseFields) {
  std::string cabrillo = Export("log4om_style.adi");
  EXPECT_EQ("SSB", result_.plan.contestMode);
  EXPECT_EQ((std::vector<std::string>{
                "QSO: 14160 PH 2021-06-19 0100 W1QZZ         59  45     JA2QAA "
                "       59  38",
                "QSO: 21200 PH 2021-06-19 0105 W1QZZ         59  45     BY1QAB "
                "       59  41"}),
            QsoLines(cabrillo));
  EXPECT_EQ(1, result_.outcome.refused) << "UA9QAA: srx 0";
}

TEST_F(RealLoggerTest, CabrilloHeaderAndBandCodesReachTheWrittenLog) {
  std::string cabrillo = Export("header_and_band_codes.log");
  for (const char* line :
       {"\r\nCATEGORY-POWER: LOW\r\n", "\r\nNAME: Pat Operator\r\n",
        "\r\nADDRESS: 12 Main Street\r\nADDRESS: Apartment 3\r\n",
        "\r\nADDRESS-STATE-PROVINCE: MA\r\n", "\r\nEMAIL: pat@example.org\r\n",
        "\r\nCLUB: Yankee Clipper Contest Club\r\n",
        "\r\nSOAPBOX: Low power from the back yard.\r\nSOAPBOX: Thanks for "
        "the QSOs.\r\n",
        "\r\nQSO:  7000 CW 2021-06-19 0100 W1QZZ         599 45     JA1QAA    "
        "    599 30\r\n"}) {
    EXPECT_NE(std::string::npos, cabrillo.find(line)) << line << cabrillo;
  }
  EXPECT_EQ(std::string::npos, cabrillo.find("9999"));
  ASSERT_EQ(1u, result_.notes.size());
  EXPECT_EQ(
      "CATEGORY-ASSISTED: the plug-in's Cabrillo file has no such line; "
      "left out",
      result_.notes[0]);

  options_.header = {{"CATEGORY-POWER", "QRP"}, {"SOAPBOX", "One line."}};
  cabrillo = Export("header_and_band_codes.log");
  EXPECT_NE(std::string::npos, cabrillo.find("\r\nCATEGORY-POWER: QRP\r\n"));
  EXPECT_NE(std::string::npos, cabrillo.find("\r\nSOAPBOX: One line.\r\nQSO:"));
}

// Header tags the plug-in does not write are named once each, as are the
// values it fills in itself; the file holds exactly what the notes say.
TEST_F(RealLoggerTest, HeaderTagsLeftOutAndValuesFilledInAreNamed) {
  options_.quiet = false;  // which hides the values filled in
  options_.header = {{"CATEGORY-TIME", "6-HOURS"},
                     {"CATEGORY-OVERLAY", "YOUTH"}};
  const std::string cabrillo = Export("header_tags.log");
  const std::string leftOut =
      ": the plug-in's Cabrillo file has no such line; left out";
  const std::string typed =
      ": typed into the plug-in's Cabrillo dialog, but its Cabrillo file has "
      "no such line; left out";
  EXPECT_EQ((std::vector<std::string>{
                "CATEGORY-TRANSMITTER" + typed, "CATEGORY-TIME" + leftOut,
                "CATEGORY-OVERLAY" + typed, "CATEGORY-STATION" + leftOut,
                "LOCATION" + leftOut, "GRID-LOCATOR" + leftOut,
                "the Cabrillo header gets the plug-in's own values where the "
                "input gives none: CATEGORY-BAND ALL, CATEGORY-MODE CW, "
                "CATEGORY-POWER HIGH, OPERATORS W1QZZ"}),
            result_.notes);
  EXPECT_EQ(
      "START-OF-LOG: 3.0\r\nCALLSIGN: W1QZZ\r\nCATEGORY-BAND: ALL\r\n"
      "CATEGORY-MODE: CW\r\nCATEGORY-OPERATOR: MULTI-OP\r\n"
      "CATEGORY-POWER: HIGH\r\nCLAIMED-SCORE: 4\r\nCLUB: \r\n"
      "CONTEST: AADX-CW\r\n",
      cabrillo.substr(0, cabrillo.find("CREATED-BY:")));
  EXPECT_NE(std::string::npos,
            cabrillo.find("\r\nEMAIL: pat@example.org\r\nNAME: \r\n"));
  EXPECT_NE(std::string::npos,
            cabrillo.find("\r\nOPERATORS: W1QZZ\r\nSOAPBOX: \r\nQSO:"));
}

// A line break inside a header value, in a log line or a --header option,
// stays inside its value: the settings file and the Cabrillo file get the
// value on one line and no keys or lines of its making.
TEST_F(RealLoggerTest, LineBreaksInHeaderValuesAddNoKeysOrLines) {
  struct Case {
    const char* what;
    const char* logLine;  // added to the log's header
    const char* option;   // --header NAME=option, or null
  };
  const Case cases[] = {
      {"CR inside a log line",
       "NAME: Bob\rEmail=spoofed@example.org\rClub=Evil Club\n", nullptr},
      {"LF in --header", "", "Bob\nEmail=spoofed@example.org\nClub=Evil Club"},
      {"CR LF in --header", "NAME: Ann\n",
       "Bob\r\nEmail=spoofed@example.org\r\nClub=Evil Club"},
  };
  const std::string log = ReadFileBytes(TestData("worked_example_asia_cw.log"));
  const fs::path input = temp_.path() / "header.log";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(out_);
    WriteFileBytes(input, log.substr(0, log.find("CALLSIGN:")) + c.logLine +
                              log.substr(log.find("CALLSIGN:")));
    options_.header.clear();
    if (c.option != nullptr) options_.header = {{"NAME", c.option}};
    const std::string cabrillo = ExportPath(input.string());
    const std::string settings = ReadFileBytes(out_ / "Plugins" / "AADX.ini");
    EXPECT_NE(std::string::npos,
              settings.find("\nName=Bob Email=spoofed@example.org Club=Evil "
                            "Club\r\n"))
        << settings;
    // The plug-in writes these keys itself, empty for this log.
    for (const char* key : {"Email", "Club"}) {
      std::string value = "missing";
      IniLookup(settings, "Settings", key, &value);
      EXPECT_EQ("", value) << key << "\n" << settings;
    }
    EXPECT_NE(std::string::npos,
              cabrillo.find("\r\nNAME: Bob Email=spoofed@example.org Club=Evil "
                            "Club\r\n"))
        << cabrillo;
    EXPECT_NE(std::string::npos, cabrillo.find("\r\nEMAIL: \r\n")) << cabrillo;
    EXPECT_NE(std::string::npos, cabrillo.find("\r\nCLUB: \r\n")) << cabrillo;
  }
}

TEST_F(RealLoggerTest, ReportsTheCabrilloFileThePlugInWrote) {
  for (const char* call : {"JA1QZZ/P", "CON"}) {
    options_.ownCall = call;
    options_.ownContinent = "AS";
    Export("worked_example_asia_cw.adi");
    size_t written = 0;
    for (const OutputFile& file : result_.files) {
      if (file.what != "Cabrillo log") continue;
      ++written;
      EXPECT_TRUE(file.written && fs::is_regular_file(file.path)) << file.path;
    }
    EXPECT_EQ(1u, written) << call;
    fs::remove_all(out_);
  }
}
#endif

}  // namespace
}  // namespace replay
}  // namespace aadx

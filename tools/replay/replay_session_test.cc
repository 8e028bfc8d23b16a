// Replays through the real plug-in library: the worked examples of the
// contest's scoring as ADIF and Cabrillo logs, malformed logs, and the
// errors a session reports.
#include "tools/replay/replay_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace aadx {
namespace replay {
namespace {

namespace fs = std::filesystem;

std::string TestData(const std::string& name) {
  return std::string(AADX_REPLAY_TESTDATA_DIR) + "/" + name;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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
  int total_qsos;
  int total_points;
  int total_multipliers;
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
  text += "Total\t " + std::to_string(e.total_qsos) + "\t " +
          std::to_string(e.total_points) + "\t " +
          std::to_string(e.total_multipliers) + "\r\n";
  text += "Score = " + std::to_string(e.total_points) + " * " +
          std::to_string(e.total_multipliers) + "  = " +
          std::to_string(e.score) + " \r\n";
  return text;
}

class ReplaySessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name =
        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
      if (c == '/') c = '_';
    out_ = fs::temp_directory_path() / "aadx_replay_session_test" / name;
    fs::remove_all(out_);
    options_.library = AADX_PLUGIN_PATH;
    options_.cty_file = TestData("test_cty.dat");
    options_.out_dir = out_.string();
    options_.quiet = true;
  }

  void TearDown() override {
    std::error_code ec;
    fs::remove_all(out_, ec);
  }

  SessionResult Run() { return RunReplaySession(options_, nullptr); }

  fs::path out_;
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
  ASSERT_EQ(0, result.exit_code) << result.error;
  EXPECT_TRUE(result.plan.skipped.empty());
  EXPECT_EQ(e.contacts, result.outcome.sent);
  EXPECT_EQ(0, result.outcome.refused);
  EXPECT_EQ(0, result.outcome.dupes);
  EXPECT_EQ(ExpectedSummary(e), result.outcome.summary);
  EXPECT_EQ(-1, result.outcome.result_status);
}

TEST_P(WorkedExampleTest, PlugInFilesLandInTheOutputFolder) {
  const WorkedExample& e = GetParam();
  options_.logs = {TestData(e.log)};
  SessionResult result = Run();
  ASSERT_EQ(0, result.exit_code) << result.error;
  ASSERT_GE(result.files.size(), 2u);
  EXPECT_TRUE(fs::equivalent(out_, result.out_dir));
  EXPECT_EQ("AADX-CW UBN file \r\n", ReadAll(out_ / "err.txt"));
  EXPECT_TRUE(result.files[0].written);
  std::string settings = ReadAll(out_ / "Plugins" / "AADX.ini");
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
  ASSERT_EQ(0, result.exit_code) << result.error;
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
  ASSERT_EQ(0, result.exit_code) << result.error;
  ASSERT_EQ(3u, result.files.size());
  EXPECT_EQ("Cabrillo log", result.files[2].what);
  EXPECT_EQ((out_ / "JA1QZZ.cbr").string(), result.files[2].path);
  EXPECT_TRUE(result.files[2].written);
  std::string log = ReadAll(out_ / "JA1QZZ.cbr");
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
#endif

TEST_F(ReplaySessionTest, MalformedAdifRecordsAreCountedAndSkipped) {
  options_.logs = {TestData("malformed.adi")};
  options_.own_call = "JA1QZZ";
  SessionResult result = Run();
  ASSERT_EQ(0, result.exit_code) << result.error;
  EXPECT_EQ(8, result.plan.records_read);
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
  ASSERT_EQ(0, result.exit_code) << result.error;
  EXPECT_EQ(7, result.plan.records_read);
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
  };
  const std::string log = TestData("worked_example_asia_cw.adi");
  const std::string file_as_out = TestData("test_cty.dat");
  const Case cases[] = {
      {"missing log", TestData("no_such.adi"), AADX_PLUGIN_PATH,
       TestData("test_cty.dat"), out_.string(), "no_such.adi"},
      {"missing library", log, TestData("no_such_library"),
       TestData("test_cty.dat"), out_.string(), "no_such_library"},
      {"missing country file", log, AADX_PLUGIN_PATH, TestData("no_such.dat"),
       out_.string(), "no_such.dat"},
      {"bad country file", log, AADX_PLUGIN_PATH, TestData("malformed.log"),
       out_.string(), "malformed.log: line 1"},
      {"output folder is a file", log, AADX_PLUGIN_PATH,
       TestData("test_cty.dat"), file_as_out + "/sub", "cannot create"},
  };
  for (const Case& c : cases) {
    options_.logs = {c.log};
    options_.library = c.library;
    options_.cty_file = c.cty;
    options_.out_dir = c.out;
    SessionResult result = Run();
    EXPECT_EQ(2, result.exit_code) << c.what;
    EXPECT_NE(std::string::npos, result.error.find(c.message))
        << c.what << ": " << result.error;
  }
}

TEST(CabrilloFileNameTest, FollowsThePlugInsNaming) {
  EXPECT_EQ("JA1QZZ.cbr", CabrilloFileName("JA1QZZ"));
  EXPECT_EQ("JA1QZZ_P.cbr", CabrilloFileName(" JA1QZZ/P "));
  EXPECT_EQ("DL_JA1QZZ.cbr", CabrilloFileName("DL\\JA1QZZ"));
  EXPECT_EQ("QZRX.cbr", CabrilloFileName("  "));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

// The sponsor's score through aadx-replay: the worked example logs replayed
// through the real plug-in library, what the tool prints after the plug-in's
// summary, the check report and the JSON file it writes, and the contest
// period and mode it takes from the replay.
#include "tools/replay/replay_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_util.h"
#include "tools/replay/replay_report.h"
#include "tools/sponsor/sponsor_test_util.h"

namespace aadx {
namespace replay {
namespace {

using sponsor::Reason;
namespace sponsor_test = sponsor::sponsor_test;

namespace fs = std::filesystem;

std::string TestData(const std::string& name) {
  return std::string(AADX_TOOLS_TESTDATA_DIR) + "/" + name;
}

std::string LineFeedsOnly(std::string text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

class ReplayCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.library = AADX_PLUGIN_PATH;
    options_.ctyFile = TestData("sponsor_cty.dat");
    options_.outDir = out_.string();
    options_.quiet = true;
  }

  // Replays `log` as aadx-replay does and returns what it prints.
  std::string Replay(const std::string& log) {
    options_.logs = {TestData(log)};
    session_ = RunReplaySession(options_, nullptr);
    EXPECT_EQ(0, session_.exitCode) << session_.error;
    check_ = CheckReplay(options_, session_);
    std::string error;
    EXPECT_TRUE(WriteReplayCheckFiles(options_, check_, &session_, &error))
        << error;
    return FormatReport(session_, FormatReplayCheck(check_));
  }

  ScopedTempDir temp_{ScopedTempDir::kEmpty};
  const fs::path out_ = temp_.path() / "out";
  ReplayOptions options_;
  SessionResult session_;
  ReplayCheck check_;
};

TEST_F(ReplayCheckTest, WorkedExamplesPrintTheSponsorsTableAfterTheSummary) {
  const struct {
    const char* log;
    const char* table;
    const char* reconciliation;
  } kCases[] = {
      {"example_asia_cw.adi", sponsor_test::kAsianTable,
       sponsor_test::kAsianReconciliation},
      {"example_dx_cw.log", sponsor_test::kNonAsianTable,
       sponsor_test::kNonAsianReconciliation},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.log);
    const std::string printed = Replay(c.log);
    const std::string summary = LineFeedsOnly(session_.outcome.summary);
    ASSERT_NE(std::string::npos, summary.find("Score = "));
    EXPECT_EQ(
        summary + "\n" + c.table + "\n" + c.reconciliation + "\nRecords\n",
        printed.substr(0, printed.find("Records\n") + 8));
  }
}

TEST_F(ReplayCheckTest, CheckReportBesideErrTxtWithCrLfLines) {
  const std::string printed = Replay("example_asia_cw.adi");
  const fs::path report = fs::path(session_.outDir) / kCheckReportName;
  std::string expected;
  for (char c : std::string(sponsor_test::kAsianCheckReport))
    expected += c == '\n' ? "\r\n" : std::string(1, c);
  EXPECT_EQ(expected, ReadFileBytes(report));
  EXPECT_NE(std::string::npos,
            printed.find("  Sponsor check  " + report.string() + "\n"));
  EXPECT_TRUE(fs::exists(fs::path(session_.outDir) / "err.txt"));
}

TEST_F(ReplayCheckTest, JsonFileHoldsBothScores) {
  const std::string json = (out_ / "scores.json").string();
  options_.jsonFile = json;
  const std::string printed = Replay("example_dx_cw.log");
  EXPECT_EQ(
      "{\"plugin\": {\"bands\": ["
      "{\"band\": \"160m\", \"qsos\": 1, \"points\": 3, \"multipliers\": 1}, "
      "{\"band\": \"80m\", \"qsos\": 1, \"points\": 2, \"multipliers\": 1}, "
      "{\"band\": \"40m\", \"qsos\": 4, \"points\": 3, \"multipliers\": 3}, "
      "{\"band\": \"20m\", \"qsos\": 1, \"points\": 0, \"multipliers\": 1}, "
      "{\"band\": \"10m\", \"qsos\": 1, \"points\": 2, \"multipliers\": 1}], "
      "\"total\": {\"qsos\": 8, \"points\": 10, \"multipliers\": 7, "
      "\"score\": 70}}, "
      "\"sponsor\": {\"rulesYear\": 2024, \"category\": null, \"bands\": ["
      "{\"band\": \"160m\", \"qsos\": 1, \"points\": 3, \"multipliers\": 1}, "
      "{\"band\": \"80m\", \"qsos\": 1, \"points\": 2, \"multipliers\": 1}, "
      "{\"band\": \"40m\", \"qsos\": 4, \"points\": 3, \"multipliers\": 2}, "
      "{\"band\": \"20m\", \"qsos\": 1, \"points\": 0, \"multipliers\": 0}, "
      "{\"band\": \"10m\", \"qsos\": 1, \"points\": 2, \"multipliers\": 1}], "
      "\"total\": {\"qsos\": 8, \"points\": 10, \"multipliers\": 5, "
      "\"score\": 50}, \"reasons\": {\"wrong-band\": 0, \"wrong-mode\": 0, "
      "\"outside-period\": 0, \"incomplete-exchange\": 0, \"dupe\": 0, "
      "\"maritime-mobile\": 0, \"unknown-station\": 0, \"own-entity\": 0, "
      "\"non-asian-station\": 2, \"non-asian-prefix\": 2, "
      "\"plugin-refused\": 0, \"after-24-hours\": 0, \"other-band\": 0}}}\n",
      ReadFileBytes(json));
  EXPECT_NE(std::string::npos, printed.find("  Scores JSON    " + json + "\n"));
}

// The period comes from the log's year and the contest's mode; --start and
// --end replace it for the sponsor's rules and still reach the plug-in.
TEST_F(ReplayCheckTest, PeriodAndModeFollowTheCommandLine) {
  const struct {
    std::vector<std::string> args;
    const char* sponsorPeriod;
    const char* pluginFirstLine;
    Reason reason;
    int count;
  } kCases[] = {
      {{},
       "AADX-CW 2021-06-19 0000 to 2021-06-21 0000",
       "  AADX-CW 19.06-21.06.2021 ",
       Reason::kOutsidePeriod,
       1},
      {{"--end", "2021-06-20"},
       "AADX-CW 2021-06-19 0000 to 2021-06-21 0000",
       "  AADX-CW 19.06-20.06.2021 ",
       Reason::kOutsidePeriod,
       1},
      {{"--start", "2021-06-19 02:00", "--end", "2021-06-21 00:10"},
       "AADX-CW 2021-06-19 0200 to 2021-06-21 0010",
       "  AADX-CW 19.06-21.06.2021 ",
       Reason::kOutsidePeriod,
       1},
      {{"--start", "2020-06-20"},
       "AADX-CW 2020-06-20 0000 to 2020-06-22 0000",
       "  AADX-CW 20.06-21.06.2021 ",
       Reason::kOutsidePeriod,
       11},
      {{"--contest", "SSB"},
       "AADX-SSB 2021-09-04 0000 to 2021-09-06 0000",
       "  AADX-SSB 19.06-21.06.2021 ",
       Reason::kWrongMode,
       11},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.sponsorPeriod);
    std::vector<std::string> args = c.args;
    args.push_back(TestData("example_asia_cw.adi"));
    ReplayOptions parsed;
    std::string error;
    ASSERT_EQ(OptionsOutcome::kRun, ParseReplayOptions(args, &parsed, &error))
        << error;
    options_.start = parsed.start;
    options_.end = parsed.end;
    options_.endHasTime = parsed.endHasTime;
    options_.contestMode = parsed.contestMode;
    Replay("example_asia_cw.adi");
    EXPECT_EQ(c.sponsorPeriod,
              std::string(ContestName(check_.rules.mode)) + " " +
                  sponsor::FormatUtc(check_.rules.period.start) + " to " +
                  sponsor::FormatUtc(check_.rules.period.end));
    EXPECT_EQ(c.pluginFirstLine, session_.outcome.summary.substr(
                                     0, session_.outcome.summary.find('\r')));
    EXPECT_EQ(c.count, check_.sponsor.reasonCount(c.reason));
  }
}

// The 24-hour test log's header names SOABLP24; --category replaces it.
TEST_F(ReplayCheckTest, CategoryFromTheHeaderOrTheOption) {
  const struct {
    const char* option;
    const char* category;  // the report's line, after "Category: "
    const char* json;      // the JSON's sponsor object begins so
    int after24;
    int otherBand;
  } kCases[] = {
      {"",
       "SOABLP24 (from the log's header): single operator, all bands, low "
       "power (100 W or less), the first 24 hours of operating time",
       "\"rulesYear\": 2025, \"category\": \"SOABLP24\", "
       "\"operatingMinutes\": 1523, \"bands\": ",
       3, 0},
      {"SOABLP",
       "SOABLP (from --category): single operator, all bands, low power (100 "
       "W or less)",
       "\"rulesYear\": 2025, \"category\": \"SOABLP\", \"bands\": ", 0, 0},
      {"SO40LP",
       "SO40LP (from --category): single operator, 40m only, low power (100 "
       "W or less)",
       "\"rulesYear\": 2025, \"category\": \"SO40LP\", \"bands\": ", 0, 22},
  };
  options_.jsonFile = (out_ / "scores.json").string();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.option);
    options_.category = c.option;
    const std::string printed = Replay("twenty_four_hours.log");
    EXPECT_NE(std::string::npos, printed.find(std::string("\n     Category: ") +
                                              c.category + "\nBand\t"))
        << printed;
    EXPECT_NE(std::string::npos,
              ReadFileBytes(options_.jsonFile)
                  .find(std::string("\"sponsor\": {") + c.json));
    EXPECT_EQ(c.after24, check_.sponsor.reasonCount(Reason::kAfter24Hours));
    EXPECT_EQ(c.otherBand, check_.sponsor.reasonCount(Reason::kOtherBand));
    EXPECT_EQ(*c.option ? std::vector<std::string>{std::string("--category ") +
                                                   c.option +
                                                   " replaces the log header's "
                                                   "SOABLP24"}
                        : std::vector<std::string>{},
              session_.categoryNotes);
  }
  // The 24-hour entry's operating time, after its table and in the check.
  options_.category = "";
  const std::string printed = Replay("twenty_four_hours.log");
  const std::string operating =
      "Operating time: 25 h 23 min (2 rests, 7 h 58 min in all, not "
      "counted); the first 24 hours end at 2025-06-22 0758 UTC: 3 contacts "
      "after them score nothing";
  EXPECT_NE(std::string::npos, printed.find("\n" + operating + "\n\n"));
  EXPECT_NE(std::string::npos,
            ReadFileBytes(fs::path(session_.outDir) / kCheckReportName)
                .find(" UTC\r\nRules of 2025; category: SOABLP24 (from the "
                      "log's header): single operator, all bands, low power "
                      "(100 W or less), the first 24 hours of operating "
                      "time\r\n" +
                      operating + "\r\nTime "));
}

TEST_F(ReplayCheckTest, RulesOfAnotherYearAndUnknownCategories) {
  options_.start = logs::QsoTime{2027, 6, 19};
  EXPECT_NE(std::string::npos,
            Replay("example_asia_cw.adi")
                .find("\n  Rules of 2025, the latest known (the contest is of "
                      "2027)\n     Contestant: JA1XYZ\n"));
  EXPECT_EQ(std::vector<std::string>{}, session_.categoryNotes);
  options_.category = "SOAB";
  options_.logs = {TestData("twenty_four_hours.log")};
  const SessionResult session = RunReplaySession(options_, nullptr);
  EXPECT_EQ(kExitBadInput, session.exitCode);
  EXPECT_EQ(
      "--category SOAB: not a category of the 2025 rules; they are SO160HP, "
      "SO80HP, SO40HP, SO20HP, SO15HP, SO10HP, SO160LP, SO80LP, SO40LP, "
      "SO20LP, SO15LP, SO10LP, SOABHP, SOABLP, SOABHP24, SOABLP24, MSHP, "
      "MSLP, MMHP, MMLP, SOJR, SOSV",
      session.error);
}

TEST(ReplayCheckWithoutCountryFileTest, SaysWhyAndWritesNoJson) {
  ReplayOptions options;
  options.jsonFile = "never-written.json";
  SessionResult session;
  const ReplayCheck check = CheckReplay(options, session);
  EXPECT_EQ(
      "Score by the sponsor's rules (JARL): not computed: the stations' "
      "entities need a country file (--cty FILE)\n",
      FormatReplayCheck(check));
  std::string error;
  EXPECT_FALSE(WriteReplayCheckFiles(options, check, &session, &error));
  EXPECT_NE(std::string::npos, error.find("never-written.json: not written"));
  EXPECT_TRUE(session.files.empty());
  EXPECT_FALSE(fs::exists("never-written.json"));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

#include "tools/check/contest_simulator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "base/ascii.h"
#include "tests/test_util.h"
#include "tools/callsign/cty_file.h"
#include "tools/callsign/station.h"
#include "tools/check/check_run.h"
#include "tools/check/matcher.h"

namespace aadx {
namespace check {
namespace {

const char kCty[] = AADX_TOOLS_TESTDATA_DIR "/test_cty.dat";

TEST(ContestSimulatorTest, TheSameSeedGivesTheSameContest) {
  SimulationOptions options;
  options.logs = 12;
  const SimulatedContest a = SimulateContest(options);
  EXPECT_EQ(FormatQsoCsv(a), FormatQsoCsv(SimulateContest(options)));
  options.seed = 2;
  EXPECT_NE(FormatQsoCsv(a), FormatQsoCsv(SimulateContest(options)));
}

// What the contest holds: stations the test country file places, Asia
// worked by all and the rest working only Asia, clocks right, minutes off
// and an hour off, miscopied calls one Morse miscopy from the right call,
// miscopied ages that are wrong.
TEST(ContestSimulatorTest, SimulatesWhatACheckerMeets) {
  callsign::CtyFile cty;
  std::string error;
  ASSERT_TRUE(cty.Load(kCty, &error)) << error;
  const callsign::CtyStationLocator locator(cty);
  SimulationOptions options;
  options.logs = 60;
  const SimulatedContest contest = SimulateContest(options);
  ASSERT_EQ(60u, contest.files.size());

  std::map<std::string, int> offsets;  // "0", "minutes", "hour"
  for (const auto& [file, offset] : contest.clockOffsets)
    ++offsets[offset == 0                 ? "0"
              : std::llabs(offset) < 3600 ? "minutes"
                                          : "hour"];
  EXPECT_GE(offsets["0"], 40);
  EXPECT_GE(offsets["minutes"], 5);
  EXPECT_GE(offsets["hour"], 3);

  auto continent = [&](const std::string& call) {
    const callsign::Station s = locator.Locate(call);
    EXPECT_TRUE(s.located) << call;
    return s.continent == "AS" ? "AS" : "DX";
  };
  std::map<std::string, int> pairs;  // own and worked continent
  for (const TruthLine& t : contest.truth) {
    const std::string own = AsciiUpperText(t.file.substr(0, t.file.size() - 4));
    if (t.check == Check::kOk)
      ++pairs[std::string(continent(own)) + "-" + continent(t.call)];
    if (t.check == Check::kBustedCall) {
      EXPECT_TRUE(SimilarCalls(t.call, t.correctCall))
          << t.call << " " << t.correctCall;
    }
    if (t.check == Check::kBustedExchange) {
      EXPECT_NE(std::stoi(t.exchRcvd), std::stoi(t.sentExchange)) << t.line;
    }
  }
  EXPECT_GT(pairs["AS-AS"], 100);
  EXPECT_GT(pairs["AS-DX"], 100);
  EXPECT_GT(pairs["DX-AS"], 100);
  EXPECT_EQ(0, pairs["DX-DX"]);
}

// Precision and recall per class: a busted call right only with the right
// call; a line the verdicts lack counted apart.
TEST(ContestSimulatorTest, MeasuresVerdictsAgainstTheTruth) {
  const TruthComparison c = CompareWithTruth(
      "log,line,check,correct_call,sent_exchange\n"
      "a.log,4,ok,,\na.log,5,busted-call,DL1AAA,\n"
      "a.log,6,busted-call,DL1AAA,\na.log,7,not-in-log,,\n"
      "a.log,8,unique,,\na.log,9,ok,,\n",
      "log,line,check,correct_call,sent_exchange,reason,points\n"
      "a.log,4,ok,,,,1\na.log,5,busted-call,DL1AAA,,,0\n"
      "a.log,6,busted-call,DL1AAB,,,0\na.log,7,ok,,,,1\n"
      "a.log,8,not-in-log,,,,0\n");
  const struct {
    Check check;
    int64_t truth, found, right;
    double precision, recall;
  } cases[] = {
      {Check::kOk, 2, 2, 1, 0.5, 0.5},
      {Check::kBustedCall, 2, 2, 1, 0.5, 0.5},
      {Check::kNotInLog, 1, 1, 0, 0.0, 0.0},
      {Check::kUnique, 1, 0, 0, 1.0, 0.0},
      {Check::kDupe, 0, 0, 0, 1.0, 1.0},
  };
  for (const auto& k : cases) {
    const ClassFigures& f = c.classes.at(k.check);
    SCOPED_TRACE(CheckName(k.check));
    EXPECT_EQ(k.truth, f.truth);
    EXPECT_EQ(k.found, f.found);
    EXPECT_EQ(k.right, f.right);
    EXPECT_DOUBLE_EQ(k.precision, f.Precision());
    EXPECT_DOUBLE_EQ(k.recall, f.Recall());
  }
  EXPECT_EQ(6, c.lines);
  EXPECT_EQ(1, c.missing);
  EXPECT_EQ(3, c.correct);
  EXPECT_EQ(1, c.penalised);
  const std::string table = FormatComparison(c);
  EXPECT_NE(std::string::npos,
            table.find("QSO lines 6 (1 without a verdict); correct QSOs "
                       "penalised 1 of 3 (33.333 %)\n"))
      << table;
}

// A small contest checked by aadx-check as a sponsor runs it: every
// verdict class found and right in 99 of 100 lines, and hardly a correct
// QSO penalised.
TEST(ContestSimulatorTest, TheCheckerFindsTheTruth) {
  for (uint64_t seed : {1u, 2u}) {
    SimulationOptions options;
    options.seed = seed;
    options.logs = 40;
    const SimulatedContest contest = SimulateContest(options);
    int hourOff = 0;
    for (const auto& [file, offset] : contest.clockOffsets)
      hourOff += offset >= 3600 || offset <= -3600;
    EXPECT_GE(hourOff, 2);

    ScopedTempDir temp(ScopedTempDir::kEmpty);
    std::string error;
    ASSERT_TRUE(
        WriteSimulatedLogs(contest, (temp.path() / "logs").string(), &error))
        << error;
    CheckOptions check;
    check.logDir = (temp.path() / "logs").string();
    check.outDir = (temp.path() / "out").string();
    check.ctyFile = kCty;
    check.verdictsFile = (temp.path() / "verdicts.csv").string();
    const CheckRunResult run = RunCheck(check);
    ASSERT_EQ(0, run.exitCode) << run.error;

    const TruthComparison c = CompareWithTruth(
        FormatTruthCsv(contest), ReadFileBytes(check.verdictsFile));
    SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + FormatComparison(c));
    EXPECT_EQ(0, c.missing);
    for (const auto& [verdict, figures] : c.classes) {
      SCOPED_TRACE(CheckName(verdict));
      EXPECT_GT(figures.truth, 0);
      EXPECT_GE(figures.Precision(), 0.99);
      EXPECT_GE(figures.Recall(), 0.99);
    }
    EXPECT_LE(c.penalised * 1000, c.correct);
  }
}

}  // namespace
}  // namespace check
}  // namespace aadx

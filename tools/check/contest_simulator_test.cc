#include "tools/check/contest_simulator.h"

#include <gtest/gtest.h>

#include "tests/test_util.h"
#include "tools/check/check_run.h"

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

#include "tools/replay/replay_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The fake exports take the host's full argument lists but read only some.
#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace aadx {
namespace replay {
namespace {

// What the fake plug-in was called with, in order.
struct Recorder {
  std::vector<std::string> calls;
  int exportFlag = -1;
  std::string ownCall, ownContinent;
  StatsOleDate start{}, end{};
  // The texts of each contact and check, "|"-joined in argument order.
  std::vector<std::string> contacts, checks;
  std::vector<StatsOleDate> contactTimes;
};
Recorder* recorder = nullptr;

std::string Text(const char* text) { return text ? text : "(null)"; }

std::string Joined(std::initializer_list<const char*> texts) {
  std::string line;
  for (const char* text : texts) line += "|" + Text(text);
  return line.substr(1);
}

int STATS_CALL FakeAddData(STATS_CONTACT_PARAMS) {
  recorder->calls.push_back("AddData0 " + Text(call));
  recorder->contacts.push_back(
      Joined({ownCall, call, mode, rstSent, rstRcvd, exchSent, exchRcvd, prefix,
              dxcc, continent, band}) +
      "|" + std::to_string(freqHz));
  recorder->contactTimes.push_back(*time);
  return std::string(band) == "30m" ? 0 : 1;
}
int STATS_CALL FakeRemoveData(STATS_CONTACT_PARAMS) {
  recorder->calls.push_back("RemoveData0");
  return 1;
}
int STATS_CALL FakeCheckCall(STATS_CHECK_PARAMS) {
  recorder->calls.push_back("CheckCall0 " + Text(call));
  recorder->checks.push_back(
      Joined({call, mode, prefix, dxcc, continent, band, band2}));
  return 2;
}
int STATS_CALL FakeResetStats(STATS_RESET_PARAMS) {
  recorder->calls.push_back("ResetStats0");
  recorder->exportFlag = exportFlag;
  recorder->ownCall = Text(ownCall);
  recorder->ownContinent = Text(ownContinent);
  recorder->start = *contestStart;
  recorder->end = *contestEnd;
  return 1;
}
const char* STATS_CALL FakeGetResult(int* status) {
  recorder->calls.push_back("GetResult0");
  *status = -1;
  return "summary\r\n";
}

PluginExports FakeExports() {
  PluginExports e;
  e.AddData0 = FakeAddData;
  e.RemoveData0 = FakeRemoveData;
  e.CheckCall0 = FakeCheckCall;
  e.ResetStats0 = FakeResetStats;
  e.GetResult0 = FakeGetResult;
  return e;
}

logs::LogContact Contact(const std::string& call, const std::string& band,
                         const std::string& mode, int minute) {
  // Every field in its order: no source or own call, then the rest as a
  // log line gives them.
  const logs::QsoTime time = {2021, 6, 19, 0, minute};
  return {"",    "",    call, time, 14025999, band, mode,
          "599", "579", "45", "30", "JA1",    "JA", "AS"};
}

class ReplayRunTest : public ::testing::Test {
 protected:
  void SetUp() override { recorder = &recorder_; }
  void TearDown() override { recorder = nullptr; }

  ReplayPlan Plan() {
    ReplayPlan plan;
    plan.ownCall = "DL1QZZ";
    plan.ownContinent = "EU";
    plan.start = Contact("", "", "", 0).time;
    logs::QsoTime end = plan.start.value();
    end.day = 20;
    end.hour = 23;
    end.minute = 59;
    plan.end = end;
    plan.exportCabrillo = true;
    plan.contacts = {
        Contact("JA1ABC", "20m", "CW", 5), Contact("JA1ABC", "20m", "SSB", 6),
        Contact("JA1ABC", "20m", "CW", 7), Contact("JA1XYZ", "30m", "CW", 8),
        Contact("JA1ABC", "20m", "CW", 9)};
    plan.checks = {PlannedCheck{"UA9ABC", "40m", "CW", "UA9", "UA9", "AS"}};
    return plan;
  }

  Recorder recorder_;
};

TEST_F(ReplayRunTest, CallsTheExportsInTheHostsOrder) {
  ReplayOutcome outcome = RunReplay(Plan(), FakeExports(), nullptr);
  EXPECT_EQ((std::vector<std::string>{"ResetStats0", "AddData0 JA1ABC",
                                      "AddData0 JA1ABC", "AddData0 JA1ABC",
                                      "AddData0 JA1XYZ", "AddData0 JA1ABC",
                                      "CheckCall0 UA9ABC", "GetResult0"}),
            recorder_.calls);
  EXPECT_EQ("summary\r\n", outcome.summary);
  EXPECT_EQ(-1, outcome.resultStatus);
}

TEST_F(ReplayRunTest, ResetGetsTheOwnStationAndTheContestDates) {
  RunReplay(Plan(), FakeExports(), nullptr);
  EXPECT_EQ(1, recorder_.exportFlag);
  EXPECT_EQ("DL1QZZ", recorder_.ownCall);
  EXPECT_EQ("EU", recorder_.ownContinent);
  EXPECT_EQ(kOleDateValid, recorder_.start.status);
  EXPECT_DOUBLE_EQ(44366.0, recorder_.start.days);
  EXPECT_DOUBLE_EQ(44367.0 + 1439.0 / 1440.0, recorder_.end.days);

  ReplayPlan plan = Plan();
  plan.start.reset();
  plan.end.reset();
  plan.exportCabrillo = false;
  RunReplay(plan, FakeExports(), nullptr);
  EXPECT_EQ(0, recorder_.exportFlag);
  EXPECT_EQ(kOleDateNull, recorder_.start.status);
  EXPECT_EQ(kOleDateNull, recorder_.end.status);
}

TEST_F(ReplayRunTest, EveryContactFieldReachesItsArgument) {
  RunReplay(Plan(), FakeExports(), nullptr);
  ASSERT_EQ(5u, recorder_.contacts.size());
  // Own call, call, mode, reports and ages sent and received, prefix, DXCC,
  // continent, band and frequency.
  EXPECT_EQ("DL1QZZ|JA1ABC|SSB|599|579|45|30|JA1|JA|AS|20m|14025999",
            recorder_.contacts[1]);
  EXPECT_EQ(kOleDateValid, recorder_.contactTimes[1].status);
  EXPECT_DOUBLE_EQ(44366.0 + 6.0 / 1440.0, recorder_.contactTimes[1].days);
}

TEST_F(ReplayRunTest, CountsRefusalsAndDupes) {
  ReplayOutcome outcome = RunReplay(Plan(), FakeExports(), nullptr);
  EXPECT_EQ(5, outcome.sent);
  EXPECT_EQ(1, outcome.refused);  // the 30m contact
  EXPECT_EQ(2, outcome.dupes);    // JA1ABC 20m CW twice more; SSB is new
}

TEST_F(ReplayRunTest, ChecksCarryTheResolvedStation) {
  ReplayOutcome outcome = RunReplay(Plan(), FakeExports(), nullptr);
  ASSERT_EQ(1u, recorder_.checks.size());
  // Call, mode, prefix, DXCC, continent and both band texts.
  EXPECT_EQ("UA9ABC|CW|UA9|UA9|AS|40m|40m", recorder_.checks[0]);
  ASSERT_EQ(1u, outcome.checks.size());
  EXPECT_EQ(2, outcome.checks[0].result);
  EXPECT_EQ("2 (counts, new multiplier)",
            DescribeCheckResult(outcome.checks[0].result));
  EXPECT_EQ("0 (duplicate)", DescribeCheckResult(0));
  EXPECT_EQ("4 (does not count)", DescribeCheckResult(4));
}

TEST_F(ReplayRunTest, ReportsProgressAfterEveryContact) {
  std::vector<size_t> done;
  RunReplay(Plan(), FakeExports(), [&](size_t d, size_t total) {
    EXPECT_EQ(5u, total);
    done.push_back(d);
  });
  EXPECT_EQ((std::vector<size_t>{1, 2, 3, 4, 5}), done);
}

}  // namespace
}  // namespace replay
}  // namespace aadx

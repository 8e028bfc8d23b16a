#include "tools/replay/replay_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace replay {
namespace {

const char kCountries[] =
    "Japan: 25: 45: AS: 36.40: -138.38: -9.0: JA:\n  JA;\n"
    "Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n  DL;\n";

logs::LogContact At(const std::string& call, int day, int hour,
                    const std::string& mode = "CW") {
  logs::LogContact c;
  c.call = call;
  c.mode = mode;
  c.time = {2021, 6, day, hour};
  return c;
}

class ReplayPlanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(cty_.Parse(kCountries, &error)) << error;
    log_.ownCall = "JA1QZZ";
    log_.recordsRead = 4;
    log_.problems = {"x.adi: record 4: no CALL; skipped"};
    log_.contacts = {At("DL1ABC", 20, 3), At("JA2ABC", 19, 1),
                     At("DL2ABC", 20, 23, "SSB")};
    options_.logs = {"x.adi"};
  }

  ReplayPlan Build() {
    ReplayPlan plan;
    std::string error;
    EXPECT_TRUE(BuildReplayPlan(options_, {log_}, &cty_, &plan, &error))
        << error;
    return plan;
  }

  callsign::CtyFile cty_;
  logs::ParsedLog log_;
  ReplayOptions options_;
};

TEST_F(ReplayPlanTest, OwnStationAndDatesComeFromTheLog) {
  ReplayPlan plan = Build();
  EXPECT_EQ("JA1QZZ", plan.ownCall);
  EXPECT_EQ("AS", plan.ownContinent);
  ASSERT_TRUE(plan.start && plan.end);
  EXPECT_EQ(19, plan.start->day);
  EXPECT_EQ(1, plan.start->hour);
  EXPECT_EQ(20, plan.end->day);
  EXPECT_EQ(23, plan.end->hour);
  EXPECT_EQ("CW", plan.contestMode) << "two CW contacts, one SSB";
  EXPECT_EQ(4, plan.recordsRead);
  EXPECT_EQ(1u, plan.skipped.size());
  EXPECT_FALSE(plan.exportCabrillo);
}

TEST_F(ReplayPlanTest, OptionsWin) {
  options_.ownCall = "DL9QZZ";
  options_.ownContinent = "OC";
  options_.start = logs::QsoTime{2021, 6, 18};
  options_.contestMode = "SSB";
  options_.cabrillo = true;
  ReplayPlan plan = Build();
  EXPECT_EQ("DL9QZZ", plan.ownCall);
  EXPECT_EQ("OC", plan.ownContinent);
  EXPECT_EQ(18, plan.start->day);
  EXPECT_EQ(20, plan.end->day);
  EXPECT_EQ("SSB", plan.contestMode);
  EXPECT_TRUE(plan.exportCabrillo);
}

TEST_F(ReplayPlanTest, TheLogsContestNameBeatsItsModes) {
  log_.contestMode = "SSB";
  EXPECT_EQ("SSB", Build().contestMode);
  log_.contestMode.clear();
  log_.contacts = {At("DL1ABC", 20, 3, "FM")};
  EXPECT_EQ("", Build().contestMode);
}

// The contest a log names, its contacts' modes and --contest decide the
// mode, and say which did; another contest is named, and a log without a
// contact in CW or phone cannot be scored.
TEST_F(ReplayPlanTest, TheContestIsNamedAndOnlyItsModesCanBeScored) {
  const struct {
    std::map<std::string, int> contests;
    const char* logMode;
    const char* option;
    std::vector<std::string> modes;  // of the three contacts
    const char* said;  // mode, where from and warnings; or the error
  } cases[] = {
      {{{"CQ-WW-CW", 3}},
       "",
       "",
       {"CW", "CW", "SSB"},
       "CW|the mode of most contacts: 2 CW, 1 SSB|x.adi: a log of another "
       "contest, CQ-WW-CW (3 contacts), not the All Asian DX; scored as "
       "AADX-CW all the same"},
      {{},
       "",
       "",
       {"SSB", "CW", "FM"},
       "CW|the mode of most contacts: 1 CW, 1 SSB"},
      {{{"ALL-ASIAN-DX-PHONE", 3}},
       "SSB",
       "",
       {"CW", "CW", "SSB"},
       "SSB|the log names ALL-ASIAN-DX-PHONE"},
      {{}, "", "SSB", {"CW", "CW", "FM"}, "SSB|--contest"},
      {{},
       "",
       "",
       {"FT8", "RTTY", "FT8"},
       "x.adi: no contact in CW or phone, the contest's modes: 2 FT8, 1 "
       "RTTY; nothing to score"},
      {{{"CQ-WW-RTTY", 3}},
       "",
       "CW",
       {"RTTY", "RTTY", "RTTY"},
       "x.adi: a log of CQ-WW-RTTY (3 contacts), no contact in CW or "
       "phone, the contest's modes: 3 RTTY; nothing to score"},
  };
  log_.file = "x.adi";
  for (const auto& c : cases) {
    log_.contests = c.contests;
    log_.contestMode = c.logMode;
    options_.contestMode = c.option;
    for (size_t i = 0; i < log_.contacts.size(); ++i)
      log_.contacts[i].mode = c.modes[i];
    ReplayPlan plan;
    std::string said;
    if (BuildReplayPlan(options_, {log_}, &cty_, &plan, &said)) {
      plan.warnings.erase(plan.warnings.end() - 1);  // the time order's
      said = BarJoined({plan.contestMode, plan.contestModeFrom});
      for (const std::string& warning : plan.warnings) said += "|" + warning;
    }
    EXPECT_EQ(c.said, said);
  }
}

TEST_F(ReplayPlanTest, ContactsAndChecksAreCompleted) {
  options_.checks = {CallCheckRequest{"DL5ABC/P", "20m", ""},
                     CallCheckRequest{"ZZ1ABC", "40m", "SSB"}};
  ReplayPlan plan = Build();
  // In time order.
  EXPECT_EQ(LinesOf(plan.contacts,
                    [](const logs::LogContact& c) {
                      return BarJoined({c.call, c.prefix, c.dxcc, c.continent});
                    }),
            (std::vector<std::string>{"JA2ABC|JA2|JA|AS", "DL1ABC|DL1|DL|EU",
                                      "DL2ABC|DL2|DL|EU"}));
  EXPECT_EQ(1, plan.outOfOrder);
  EXPECT_EQ(3, plan.resolution.dxccFromCountryFile);
  EXPECT_EQ(LinesOf(plan.checks,
                    [](const PlannedCheck& c) {
                      return BarJoined({c.call, c.band, c.mode, c.prefix,
                                        c.dxcc, c.continent});
                    }),
            (std::vector<std::string>{"DL5ABC/P|20m|CW|DL5|DL|EU",
                                      "ZZ1ABC|40m|SSB|ZZ1||"}));
}

TEST_F(ReplayPlanTest, UnknownOwnStationIsAnError) {
  ReplayPlan plan;
  std::string error;
  log_.ownCall.clear();
  EXPECT_FALSE(BuildReplayPlan(options_, {log_}, &cty_, &plan, &error));
  EXPECT_NE(std::string::npos, error.find("--call")) << error;

  log_.ownCall = "ZZ1QZZ";
  EXPECT_FALSE(BuildReplayPlan(options_, {log_}, &cty_, &plan, &error));
  EXPECT_NE(std::string::npos, error.find("--continent")) << error;

  log_.ownCall = "JA1QZZ";
  EXPECT_FALSE(BuildReplayPlan(options_, {log_}, nullptr, &plan, &error));
  EXPECT_NE(std::string::npos, error.find("without a country file")) << error;
}

}  // namespace
}  // namespace replay
}  // namespace aadx

// RefreshHostLink and SendModeMacroOnce on a recording host link and
// window: which calls reach the host, when the poll timer is re-armed, and
// how "Talq_Good" guards the mode macro.
#include "plugin/host_session.h"

#include <gtest/gtest.h>

#include "tests/fakes.h"
#include "tests/plugin_harness.h"
#include "tests/test_util.h"

namespace aadx {
namespace {

using Calls = std::vector<std::string>;

class RefreshHostLinkTest : public ::testing::Test {
 protected:
  // One refresh with the host object present or not, the host in state,
  // and the Multiplier window running or not.
  void Refresh(bool present, int state, bool running) {
    host_.present = present;
    host_.state = state;
    window_.running = running;
    RefreshHostLink(&host_, &window_, &hostState_);
  }

  FakeHostLink host_;
  FakeWindow window_;
  int hostState_ = 5;  // whatever the last refresh left
};

TEST_F(RefreshHostLinkTest, WithoutAWindowItOnlyConnects) {
  Refresh(true, 0, false);
  EXPECT_EQ(host_.calls, Calls{"Connect"});
  EXPECT_TRUE(host_.HasHost());
  EXPECT_EQ(hostState_, 5);
  EXPECT_EQ(window_.timerArms, 0);
}

TEST_F(RefreshHostLinkTest, StateZeroReArmsTheWindowsTimer) {
  Refresh(true, 0, true);
  EXPECT_EQ(host_.calls, (Calls{"Connect", "ReadHostState"}));
  EXPECT_EQ(hostState_, 0);
  EXPECT_EQ(window_.timerArms, 1);
  Refresh(true, 0, true);
  EXPECT_EQ(window_.timerArms, 2);  // each call check restarts it
}

TEST_F(RefreshHostLinkTest, StateSevenDoesNotReArm) {
  Refresh(true, 7, true);
  EXPECT_EQ(hostState_, 7);
  EXPECT_EQ(window_.timerArms, 0);
}

TEST_F(RefreshHostLinkTest, NoHostObjectCountsAsANonZeroState) {
  hostState_ = 0;
  Refresh(false, 0, true);
  EXPECT_EQ(host_.calls, (Calls{"Connect", "ReadHostState"}));
  EXPECT_NE(hostState_, 0);
  EXPECT_EQ(window_.timerArms, 0);
}

TEST_F(RefreshHostLinkTest, AHostHeldBeforeStaysWhenTheLookupFails) {
  Refresh(true, 0, true);
  Refresh(false, 0, true);  // the host no longer registers its object
  EXPECT_TRUE(host_.HasHost());
  EXPECT_EQ(window_.timerArms, 2);
}

class SendModeMacroOnceTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
  FakeHostLink host_;
  Settings settings_{DefaultDesktop()};
  int talqGood_ = 0;
};

TEST_F(SendModeMacroOnceTest, CwSendsModeCwAndMarksItSent) {
  host_.present = true;
  SendModeMacroOnce(&host_, &settings_, /*cw=*/true, &talqGood_);
  EXPECT_EQ(host_.macros, Calls{"<MODE:CW>"});
  EXPECT_EQ(talqGood_, 1);
  EXPECT_EQ(ReadSetting("Talq_Good"), "1");
}

TEST_F(SendModeMacroOnceTest, SsbSendsModeSsb) {
  host_.present = true;
  SendModeMacroOnce(&host_, &settings_, /*cw=*/false, &talqGood_);
  EXPECT_EQ(host_.macros, Calls{"<MODE:SSB>"});
  EXPECT_EQ(talqGood_, 1);
}

TEST_F(SendModeMacroOnceTest, WithoutAHostTalqGoodIsStillWritten) {
  host_.present = false;
  SendModeMacroOnce(&host_, &settings_, /*cw=*/true, &talqGood_);
  EXPECT_EQ(host_.calls, Calls{"Connect"});
  EXPECT_TRUE(host_.macros.empty());
  // The flag in memory stays clear; the setting stops the next attempt.
  EXPECT_EQ(talqGood_, 0);
  EXPECT_EQ(ReadSetting("Talq_Good"), "1");

  host_.present = true;
  host_.calls.clear();
  SendModeMacroOnce(&host_, &settings_, /*cw=*/true, &talqGood_);
  EXPECT_TRUE(host_.calls.empty());
  EXPECT_EQ(talqGood_, 1);
}

TEST_F(SendModeMacroOnceTest, TalqGoodLeftSetMeansNoMacroAndNoLookup) {
  WriteSetting("Talq_Good", "1");
  host_.present = true;
  SendModeMacroOnce(&host_, &settings_, /*cw=*/true, &talqGood_);
  EXPECT_TRUE(host_.calls.empty());
  EXPECT_EQ(talqGood_, 1);
}

TEST_F(SendModeMacroOnceTest, ATalqGoodWithoutDigitsCountsAsClear) {
  WriteSetting("Talq_Good", "yes");
  host_.present = true;
  SendModeMacroOnce(&host_, &settings_, /*cw=*/false, &talqGood_);
  EXPECT_EQ(host_.macros, Calls{"<MODE:SSB>"});
  EXPECT_EQ(ReadSetting("Talq_Good"), "1");
}

// GetResult0 asks for the mode macro while it remembers none was sent: once
// the host ran it, a Talq_Good cleared in the settings meanwhile (by another
// program, or the operator's edit) does not send it again.
TEST(GetResultModeMacroTest, SentOnceEvenWhenTheSettingIsClearedAgain) {
  PluginHarness h;
  h.fakes.host.present = true;
  h.Reset("AS");
  h.Result();
  ASSERT_EQ(h.fakes.host.macros.size(), 1u);
  const Calls sent = h.fakes.host.macros;
  WriteSetting("Talq_Good", "0");
  h.Result();
  EXPECT_EQ(h.fakes.host.macros, sent);
}

}  // namespace
}  // namespace aadx

#include <gtest/gtest.h>

#include "tests/plugin_harness.h"
#include "tests/test_contacts.h"

namespace aadx {
namespace {

TEST(CallCheckTest, BandGateComesFirstAndTouchesNothing) {
  PluginHarness h;
  h.Reset("AS");
  h.fakes.window->running = true;
  h.fakes.host.present = true;

  CallQuery q = TestQuery("JA1AA", "20m");
  q.band2 = "40m";
  EXPECT_EQ(h.plugin->CheckCall(q), 4);
  EXPECT_TRUE(h.fakes.host.calls.empty());
  EXPECT_EQ(h.fakes.window->timerArms, 0);

  q.band2 = "20M";  // case is ignored here
  EXPECT_EQ(h.plugin->CheckCall(q), 2);
  q.band2 = "40m";
  q.hasBand2 = false;  // no second band text: no gate
  EXPECT_EQ(h.plugin->CheckCall(q), 2);
  q.hasBand2 = true;
  q.hasBand = false;
  EXPECT_EQ(h.plugin->CheckCall(q), 2);
}

TEST(CallCheckTest, RefreshesTheHostLinkAndRearmsTheWindowTimer) {
  PluginHarness h;
  h.Reset("AS");
  h.fakes.window->running = true;
  h.fakes.host.present = true;
  h.fakes.host.state = 0;
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("JA1AA", "20m")), 2);
  EXPECT_EQ(h.fakes.host.calls,
            (std::vector<std::string>{"Connect", "ReadHostState"}));
  EXPECT_EQ(h.fakes.window->timerArms, 1);

  h.fakes.host.state = 7;  // the host is busy: no re-arm
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("JA1AA", "20m", "", "")), 1);
  EXPECT_EQ(h.fakes.window->timerArms, 1);

  h.fakes.host.state = 0;
  h.fakes.window->running = false;  // no window: no state read, no timer
  h.fakes.host.calls.clear();
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("JA1AA", "20m")), 2);
  EXPECT_EQ(h.fakes.host.calls, (std::vector<std::string>{"Connect"}));
  EXPECT_EQ(h.fakes.window->timerArms, 1);
}

TEST(CallCheckTest, NoHostObjectCountsAsBusy) {
  PluginHarness h;
  h.Reset("AS");
  h.fakes.window->running = true;
  h.fakes.host.present = false;
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("JA1AA", "20m")), 2);
  EXPECT_EQ(h.fakes.window->timerArms, 0);
}

TEST(CallCheckTest, ClassifiesAgainstTheStoreInGateOrder) {
  PluginHarness h;
  h.Reset("EU");
  ASSERT_EQ(h.Add("JA1AA", "20m", "CW", "JA1"), 1);
  ASSERT_EQ(h.Add("JA1AA", "20m", "CW", "JA1"), 1);  // a dupe, still stored
  ASSERT_EQ(h.Add("BY1AA", "40m", "SSB", "BY1", "BY"), 1);

  // Empty DXCC entity: 1 before any other test.
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("JA1AA", "20m", "JA1", "")), 1);
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("DL1AA", "20m", "DL1", "", "EU")), 1);
  // Outside Asia and working outside Asia: does not count.
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("DL1AA", "20m", "DL1", "DL", "EU")),
            4);
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("XX1AA", "20m", "JA1", "JA", "as")),
            4);
  // Same call and band in any mode: dupe.
  CallQuery ssb = TestQuery("JA1AA", "20m");
  ssb.mode = "SSB";
  EXPECT_EQ(h.plugin->CheckCall(ssb), 0);
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("ja1aa", "20m", "JA9")), 2);
  // Prefix already on the band (the dupe record counts too): 1.
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("JA1BB", "20m", "JA1")), 1);
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("JA1BB", "40m", "JA1")), 2);
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("BY1BB", "40m", "BY1", "BY")), 1);

  // An Asian entrant works every continent.
  h.Reset("AS");
  EXPECT_EQ(h.plugin->CheckCall(TestQuery("DL1AA", "20m", "DL1", "DL", "EU")),
            2);
}

}  // namespace
}  // namespace aadx

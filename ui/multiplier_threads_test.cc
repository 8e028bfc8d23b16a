// The window thread's ticks and repaints against a host thread that keeps
// changing the plug-in state through its calls. Run under ThreadSanitizer
// this shows that every shared value is reached under the lock.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "plugin/plugin.h"
#include "tests/fakes.h"
#include "tests/test_contacts.h"
#include "tests/test_util.h"
#include "ui/grid_picture.h"
#include "ui/multiplier_view.h"

namespace aadx {
namespace {

ContactArgs Contact(const std::string& call, const std::string& band,
                    const std::string& dxcc, const std::string& rcvd) {
  ContactArgs c = TestContact(call, dxcc, band);
  c.info.exchRcvd = rcvd;
  return c;
}

TEST(MultiplierThreadsTest, TicksAndRepaintsWhileTheHostChangesTheLog) {
  ScopedTempDir dir;
  FakePlatform fakes;
  Plugin plugin(fakes.platform());
  plugin.ResetStats(TestReset("AS"));

  // The window thread's own link: the host object it polls.
  FakeHostLink windowHost;
  windowHost.present = true;
  windowHost.Connect();
  MultiplierPoller poller(&plugin.state().shared, &windowHost);

  const char* const kDxcc[] = {"UA", "JA", "BY", "VU", "HL"};
  const char* const kBands[] = {"20m", "40m", "15m"};
  std::atomic<bool> hostDone{false};
  int ticks = 0;

  std::thread window([&] {
    const char* const entries[] = {"JA1ABC", "", "UA9XYZ", "JA", "BY1?"};
    const double freqs[] = {14025000.0, 7010000.0, 21200000.0};
    for (int i = 0; !hostDone.load() || i < 200; ++i) {
      windowHost.entryText = entries[i % 5];
      windowHost.frequency = freqs[i % 3] + i;
      poller.Tick();
      ++ticks;
      LayOutGrid(TakeGridSnapshot(&plugin.state().shared), {0, 0, 320, 111});
    }
  });

  for (int round = 0; round < 40; ++round) {
    plugin.ResetStats(TestReset(round % 2 ? "EU" : "AS"));
    for (int i = 0; i < 25; ++i) {
      std::string call = (i % 2 ? "JA1ABC" : "UA9XYZ");
      plugin.AddData(
          Contact(call, kBands[i % 3], kDxcc[i % 5], std::to_string(10 + i)));
      if (i % 7 == 6) {
        plugin.RemoveData(Contact(call, kBands[i % 3], kDxcc[i % 5], ""));
      }
      if (i % 5 == 0) plugin.GetResult(nullptr);
    }
    CallQuery q;
    q.call = "JA1ABC";
    q.band = q.band2 = "20m";
    q.dxcc = "JA";
    q.prefix = "JA1";
    q.continent = "AS";
    plugin.CheckCall(q);
    plugin.GetResult(nullptr);
  }
  hostDone = true;
  window.join();
  EXPECT_GE(ticks, 200);

  // Once the host is quiet, a tick shows exactly what the log holds.
  windowHost.entryText = "JA1ABC";
  windowHost.frequency = 14025000.0;
  ASSERT_TRUE(poller.Tick().completed());
  SharedFields s = CopyFields(&plugin.state().shared);
  std::string last20m = "   -";
  for (const CInfo& q : s.store.records()) {
    if (q.call == "JA1ABC" && q.band == "20m") last20m = q.exchRcvd;
  }
  EXPECT_EQ(s.bandRows[3][3], last20m);
  EXPECT_EQ(s.typedCall, "JA1ABC");
  EXPECT_EQ(s.currentBandSlot, 3);
}

}  // namespace
}  // namespace aadx

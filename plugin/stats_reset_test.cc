#include <gtest/gtest.h>

#include "tests/plugin_harness.h"

namespace aadx {
namespace {

TEST(StatsResetTest, OrdinaryResetsStartTheWindowEveryOtherTime) {
  PluginHarness h;
  // First reset, no settings file: SSB, window started, "Start" = 1.
  h.Reset("EU");
  EXPECT_EQ(h.fakes.window->starts, 1);
  EXPECT_EQ(ReadSetting("Start"), "1");
  EXPECT_EQ(ReadFileBytes("err.txt"), "AADX-SSB UBN file \r\n");

  // The operator closed the window; the next reset starts none.
  h.fakes.window->running = false;
  h.Reset("EU");
  EXPECT_EQ(h.fakes.window->starts, 1);
  EXPECT_EQ(ReadSetting("Start"), "0");

  // The one after starts it again.
  h.Reset("EU");
  EXPECT_EQ(h.fakes.window->starts, 2);
  EXPECT_EQ(ReadSetting("Start"), "1");

  // A window that is still open is left alone.
  h.Reset("EU");
  h.Reset("EU");
  EXPECT_EQ(h.fakes.window->starts, 2);
  EXPECT_EQ(ReadSetting("Start"), "0");
}

TEST(StatsResetTest, AnExportResetShowsTheHeaderDialogAndNoWindow) {
  PluginHarness h;
  WriteSetting("Mode", "CW");
  h.Reset("AS", 1);
  EXPECT_EQ(h.fakes.desktop.cabrilloShown.size(), 1u);
  EXPECT_EQ(h.fakes.window->starts, 0);
  EXPECT_EQ(ReadSetting("Start"), "0");
  EXPECT_EQ(ReadFileBytes("err.txt"), "AADX-CW UBN file \r\n");
  EXPECT_EQ(h.plugin->state().exportFlag, 1);

  // Cancelling the dialog ends the export: GetResult0 writes no file.
  h.fakes.desktop.onCabrillo = [](CabrilloForm*) { return false; };
  h.Reset("AS", 1);
  EXPECT_EQ(h.plugin->state().exportFlag, 0);
  EXPECT_EQ(ReadSetting("Start"), "0");
  h.Result();
  EXPECT_TRUE(h.fakes.desktop.messages.empty());
}

TEST(StatsResetTest, StartsAnEmptyRunWithTheHostsValues) {
  PluginHarness h;
  h.Reset("AS");
  ASSERT_EQ(h.Add("DL1AA", "20m"), 1);
  ASSERT_EQ(h.Add("DL1AA", "20m"), 1);
  h.Result();

  ResetArgs args;
  args.ownCall = "JA1ZZZ";
  args.ownContinent = "as";  // lower case is not Asia
  args.contestStart = {44366.0, kOleDateValid};
  args.contestEnd = {0.0, kOleDateNull};
  h.plugin->ResetStats(args);

  PluginState& s = h.plugin->state();
  SharedFields shared = CopyFields(&s.shared);
  EXPECT_EQ(shared.store.count(), 0);
  EXPECT_TRUE(s.bandOrder.empty());
  EXPECT_EQ(shared.asiaFlag, 0);
  EXPECT_EQ(s.contestantCall, "JA1ZZZ");
  EXPECT_EQ(s.startDateText, "19.06");
  EXPECT_EQ(s.endDateText, "");
  for (int i = 0; i < kBandSlots; ++i) {
    EXPECT_EQ(shared.bandRows[i],
              (BandRow{kContestBands[i], "-", "-", "-", "-"}));
  }
  EXPECT_EQ(ReadFileBytes("err.txt"), "AADX-SSB UBN file \r\n");
  EXPECT_EQ(h.Result().substr(0, 37),
            "  AADX-SSB 19.06- \r\n     Contestant: ");
}

}  // namespace
}  // namespace aadx

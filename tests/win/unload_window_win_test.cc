// Unloading Stats.dll while its Multiplier window runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "tests/win/unload_window_fixture_win.h"

namespace aadx {
namespace {

using std::chrono::seconds;

TEST_F(UnloadWindowTest, UnloadWithTheWindowOpenThenReloadStartsFresh) {
  Load();
  const std::string fresh = Summary();
  HWND window = OpenWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(CallAddData(plugin(), TestContact("UA9XYZ", "UA")), 1);
  CheckCall();  // the window's ticks now call the host
  ASSERT_TRUE(Eventually(
      [&] { return SystemTitle(window) == "AADX-CW worked with JA1ABC"; },
      seconds(5)));
  const std::string worked = Summary();
  ASSERT_NE(worked, fresh);

  library_.Unload();
  EXPECT_FALSE(IsWindow(window));
  Load();
  EXPECT_EQ(Summary(), fresh);
}

}  // namespace
}  // namespace aadx

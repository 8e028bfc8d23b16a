// Unloading Stats.dll while the Multiplier window's thread waits for a host
// call that takes longer than the unload waits. The library must stay
// mapped under that thread until it has left. A program of its own: after
// this the library cannot be loaded again in the same process.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "tests/win/unload_window_fixture_win.h"

namespace aadx {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

TEST_F(UnloadWindowTest, UnloadWhileTheWindowWaitsForASlowHostCall) {
  Load();
  HWND window = OpenWindow();
  ASSERT_NE(window, nullptr);
  CheckCall();
  ASSERT_TRUE(Eventually(
      [&] { return SystemTitle(window) == "AADX-CW worked with JA1ABC"; },
      seconds(5)));

  // Longer than the unload's wait for the window's thread.
  host_.SetAnswerDelay(seconds(8));
  const size_t calls = host_.Calls().size();
  ASSERT_TRUE(
      Eventually([&] { return host_.Calls().size() > calls; }, seconds(5)));
  const int answered = host_.CallsAnswered();

  library_.Unload();
  // The call returns into the window's thread, which leaves with its window
  // and calls the host no more. A crash would end the program here.
  ASSERT_TRUE(Eventually([&] { return host_.CallsAnswered() > answered; },
                         seconds(15)));
  EXPECT_TRUE(WaitUntilGone(window, seconds(5)));
  host_.SetAnswerDelay(milliseconds(0));
  const size_t after = host_.Calls().size();
  std::this_thread::sleep_for(seconds(1));
  EXPECT_EQ(host_.Calls().size(), after);
}

}  // namespace
}  // namespace aadx

// Unloading Stats.dll while the Multiplier window's thread waits for a host
// call that answers later than the unload waits. A program of its own: the
// ended thread leaves the answer of its host call to nobody, and no later
// test should meet that.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "tests/win/unload_window_fixture_win.h"

namespace aadx {
namespace {

using std::chrono::seconds;

TEST_F(UnloadWindowTest, UnloadWhileTheWindowWaitsForASlowHostCall) {
  Load();
  const std::string fresh = Summary();
  ASSERT_TRUE(OpenWorkingWindow());
  // The window's thread is inside a host call that answers long after the
  // unload gave up waiting for it: the thread is ended inside the call.
  host_.SetAnswerDelay(seconds(15));
  const size_t calls = host_.Calls().size();
  ASSERT_TRUE(
      Eventually([&] { return host_.Calls().size() > calls; }, seconds(5)));
  const int answered = host_.CallsAnswered();
  UnloadThenReload(fresh);
  // The late answer finds no thread to return to, and nothing calls again.
  ASSERT_TRUE(Eventually([&] { return host_.CallsAnswered() > answered; },
                         seconds(20)));
}

}  // namespace
}  // namespace aadx

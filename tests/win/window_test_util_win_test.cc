// The window toolkit's promises that keep the window tests from hanging: a
// window search never waits for the thread that owns the window, a waiting
// thread that owns windows answers what is sent to them, and a watchdog
// ends a test that is held too long.
#include "tests/win/window_test_util_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace aadx {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const char kTitle[] = "Window of a thread that does not pump";

// A visible window of the test's thread, as the host's main window is in
// the export tests.
class OwnWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExA(0, "STATIC", kTitle, WS_POPUP | WS_VISIBLE, 0, 0,
                              200, 80, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (window_ != nullptr) DestroyWindow(window_);
  }

  // Runs work on a helper thread while this thread waits without pumping,
  // as a plain join does; then frees a helper stuck on this thread by
  // answering its messages, and joins. Whether work finished unanswered.
  bool FinishedWithoutPumping(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    std::thread helper([&] {
      work();
      done = true;
    });
    bool unanswered = Eventually([&] { return done.load(); }, seconds(5));
    EventuallyAnswering([&] { return done.load(); }, seconds(5));
    helper.join();
    return unanswered;
  }

  HWND window_ = nullptr;
};

TEST_F(OwnWindowTest, FindingAWindowNeverWaitsForItsThread) {
  HWND found = nullptr;
  std::string title;
  EXPECT_TRUE(FinishedWithoutPumping([&] {
    found = FindOwnWindow(kTitle);
    title = SystemTitle(window_);
  }));
  EXPECT_EQ(found, window_);
  EXPECT_EQ(title, kTitle);
}

TEST_F(OwnWindowTest, AWaitingThreadAnswersWhatIsSentToItsWindows) {
  std::atomic<bool> answered{false};
  std::thread helper([&] {
    // No time limit, as GetWindowText's message to another thread has none.
    char text[64] = {};
    SendMessageA(window_, WM_GETTEXT, sizeof(text),
                 reinterpret_cast<LPARAM>(text));
    answered = std::string(text) == kTitle;
  });
  bool ok = EventuallyAnswering([&] { return answered.load(); }, seconds(5));
  EXPECT_TRUE(ok);
  if (!ok) {  // a destroyed window fails the send and frees the helper
    DestroyWindow(window_);
    window_ = nullptr;
  }
  helper.join();
}

TEST(WatchdogTest, EndsTheProgramWithItsMessageWhenHeldTooLong) {
  EXPECT_EXIT(
      {
        Watchdog watchdog("a dialog nobody closes", milliseconds(200));
        Sleep(10000);
      },
      ::testing::ExitedWithCode(3),
      "WATCHDOG: a dialog nobody closes: still not done after");
}

}  // namespace
}  // namespace aadx

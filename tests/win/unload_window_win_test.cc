// Unloading Stats.dll while its Multiplier window runs: the window goes
// with the library, and no code of the library runs after it (a crash
// would end the program). Host messages that call exports while the
// plug-in waits for the window's thread, in the window's start and in the
// unload's close, neither deadlock nor see another state.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tests/win/unload_window_fixture_win.h"

namespace aadx {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr UINT kCallExports = WM_APP + 7;

TEST_F(UnloadWindowTest, UnloadWithTheWindowOpenClosesItAndReloadStartsFresh) {
  Load();
  const std::string fresh = Summary();
  ASSERT_TRUE(OpenWorkingWindow());
  ASSERT_NE(Summary(), fresh);
  UnloadThenReload(fresh);
  EXPECT_FALSE(IsWindow(window_));
}

// A window of the host's thread, where the host's own messages arrive: each
// calls GetResult0 and CheckCall0 while the test's thread is inside a call.
class ReentryTest : public UnloadWindowTest {
 protected:
  void SetUp() override {
    UnloadWindowTest::SetUp();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "AadxReentryHost";
    RegisterClassA(&wc);  // already there from an earlier test is fine
    hostWindow_ = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0,
                                HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hostWindow_, nullptr);
    current_ = this;
  }
  void TearDown() override {
    current_ = nullptr;
    DestroyWindow(hostWindow_);
    UnloadWindowTest::TearDown();
  }

  // Runs call while another thread sends the host's window the message
  // again and again (Wine's COM wait serves sent messages, not posted
  // ones); how many were handled inside call.
  template <typename Call>
  int WithHostMessages(Call call) {
    std::atomic<bool> stop{false};
    inside_ = true;
    handled_ = 0;
    std::thread sender([this, &stop] {
      while (!stop) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(hostWindow_, kCallExports, 0, 0, SMTO_NORMAL, 50,
                            &answer);
      }
    });
    call();
    inside_ = false;
    stop = true;
    EventuallyAnswering([] { return false; }, milliseconds(200));
    sender.join();
    return handled_;
  }

  std::vector<std::string> summaries_;
  std::vector<int> checks_;

 private:
  static LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wparam,
                                   LPARAM lparam) {
    if (message != kCallExports || current_ == nullptr) {
      return DefWindowProcA(hwnd, message, wparam, lparam);
    }
    if (current_->inside_ && current_->library_.loaded()) {
      ++current_->handled_;
      current_->summaries_.push_back(current_->Summary());
      current_->checks_.push_back(
          CallCheckCall(current_->plugin(), TestQuery("JA1ABC")));
    }
    return 0;
  }

  static ReentryTest* current_;
  HWND hostWindow_ = nullptr;
  bool inside_ = false;
  int handled_ = 0;
};

ReentryTest* ReentryTest::current_ = nullptr;

TEST_F(ReentryTest, HostMessagesCallingExportsInsideTheStartAndUnloadWaits) {
  Watchdog watchdog("host messages inside the window's waits", seconds(60));
  Load();
  // The state a reset gives, as seen outside any wait.
  WriteSetting("Start", "1");
  WriteSetting("Mode", "CW");
  ASSERT_EQ(CallResetStats(plugin(), TestReset("AS")), 1);
  const std::string summary = Summary();
  const int check = CallCheckCall(plugin(), TestQuery("JA1ABC"));

  // The same reset again, now opening the window: its start waits for the
  // window thread's dialog, serving the host's messages meanwhile.
  WriteSetting("Start", "0");
  EXPECT_GT(
      WithHostMessages([&] { CallResetStats(plugin(), TestReset("AS")); }), 0);
  window_ = WaitForWindow("ALL-ASIAN", seconds(10));
  ASSERT_NE(window_, nullptr);
  // The unload's close waits for the window's thread (how long depends on
  // where that thread is, so messages may or may not arrive).
  WithHostMessages([&] { library_.Unload(); });
  EXPECT_FALSE(IsWindow(window_));
  ASSERT_FALSE(summaries_.empty());
  for (const std::string& seen : summaries_) EXPECT_EQ(seen, summary);
  for (int seen : checks_) EXPECT_EQ(seen, check);
}

}  // namespace
}  // namespace aadx

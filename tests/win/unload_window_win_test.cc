// Unloading Stats.dll while its Multiplier window runs, and host messages
// that call exports while the plug-in waits for the window to come up. The
// window's thread holds the library until its last step: the host's
// FreeLibrary leaves it loaded while the window is open, and it goes when
// the window closes; no code of it runs after that (a crash would end the
// program).
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "loader/host_calls.h"
#include "loader/plugin_library.h"
#include "tests/test_contacts.h"
#include "tests/test_util.h"
#include "tests/win/fake_host_win.h"
#include "tests/win/window_test_util_win.h"

namespace aadx {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr UINT kCallExports = WM_APP + 7;

class UnloadWindowTest : public ::testing::Test {
 protected:
  // The test's thread plays the host's GUI thread (COM initialized).
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    host_.SetEntryText("JA1ABC");
    host_.SetFrequency(14025000.0);
    std::string error;
    ASSERT_TRUE(host_.Start(&error)) << error;
  }
  void TearDown() override {
    library_.Unload();
    if (window_ != nullptr && IsWindow(window_)) CloseByOperator();
    host_.Stop();
    CoUninitialize();
  }

  void Load() {
    std::string error;
    ASSERT_TRUE(library_.Load(AADX_PLUGIN_PATH, &error)) << error;
  }
  const PluginExports& plugin() const { return library_.exports(); }

  // A reset that opens the window (the alternating "Start" setting is 0),
  // then a contact and a call check, so its ticks call the host; false when
  // the window did not appear or did not show the entry's callsign.
  bool OpenWorkingWindow() {
    WriteSetting("Start", "0");
    WriteSetting("Mode", "CW");
    if (CallResetStats(plugin(), TestReset("AS")) != 1) return false;
    window_ = WaitForWindow("ALL-ASIAN", seconds(10));
    if (window_ == nullptr) return false;
    CallAddData(plugin(), TestContact("UA9XYZ", "UA"));
    CallCheckCall(plugin(), TestQuery("JA1ABC"));
    return Eventually(
        [&] { return SystemTitle(window_) == "AADX-CW worked with JA1ABC"; },
        seconds(5));
  }

  std::string Summary() {
    int status = 0;
    const char* text = plugin().GetResult0(&status);
    return text != nullptr ? text : "<null>";
  }

  // The operator closes the window; true once it and the library are gone.
  bool CloseByOperator() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return Eventually(
        [&] {
          return !IsWindow(window_) && GetModuleHandleA("Stats.dll") == nullptr;
        },
        seconds(20));
  }

  // Frees the library with the window open: it stays, and so does the
  // window, until the operator closes it; a new load then starts fresh.
  void UnloadThenCloseThenReload(const std::string& fresh) {
    library_.Unload();
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_NE(GetModuleHandleA("Stats.dll"), nullptr);
    ASSERT_TRUE(CloseByOperator());
    Load();
    EXPECT_EQ(Summary(), fresh);
  }

  ScopedTempDir dir_;
  FakeHost host_;
  PluginLibrary library_;
  HWND window_ = nullptr;
};

TEST_F(UnloadWindowTest, TheLibraryStaysWhileTheWindowIsOpenAndGoesAfter) {
  Load();
  const std::string fresh = Summary();
  ASSERT_TRUE(OpenWorkingWindow());
  ASSERT_NE(Summary(), fresh);
  UnloadThenCloseThenReload(fresh);
}

TEST_F(UnloadWindowTest, UnloadWhileTheWindowWaitsForASlowHostCall) {
  Load();
  const std::string fresh = Summary();
  ASSERT_TRUE(OpenWorkingWindow());
  // The window's thread is inside a host call that answers late.
  host_.SetAnswerDelay(seconds(3));
  const size_t calls = host_.Calls().size();
  ASSERT_TRUE(
      Eventually([&] { return host_.Calls().size() > calls; }, seconds(5)));
  const int answered = host_.CallsAnswered();
  UnloadThenCloseThenReload(fresh);
  EXPECT_GT(host_.CallsAnswered(), answered);
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
    if (current_->inside_) {
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

TEST_F(ReentryTest, HostMessagesCallingExportsInsideTheWindowsStartWait) {
  Watchdog watchdog("host messages inside the window's start", seconds(60));
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
  ASSERT_FALSE(summaries_.empty());
  for (const std::string& seen : summaries_) EXPECT_EQ(seen, summary);
  for (int seen : checks_) EXPECT_EQ(seen, check);
}

}  // namespace
}  // namespace aadx

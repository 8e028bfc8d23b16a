// The fixture of the unload tests: the fake host object on a thread of its
// own, Stats.dll loaded by path, and the calls that open the Multiplier
// window and read the summary.
#ifndef AADX_TESTS_WIN_UNLOAD_WINDOW_FIXTURE_WIN_H_
#define AADX_TESTS_WIN_UNLOAD_WINDOW_FIXTURE_WIN_H_

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "loader/host_calls.h"
#include "loader/plugin_library.h"
#include "tests/test_contacts.h"
#include "tests/test_util.h"
#include "tests/win/fake_host_win.h"
#include "tests/win/window_test_util_win.h"

namespace aadx {

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
    window_ = WaitForWindow("ALL-ASIAN", std::chrono::seconds(10));
    if (window_ == nullptr) return false;
    CallAddData(plugin(), TestContact("UA9XYZ", "UA"));
    CallCheckCall(plugin(), TestQuery("JA1ABC"));
    return Eventually(
        [&] { return SystemTitle(window_) == "AADX-CW worked with JA1ABC"; },
        std::chrono::seconds(5));
  }

  std::string Summary() {
    int status = 0;
    const char* text = plugin().GetResult0(&status);
    return text != nullptr ? text : "<null>";
  }

  // Frees the library with the window open: the window's thread and the
  // library go with the unload (the thread within moments of its return),
  // and a new load starts fresh.
  void UnloadThenReload(const std::string& fresh) {
    const DWORD windowThread = GetWindowThreadProcessId(window_, nullptr);
    library_.Unload();
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, windowThread);
    EXPECT_TRUE(Eventually(
        [&] {
          return thread == nullptr || WaitForSingleObject(thread, 0) == 0;
        },
        std::chrono::seconds(2)));
    if (thread != nullptr) CloseHandle(thread);
    EXPECT_EQ(GetModuleHandleA("Stats.dll"), nullptr);
    Load();
    EXPECT_EQ(Summary(), fresh);
  }

  ScopedTempDir dir_;
  FakeHost host_;
  PluginLibrary library_;
  HWND window_ = nullptr;
};

}  // namespace aadx

#endif  // AADX_TESTS_WIN_UNLOAD_WINDOW_FIXTURE_WIN_H_

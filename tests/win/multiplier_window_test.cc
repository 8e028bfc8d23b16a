// The Multiplier window in Stats.dll, loaded by path as the host loads it
// and driven through the exports, with the fake host object registered as
// "Talq2.Application". Screenshots of both views are kept in
// <build>/artifacts.
// tlhelp32.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "loader/host_calls.h"
#include "loader/plugin_library.h"
#include "tests/test_contacts.h"
#include "tests/test_util.h"
#include "tests/win/fake_host_win.h"
#include "tests/win/window_test_util_win.h"
#include "ui/info_button_win.h"

namespace aadx {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using std::chrono::steady_clock;

constexpr int kGridButtonId = 1003;

// A close gives up waiting for the window thread after 5 s; one that
// finishes well before has seen the thread end. (Under Xvfb, without a
// window manager, Wine waits 2 s for every captioned window it hides.)
constexpr seconds kCloseLimit(4);
constexpr double kJune19At0130 = 44366.0625;

int ThreadCount() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL ok = Thread32First(snapshot, &entry); ok;
       ok = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

// A picture of the grid button: from the screen, or painted here by the
// same code into a memory bitmap of the same size.
using Picture = Screenshot;

Picture ButtonOnScreen(HWND dialog, Screenshot* whole) {
  Picture p;
  HWND button = GetDlgItem(dialog, kGridButtonId);
  RECT window;
  RECT r;
  if (button == nullptr || !GetWindowRect(dialog, &window) ||
      !GetWindowRect(button, &r)) {
    return p;
  }
  *whole = CaptureWindow(dialog);
  if (whole->width != window.right - window.left) return p;
  p.width = r.right - r.left;
  p.height = r.bottom - r.top;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      p.pixels.push_back(
          whole->at(r.left - window.left + x, r.top - window.top + y));
    }
  }
  return p;
}

// Runs draw on a memory bitmap of the given size and returns its pixels.
Picture PaintedWith(int width, int height,
                    const std::function<void(HDC, int, int)>& draw) {
  MemoryBitmap bitmap(width, height);
  if (!bitmap.ok()) return Picture();
  draw(bitmap.dc(), width, height);
  return bitmap.Picture();
}

// The grid button's painting of state.
Picture Painted(SharedState* state, int width, int height) {
  return PaintedWith(width, height, [state](HDC dc, int w, int h) {
    CCqWwInfoButton button;
    button.Attach(nullptr, state);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kGridButtonId;
    item.hDC = dc;
    item.rcItem = {0, 0, w, h};
    button.DrawItem(item);
  });
}

void SaveArtifact(const Screenshot& shot, const std::string& name) {
  std::string path = ArtifactPath(name);
  ASSERT_TRUE(SaveBmp(shot, path)) << path;
  std::cout << "Screenshot: " << UnixPath(path) << std::endl;
}

class MultiplierWindowTest : public ::testing::Test {
 protected:
  // The test's thread plays the host's GUI thread, which has COM
  // initialized; the host object lives on a thread of its own unless a
  // test puts it on this one.
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    host_.SetEntryText("");
    host_.SetFrequency(14025000.0);
  }
  void TearDown() override {
    library_.Unload();
    host_.Stop();
    CoUninitialize();
  }

  void StartHost() {
    std::string error;
    ASSERT_TRUE(host_.Start(&error)) << error;
  }
  void Load() {
    std::string error;
    ASSERT_TRUE(library_.Load(AADX_PLUGIN_PATH, &error)) << error;
  }
  const PluginExports& plugin() const { return library_.exports(); }

  // A reset that opens the window: the alternating "Start" setting is 0.
  void ResetOpeningWindow(const std::string& mode = "CW",
                          const std::string& continent = "AS") {
    WriteSetting("Start", "0");
    WriteSetting("Mode", mode);
    ASSERT_EQ(CallResetStats(plugin(), TestReset(continent)), 1);
  }

  HWND WaitForMultiplier() { return WaitForWindow("ALL-ASIAN", seconds(10)); }

  // The host object up, the library loaded with entry in the host's entry
  // field, and a reset that opens the window: the window, null when it did
  // not appear.
  HWND OpenWindow(const std::string& entry = "", const std::string& mode = "CW",
                  const std::string& continent = "AS") {
    StartHost();
    Load();
    host_.SetEntryText(entry);
    ResetOpeningWindow(mode, continent);
    return WaitForMultiplier();
  }

  // A call check connects the host link and re-arms the poll timer.
  void CheckCall() { CallCheckCall(plugin(), TestQuery("JA1ABC")); }

  // How often the window asked the host for its entry field.
  size_t EntryReads() const {
    size_t n = 0;
    for (const FakeHostCall& c : host_.Calls()) n += c.id == 8;
    return n;
  }
  std::vector<std::string> Sp1Macros() const {
    std::vector<std::string> out;
    for (const std::string& m : host_.Macros()) {
      if (m == "<SP1>") out.push_back(m);
    }
    return out;
  }

  bool WaitForTitle(HWND window, const std::string& title) {
    return Eventually([&] { return SystemTitle(window) == title; }, seconds(5));
  }

  // Waits until the grid button on the screen shows what painting the
  // expected state gives.
  bool WaitForGrid(HWND window, SharedState* expected, Screenshot* shot) {
    Picture seen;
    Picture want;
    bool same = Eventually(
        [&] {
          seen = ButtonOnScreen(window, shot);
          want = Painted(expected, seen.width, seen.height);
          return seen.width > 0 && seen == want;
        },
        seconds(5));
    return same;
  }

  ScopedTempDir dir_;
  FakeHost host_;
  PluginLibrary library_;
};

TEST_F(MultiplierWindowTest, ResetOpensItAtTheDefaultPositionOnTop) {
  HWND window = OpenWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ReadSetting("Start"), "1");
  RECT r;
  ASSERT_TRUE(GetWindowRect(window, &r));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 400);
  EXPECT_NE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(GetDlgItem(window, kGridButtonId), nullptr);
  // Owned by a thread of its own, not the host's.
  EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
}

TEST_F(MultiplierWindowTest, TitleFollowsTheEntryFieldAndTheFrequency) {
  HWND window = OpenWindow("JA1ABC");
  ASSERT_NE(window, nullptr);
  // Without a host object the first tick stops the timer; the call check
  // connects and re-arms it.
  std::this_thread::sleep_for(milliseconds(500));
  EXPECT_EQ(SystemTitle(window), "ALL-ASIAN");
  EXPECT_EQ(EntryReads(), 0u);
  CheckCall();
  EXPECT_TRUE(WaitForTitle(window, "AADX-CW worked with JA1ABC"));

  host_.SetEntryText("");
  EXPECT_TRUE(WaitForTitle(window, "AADX-CW  DXCC worked on 20m "));
  host_.SetFrequency(7010000.0);
  EXPECT_TRUE(WaitForTitle(window, "AADX-CW  DXCC worked on 40m "));
  host_.SetFrequency(29100000.0);
  EXPECT_TRUE(WaitForTitle(window, "AADX-CW  DXCC worked on  "));
}

TEST_F(MultiplierWindowTest, SsbOutsideAsiaTitles) {
  HWND window = OpenWindow("UA9XYZ", "SSB", "EU");
  ASSERT_NE(window, nullptr);
  CheckCall();
  EXPECT_TRUE(WaitForTitle(window, "AADX-SSB worked with UA9XYZ"));
  host_.SetEntryText("");
  EXPECT_TRUE(WaitForTitle(window, "AADX-SSB  Prefix worked on 20m "));
}

TEST_F(MultiplierWindowTest, ShortEntryStopsPollingUntilTheNextCallCheck) {
  HWND window = OpenWindow("JA1ABC");
  ASSERT_NE(window, nullptr);
  CheckCall();
  ASSERT_TRUE(WaitForTitle(window, "AADX-CW worked with JA1ABC"));

  host_.SetEntryText("JA");
  std::this_thread::sleep_for(milliseconds(800));  // a tick reads "JA"
  size_t reads = EntryReads();
  std::this_thread::sleep_for(milliseconds(1000));
  EXPECT_EQ(EntryReads(), reads);  // no tick since
  EXPECT_EQ(SystemTitle(window), "AADX-CW worked with JA1ABC");

  host_.SetEntryText("UA9XYZ");
  CheckCall();
  EXPECT_TRUE(WaitForTitle(window, "AADX-CW worked with UA9XYZ"));
  EXPECT_TRUE(Eventually([&] { return EntryReads() > reads + 2; }, seconds(5)));
}

TEST_F(MultiplierWindowTest, Sp1OnlyWhenTunedMoreThan300Hz) {
  HWND window = OpenWindow();
  ASSERT_NE(window, nullptr);
  CheckCall();
  // The first tick sends it: the macro frequency starts at 0.
  ASSERT_TRUE(Eventually([&] { return Sp1Macros().size() == 1; }, seconds(5)));

  auto ticksLater = [&](size_t ticks) {
    size_t reads = EntryReads();
    return Eventually([&] { return EntryReads() >= reads + ticks; },
                      seconds(5));
  };
  host_.SetFrequency(14025300.0);  // 300 Hz
  ASSERT_TRUE(ticksLater(3));
  EXPECT_EQ(Sp1Macros().size(), 1u);
  host_.SetFrequency(14025310.0);  // 310 Hz
  ASSERT_TRUE(Eventually([&] { return Sp1Macros().size() == 2; }, seconds(5)));
  ASSERT_TRUE(ticksLater(3));
  EXPECT_EQ(Sp1Macros().size(), 2u);
}

TEST_F(MultiplierWindowTest, GridShowsTheStoresRowsForTheTypedCall) {
  StartHost();
  Load();
  ResetOpeningWindow();
  ContactArgs first = TestContact("JA1ABC", "JA");
  ASSERT_EQ(CallAddData(plugin(), first), 1);
  ContactArgs other = TestContact("UA9XYZ", "UA");
  other.info.exchRcvd = "17";
  ASSERT_EQ(CallAddData(plugin(), other), 1);
  ContactArgs again = TestContact("JA1ABC", "JA");
  again.info.mode = "SSB";
  again.info.time = {kJune19At0130, kOleDateValid};
  again.info.exchRcvd = "32";
  ASSERT_EQ(CallAddData(plugin(), again), 1);
  ContactArgs on40 = TestContact("JA1ABC", "JA", "40m");
  on40.info.exchRcvd = "31";
  ASSERT_EQ(CallAddData(plugin(), on40), 1);

  host_.SetEntryText("JA1ABC");
  HWND window = WaitForMultiplier();
  ASSERT_NE(window, nullptr);
  CheckCall();
  ASSERT_TRUE(WaitForTitle(window, "AADX-CW worked with JA1ABC"));

  // What the grid must show: the later 20m QSO, the 40m one, the rest
  // blank, 20m highlighted.
  SharedFields rows;
  rows.typedCall = "JA1ABC";
  rows.currentBandSlot = 3;
  for (int i = 0; i < kBandSlots; ++i) {
    rows.bandRows[i] =
        BandRow{kContestBands[i], "   -", "   -", "   -", "   -"};
  }
  rows.bandRows[3] = BandRow{"20m", "SSB", "01:30", "32", "   -"};
  rows.bandRows[2] = BandRow{"40m", "CW", "00:05", "31", "   -"};
  SharedState expected;
  expected.WithLock([&](SharedFields& f) { f = rows; });
  Screenshot shot;
  EXPECT_TRUE(WaitForGrid(window, &expected, &shot));
  SaveArtifact(shot, "multiplier_grid_view.bmp");

  // Painting the reset's rows instead gives another picture.
  SharedState blank;
  blank.WithLock([&](SharedFields& f) {
    f = rows;
    f.bandRows[3] = BandRow{"20m", "   -", "   -", "   -", "   -"};
  });
  Picture seen = ButtonOnScreen(window, &shot);
  EXPECT_FALSE(seen == Painted(&blank, seen.width, seen.height));
}

TEST_F(MultiplierWindowTest, ListViewShowsTheBandsMultipliersSorted) {
  StartHost();
  Load();
  ResetOpeningWindow();
  for (const char* dxcc : {"UA", "JA", "BY"}) {
    ASSERT_EQ(
        CallAddData(plugin(), TestContact(std::string(dxcc) + "1AA", dxcc)), 1);
  }
  int status = 0;
  ASSERT_NE(plugin().GetResult0(&status), nullptr);  // fills the lists

  HWND window = WaitForMultiplier();
  ASSERT_NE(window, nullptr);
  CheckCall();
  ASSERT_TRUE(WaitForTitle(window, "AADX-CW  DXCC worked on 20m "));

  SharedState expected;
  expected.WithLock([](SharedFields& f) {
    f.asiaFlag = 1;
    f.currentBandSlot = 3;
    f.bandDxccLists[3] = {"UA", "JA", "BY"};  // painting sorts them
  });
  Screenshot shot;
  EXPECT_TRUE(WaitForGrid(window, &expected, &shot));
  EXPECT_EQ(CopyFields(&expected).bandDxccLists[3],
            (std::vector<std::string>{"BY", "JA", "UA"}));
  SaveArtifact(shot, "multiplier_list_view.bmp");

  // The entries in the order they were logged would look different.
  Picture seen = ButtonOnScreen(window, &shot);
  Picture asLogged =
      PaintedWith(seen.width, seen.height, [](HDC dc, int w, int h) {
        GridSnapshot s;
        s.bandSlot = 3;
        s.list = {"UA", "JA", "BY"};
        PaintGridPicture(dc, LayOutGrid(s, {0, 0, w, h}));
      });
  EXPECT_FALSE(seen == asLogged);
}

TEST_F(MultiplierWindowTest, PositionIsSavedAndRestored) {
  HWND window = OpenWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(SetWindowPos(window, nullptr, 300, 200, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  EXPECT_EQ(ReadSetting("dxcc_x", "(absent)"),
            "(absent)");  // saved when the mouse comes
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(SendMessageTimeoutA(
      window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
      MAKELPARAM(HTCAPTION, WM_MOUSEMOVE), SMTO_NORMAL, 5000, &ignored));
  EXPECT_EQ(ReadSetting("dxcc_x"), "300");
  EXPECT_EQ(ReadSetting("dxcc_y"), "200");

  library_.Unload();
  ASSERT_FALSE(IsWindow(window));
  Load();
  ResetOpeningWindow();
  window = WaitForMultiplier();
  ASSERT_NE(window, nullptr);
  RECT r;
  ASSERT_TRUE(GetWindowRect(window, &r));
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 200);

  library_.Unload();
  WriteSetting("dxcc_x", "0");
  Load();
  ResetOpeningWindow();
  window = WaitForMultiplier();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(GetWindowRect(window, &r));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 200);
}

TEST_F(MultiplierWindowTest, ResizingKeepsTheGridInsideTheWindow) {
  HWND window = OpenWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(SetWindowPos(window, nullptr, 0, 0, 500, 300,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
  RECT client;
  ASSERT_TRUE(GetClientRect(window, &client));
  HWND button = GetDlgItem(window, kGridButtonId);
  RECT r;
  ASSERT_TRUE(GetWindowRect(button, &r));
  POINT topLeft = {r.left, r.top};
  ScreenToClient(window, &topLeft);
  EXPECT_EQ(topLeft.x, 1);
  EXPECT_EQ(topLeft.y, 1);
  EXPECT_EQ(r.right - r.left, client.right - 4);
  EXPECT_EQ(r.bottom - r.top, client.bottom - 4);
}

TEST_F(MultiplierWindowTest, OperatorCloseKeepsTheHostObject) {
  HWND window = OpenWindow("JA1ABC");
  ASSERT_NE(window, nullptr);
  CheckCall();
  ASSERT_TRUE(WaitForTitle(window, "AADX-CW worked with JA1ABC"));
  WriteSetting("Talq_Good", "1");

  PostMessageA(window, WM_COMMAND, IDCANCEL, 0);  // Esc
  ASSERT_TRUE(Eventually([&] { return !IsWindow(window); }, seconds(5)));
  EXPECT_EQ(ReadSetting("Talq_Good"), "1");  // nothing written

  // The next window polls at once: the link still holds the host object.
  host_.SetEntryText("UA9XYZ");
  ResetOpeningWindow();
  window = WaitForMultiplier();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WaitForTitle(window, "AADX-CW worked with UA9XYZ"));
}

TEST_F(MultiplierWindowTest, UnloadWhileTicksRunClosesCleanly) {
  HWND window = OpenWindow("JA1ABC");
  ASSERT_NE(window, nullptr);
  CheckCall();
  ASSERT_TRUE(WaitForTitle(window, "AADX-CW worked with JA1ABC"));
  size_t reads = EntryReads();
  ASSERT_TRUE(Eventually([&] { return EntryReads() > reads + 2; }, seconds(5)));

  auto start = steady_clock::now();
  library_.Unload();
  auto took = steady_clock::now() - start;
  EXPECT_LT(took, kCloseLimit);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(ReadSetting("Talq_Good"), "0");
  // No tick after the unload.
  reads = EntryReads();
  std::this_thread::sleep_for(milliseconds(700));
  EXPECT_EQ(EntryReads(), reads);
}

TEST_F(MultiplierWindowTest, UnloadWithTheHostObjectOnTheHostsThread) {
  // The real arrangement: the host object lives on the thread that calls
  // the exports, so the window's calls wait for that thread to pump, and
  // the close at unload must serve them while it waits.
  std::string error;
  ASSERT_TRUE(host_.StartOnThisThread(&error)) << error;
  Load();
  host_.SetEntryText("JA1ABC");
  ResetOpeningWindow();
  HWND window = nullptr;
  ASSERT_TRUE(PumpMessagesUntil(
      [&] {
        window = FindWindowA(nullptr, "ALL-ASIAN");
        return window != nullptr;
      },
      seconds(10)));
  CheckCall();
  ASSERT_TRUE(PumpMessagesUntil(
      [&] { return SystemTitle(window) == "AADX-CW worked with JA1ABC"; },
      seconds(5)));
  size_t reads = EntryReads();
  ASSERT_TRUE(
      PumpMessagesUntil([&] { return EntryReads() > reads + 2; }, seconds(5)));

  auto start = steady_clock::now();
  library_.Unload();
  EXPECT_LT(steady_clock::now() - start, kCloseLimit);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(MultiplierWindowTest, ManyStartCloseCyclesNeitherHangNorLeakThreads) {
  StartHost();
  host_.SetEntryText("JA1ABC");
  // One full cycle first: COM starts the threads it keeps for itself.
  Load();
  ResetOpeningWindow();
  ASSERT_NE(WaitForMultiplier(), nullptr);
  CheckCall();
  library_.Unload();
  std::this_thread::sleep_for(milliseconds(500));
  const int threads = ThreadCount();
  ASSERT_GT(threads, 0);

  constexpr int kCycles = 20;
  auto slowest = steady_clock::duration::zero();
  for (int i = 0; i < kCycles; ++i) {
    Load();
    ResetOpeningWindow();
    HWND window = nullptr;
    if (i % 3 != 0) {  // else: closed before it may have been shown
      window = WaitForMultiplier();
      ASSERT_NE(window, nullptr) << i;
    }
    if (i % 3 == 2) {
      CheckCall();
      ASSERT_TRUE(WaitForTitle(window, "AADX-CW worked with JA1ABC")) << i;
    }
    auto start = steady_clock::now();
    library_.Unload();
    slowest = std::max(slowest, steady_clock::now() - start);
    ASSERT_FALSE(window != nullptr && IsWindow(window)) << i;
  }
  std::cout << kCycles << " start/close cycles, slowest close "
            << std::chrono::duration_cast<milliseconds>(slowest).count()
            << " ms" << std::endl;
  EXPECT_LT(slowest, kCloseLimit);
  EXPECT_EQ(FindWindowA(nullptr, "ALL-ASIAN"), nullptr);
  EXPECT_TRUE(Eventually([&] { return ThreadCount() <= threads; }, seconds(3)))
      << ThreadCount() << " threads, " << threads << " before";
}

}  // namespace
}  // namespace aadx

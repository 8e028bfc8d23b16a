// The COM host link against a fake "Talq2.Application" running object:
// what each call asks of the host, from the host's thread and from a
// window thread, and how failures come back.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "host/host_link.h"
#include "tests/win/fake_host_win.h"

namespace aadx {
namespace {

// Runs body on a new thread that initializes COM as the given apartment
// (or not at all when init is false) and waits for it.
void RunOnThread(const std::function<void()>& body, bool init = true,
                 DWORD model = COINIT_APARTMENTTHREADED) {
  std::thread t([&] {
    if (init) {
      ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, model)));
    }
    body();
    if (init) CoUninitialize();
  });
  t.join();
}

// True when the calling thread has not initialized COM (probing undoes
// itself).
bool ThreadHasNoCom() {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (SUCCEEDED(hr)) CoUninitialize();
  return hr == S_OK;
}

std::string Ansi(const std::wstring& text) {
  int n =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                          nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                      &out[0], n, nullptr, nullptr);
  return out;
}

class HostLinkTest : public ::testing::Test {
 protected:
  // The test's own thread plays the host's thread, which has COM
  // initialized as any GUI program that registers automation objects.
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override {
    link_->Release();
    host_.Stop();
    CoUninitialize();
  }

  void StartHost() {
    std::string error;
    ASSERT_TRUE(host_.Start(&error)) << error;
  }

  // All four calls fail, leaving what they were to write as it was.
  void ExpectEveryCallFails() {
    int32_t state = 42;
    double hz = 1.5;
    std::string text = "kept";
    EXPECT_FALSE(link_->ReadHostState(&state));
    EXPECT_FALSE(link_->ReadHostFrequency(&hz));
    EXPECT_FALSE(link_->ReadEntryText(&text));
    EXPECT_FALSE(link_->RunHostMacro("<SP1>"));
    EXPECT_EQ(state, 42);
    EXPECT_EQ(hz, 1.5);
    EXPECT_EQ(text, "kept");
  }

  HostLink* link_ = DefaultHostLink();
  FakeHost host_;
};

TEST_F(HostLinkTest, WithoutARunningHostEveryCallFails) {
  link_->Connect();
  EXPECT_FALSE(link_->HasHost());
  ExpectEveryCallFails();
}

TEST_F(HostLinkTest, CallsReachTheHostByDispatchId) {
  StartHost();
  host_.SetState(7);
  host_.SetFrequency(14025300.0);
  host_.SetEntryText("JA1ABC");
  link_->Connect();
  ASSERT_TRUE(link_->HasHost());

  int32_t state = 0;
  double hz = 0.0;
  std::string text;
  EXPECT_TRUE(link_->ReadHostState(&state));
  EXPECT_TRUE(link_->ReadHostFrequency(&hz));
  EXPECT_TRUE(link_->ReadEntryText(&text));
  EXPECT_TRUE(link_->RunHostMacro("<MODE:CW>"));
  EXPECT_EQ(state, 7);
  EXPECT_EQ(hz, 14025300.0);
  EXPECT_EQ(text, "JA1ABC");
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{"<MODE:CW>"});

  std::vector<FakeHostCall> calls = host_.Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].id, 1);
  EXPECT_EQ(calls[0].flags, DISPATCH_PROPERTYGET);
  EXPECT_TRUE(calls[0].args.empty());
  EXPECT_EQ(calls[1].id, 2);
  EXPECT_EQ(calls[1].flags, DISPATCH_PROPERTYGET);
  EXPECT_EQ(calls[2].id, 8);
  EXPECT_EQ(calls[2].flags, DISPATCH_METHOD);
  EXPECT_EQ(calls[2].argTypes, std::vector<VARTYPE>{VT_I4});
  EXPECT_EQ(calls[2].args, std::vector<std::string>{"5"});
  EXPECT_EQ(calls[3].id, 16);
  EXPECT_EQ(calls[3].flags, DISPATCH_METHOD);
  EXPECT_EQ(calls[3].argTypes, std::vector<VARTYPE>{VT_BSTR});
}

TEST_F(HostLinkTest, EntryTextsTravelInTheAnsiCodePage) {
  StartHost();
  link_->Connect();
  std::string text = "kept";
  host_.SetEntryText("");
  EXPECT_TRUE(link_->ReadEntryText(&text));
  EXPECT_EQ(text, "");

  const std::wstring accented = L"DL\u00c4B/p";
  host_.SetEntryTextWide(accented);
  EXPECT_TRUE(link_->ReadEntryText(&text));
  EXPECT_EQ(text, Ansi(accented));
  EXPECT_EQ(text.size(), accented.size());

  EXPECT_TRUE(link_->RunHostMacro(Ansi(accented)));
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{Ansi(accented)});
}

TEST_F(HostLinkTest, AHostOnTheCallingThreadServesTheWindowThreadWhileItPumps) {
  // The real host's arrangement: its object lives on the thread that calls
  // the exports.
  std::string error;
  ASSERT_TRUE(host_.StartOnThisThread(&error)) << error;
  host_.SetState(0);
  host_.SetEntryText("JA1ABC");
  link_->Connect();
  int32_t state = -1;
  EXPECT_TRUE(link_->ReadHostState(&state));
  EXPECT_EQ(state, 0);

  std::string text;
  std::atomic<bool> done{false};
  std::thread window([&] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_TRUE(link_->ReadEntryText(&text));
    EXPECT_TRUE(link_->RunHostMacro("<SP1>"));
    CoUninitialize();
    done = true;
  });
  EXPECT_TRUE(
      PumpMessagesUntil([&] { return done.load(); }, std::chrono::seconds(10)));
  window.join();
  EXPECT_EQ(text, "JA1ABC");
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{"<SP1>"});
  for (const FakeHostCall& call : host_.Calls()) {
    EXPECT_EQ(call.threadId, GetCurrentThreadId()) << "dispatch id " << call.id;
  }
}

TEST_F(HostLinkTest, AWindowThreadCallsThroughItsOwnMarshalledPointer) {
  StartHost();
  host_.SetEntryText("UA9XYZ");
  host_.SetFrequency(7001000.0);
  link_->Connect();  // on the host's thread

  std::string text;
  double hz = 0.0;
  bool macroSent = false;
  bool comLeftAsFound = false;
  RunOnThread([&] {
    EXPECT_TRUE(link_->ReadEntryText(&text));
    EXPECT_TRUE(link_->ReadHostFrequency(&hz));
    macroSent = link_->RunHostMacro("<SP1>");
    // Still initialized once, by the thread itself: S_FALSE.
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comLeftAsFound = hr == S_FALSE;
    if (SUCCEEDED(hr)) CoUninitialize();
  });
  EXPECT_EQ(text, "UA9XYZ");
  EXPECT_EQ(hz, 7001000.0);
  EXPECT_TRUE(macroSent);
  EXPECT_TRUE(comLeftAsFound);
  for (const FakeHostCall& call : host_.Calls()) {
    EXPECT_EQ(call.threadId, host_.ThreadId()) << "dispatch id " << call.id;
  }
}

TEST_F(HostLinkTest, AThreadWithoutComIsServedAndLeftWithout) {
  StartHost();
  host_.SetState(3);
  link_->Connect();
  int32_t state = 0;
  bool noComAfter = false;
  RunOnThread(
      [&] {
        EXPECT_TRUE(link_->ReadHostState(&state));
        noComAfter = ThreadHasNoCom();
      },
      /*init=*/false);
  EXPECT_EQ(state, 3);
  EXPECT_TRUE(noComAfter);
}

TEST_F(HostLinkTest, AThreadInTheMultithreadedApartmentIsServed) {
  StartHost();
  host_.SetFrequency(21000000.0);
  link_->Connect();
  double hz = 0.0;
  RunOnThread([&] { EXPECT_TRUE(link_->ReadHostFrequency(&hz)); }, true,
              COINIT_MULTITHREADED);
  EXPECT_EQ(hz, 21000000.0);
}

TEST_F(HostLinkTest, AHostThreadWithoutComConnectsForTheWindowThread) {
  StartHost();
  host_.SetEntryText("BY1AA");
  bool noComAfter = false;
  RunOnThread(
      [&] {
        link_->Connect();
        noComAfter = ThreadHasNoCom();
      },
      /*init=*/false);
  EXPECT_TRUE(noComAfter);
  ASSERT_TRUE(link_->HasHost());
  std::string text;
  RunOnThread([&] { EXPECT_TRUE(link_->ReadEntryText(&text)); });
  EXPECT_EQ(text, "BY1AA");
}

TEST_F(HostLinkTest, AFailedLookupKeepsTheHostHeldBefore) {
  StartHost();
  host_.SetState(5);
  link_->Connect();
  host_.Unregister();
  link_->Connect();
  ASSERT_TRUE(link_->HasHost());
  int32_t state = 0;
  EXPECT_TRUE(link_->ReadHostState(&state));
  EXPECT_EQ(state, 5);
}

TEST_F(HostLinkTest, ReleaseLetsGoOfTheHost) {
  StartHost();
  link_->Connect();
  link_->Release();
  EXPECT_FALSE(link_->HasHost());
  EXPECT_FALSE(link_->RunHostMacro("<SP1>"));
  EXPECT_TRUE(host_.Calls().empty());
  link_->Release();  // twice is harmless
  link_->Connect();
  EXPECT_TRUE(link_->HasHost());
}

TEST_F(HostLinkTest, ARefusingHostMakesCallsFailWithoutChangingOutputs) {
  StartHost();
  link_->Connect();
  host_.SetRefusing(true);
  ExpectEveryCallFails();
  EXPECT_EQ(host_.Calls().size(), 4u);
  EXPECT_TRUE(host_.Macros().empty());
}

TEST_F(HostLinkTest, AHostThatWentAwayMakesCallsFail) {
  StartHost();
  link_->Connect();
  host_.Stop();
  EXPECT_TRUE(link_->HasHost());  // still held, but no longer answering
  std::string text = "kept";
  EXPECT_FALSE(link_->ReadEntryText(&text));
  EXPECT_EQ(text, "kept");
  bool windowCallFailed = false;
  RunOnThread([&] { windowCallFailed = !link_->RunHostMacro("<SP1>"); });
  EXPECT_TRUE(windowCallFailed);
}

TEST_F(HostLinkTest, WindowCallsKeepWorkingWhileTheHostThreadReconnects) {
  StartHost();
  host_.SetEntryText("JA1ABC");
  link_->Connect();
  const int kRounds = 200;
  std::atomic<int> failures{0};
  std::thread window([&] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (int i = 0; i < kRounds; ++i) {
      std::string text;
      if (!link_->ReadEntryText(&text) || text != "JA1ABC") ++failures;
    }
    CoUninitialize();
  });
  for (int i = 0; i < kRounds; ++i) link_->Connect();
  window.join();
  EXPECT_EQ(failures.load(), 0);
  EXPECT_TRUE(link_->HasHost());
}

}  // namespace
}  // namespace aadx

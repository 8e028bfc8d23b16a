// The release exports called as the host calls them: each argument pushed
// as one or two 32-bit words by a __cdecl caller, the stack pointer checked
// after every call. A __stdcall export would remove its own arguments and
// leave the host's stack off by that much on every call.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "plugin/stats_exports.h"
#include "tests/release/cdecl_thunk.h"
#include "tests/test_util.h"
#include "tests/win/window_test_util_win.h"

namespace aadx {
namespace {

// One argument list, built word by word as a caller pushes it.
class Words {
 public:
  Words& Text(const char* text) { return Word(Address(text)); }
  Words& Texts(int n) {
    for (int i = 0; i < n; ++i) Text("");
    return *this;
  }
  Words& Date(const StatsOleDate* date) { return Word(Address(date)); }
  Words& Int(int value) { return Word(static_cast<uint32_t>(value)); }
  Words& Ints(int n) {
    for (int i = 0; i < n; ++i) Int(0);
    return *this;
  }
  Words& Doubles(int n) {
    for (int i = 0; i < n; ++i) {
      double value = 14025.0;
      uint32_t halves[2];
      std::memcpy(halves, &value, sizeof halves);
      Word(halves[0]).Word(halves[1]);  // low word at the lower address
    }
    return *this;
  }
  Words& Pointer(void* p) { return Word(Address(p)); }
  // The run both the contact and the call-check lists have: eight unread
  // texts, prefix, DXCC entity, three ints, two doubles, an unread text and
  // the continent code.
  Words& Station() {
    return Texts(8).Text("JA1").Text("JA").Ints(3).Doubles(2).Text("").Text(
        "AS");
  }

  const std::vector<uint32_t>& words() const { return words_; }

 private:
  static uint32_t Address(const void* p) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
  }
  Words& Word(uint32_t w) {
    words_.push_back(w);
    return *this;
  }
  std::vector<uint32_t> words_;
};

// A contest run's worth of calls, in the host's order, each with the result
// a correct plug-in gives when every argument arrived in its place.
struct Call {
  const char* name;
  Words args;
  std::function<bool(uint32_t result)> resultOk;
  std::string expected;  // the result, described for failure messages
};

const StatsOleDate kContestStart = {44366.0, kOleDateValid};  // 2021-06-19
const StatsOleDate kContestEnd = {44368.0, kOleDateValid};
const StatsOleDate kQsoTime = {44366.25, kOleDateValid};
int resultStatus = 0;
char buffer27[64];
char buffer28[64];

Words ContactArgs() {
  return Words()
      .Text("DL1ABC")
      .Text("JA1XYZ")
      .Date(&kQsoTime)
      .Date(&kQsoTime)
      .Date(&kQsoTime)
      .Date(&kQsoTime)
      .Int(0)
      .Int(14025000)
      .Text("CW")
      .Text("599")
      .Text("599")
      .Text("40")
      .Text("25")
      .Station()
      .Text("")
      .Text("20m")
      .Text("");
}

Words CheckArgs() {
  return Words()
      .Text("JA1XYZ")
      .Int(0)
      .Int(0)
      .Text("CW")
      .Station()
      .Texts(3)
      .Text("20m")
      .Text("20m")
      .Pointer(buffer27)
      .Pointer(buffer28);
}

Words ResetArgs() {
  return Words()
      .Text("")
      .Int(0)
      .Text("DL1ABC")
      .Date(&kContestStart)
      .Date(&kContestEnd)
      .Texts(10)
      .Ints(3)
      .Doubles(2)
      .Text("")
      .Text("EU")
      .Text("");
}

bool Is(uint32_t result, uint32_t expected) { return result == expected; }
bool IsText(uint32_t result, const char* expected) {
  const char* text = reinterpret_cast<const char*>(result);
  return text != nullptr && std::strcmp(text, expected) == 0;
}
bool TextHolds(uint32_t result, const char* part) {
  const char* text = reinterpret_cast<const char*>(result);
  return text != nullptr && std::strstr(text, part) != nullptr;
}

std::vector<Call> HostCalls() {
  return {
      {"ResetStats0", ResetArgs(), [](uint32_t r) { return Is(r, 1); }, "1"},
      {"AddData0", ContactArgs(), [](uint32_t r) { return Is(r, 1); },
       "1 (stored)"},
      {"CheckCall0", CheckArgs(), [](uint32_t r) { return Is(r, 0); },
       "0 (duplicate)"},
      {"GetResult0", Words().Pointer(&resultStatus),
       [](uint32_t r) { return TextHolds(r, "20m"); },
       "a summary naming the 20m band"},
      {"RemoveData0", ContactArgs(), [](uint32_t r) { return Is(r, 1); }, "1"},
      {"GetSetName", Words().Int(0),
       [](uint32_t r) { return IsText(r, "AADX CW/SSB (C)"); },
       "\"AADX CW/SSB (C)\""},
      {"GetNumberOfSets", Words(), [](uint32_t r) { return Is(r, 1); }, "1"},
      {"GetExchgCount0", Words().Texts(3), [](uint32_t r) { return Is(r, 1); },
       "1"},
      {"IsValidExchg0", Words().Text("25").Texts(3).Ints(3),
       [](uint32_t r) { return Is(r, 1); }, "1 (valid)"},
  };
}

// Bytes of arguments an export removed itself (negative: it left more on
// the stack than it was given).
struct StackReport {
  std::string name;
  bool found = false;
  size_t argumentBytes = 0;
  long removed = 0;
  CdeclCallOutcome outcome = {};
};

StackReport CallAsHost(HMODULE dll, const Call& call, uint32_t misalign) {
  StackReport report;
  report.name = call.name;
  report.argumentBytes = 4 * call.args.words().size();
  FARPROC fn = GetProcAddress(dll, call.name);
  if (fn == nullptr) return report;
  report.found = true;
  report.removed = static_cast<int32_t>(aadx_call_as_cdecl_caller(
      reinterpret_cast<const void*>(fn), call.args.words().data(),
      call.args.words().size(), misalign, &report.outcome));
  return report;
}

std::string Describe(const StackReport& r) {
  char line[160];
  if (!r.found) {
    std::snprintf(line, sizeof line, "%s: not exported", r.name.c_str());
  } else if (r.removed == 0) {
    std::snprintf(line, sizeof line,
                  "%s: %u argument bytes, stack left to the caller (__cdecl)",
                  r.name.c_str(), static_cast<unsigned>(r.argumentBytes));
  } else {
    std::snprintf(line, sizeof line,
                  "%s: %u argument bytes, callee removed %ld itself "
                  "(not __cdecl): the host's stack is off by %ld",
                  r.name.c_str(), static_cast<unsigned>(r.argumentBytes),
                  r.removed, r.removed);
  }
  return line;
}

TEST(CdeclStackCheck, EveryReleaseExportLeavesTheStackToItsCaller) {
  ScopedTempDir dir;
  HMODULE dll = LoadLibraryA("Stats.dll");
  ASSERT_NE(dll, nullptr);
  // The host guarantees no more than 4-byte stack alignment.
  for (uint32_t misalign : {0u, 4u, 8u, 12u}) {
    SCOPED_TRACE("stack pointer 16n + " + std::to_string(misalign));
    for (const Call& call : HostCalls()) {
      StackReport r = CallAsHost(dll, call, misalign);
      if (misalign == 0) std::printf("%s\n", Describe(r).c_str());
      ASSERT_TRUE(r.found) << call.name << " is not exported";
      EXPECT_EQ(r.removed, 0) << Describe(r);
      EXPECT_TRUE(call.resultOk(r.outcome.eax))
          << call.name << " returned " << r.outcome.eax << ", expected "
          << call.expected << ": the arguments did not arrive in place";
      EXPECT_EQ(r.outcome.ebx, kCdeclThunkEbx) << call.name << " lost EBX";
      EXPECT_EQ(r.outcome.esi, kCdeclThunkEsi) << call.name << " lost ESI";
    }
  }
  FreeLibrary(dll);
}

// SetupSet0 takes no arguments, so either convention leaves the stack
// alone; the call still has to come back with the callee-saved registers.
TEST(CdeclStackCheck, SetupExportReturnsWithTheCallersRegisters) {
  ScopedTempDir dir;
  HMODULE dll = LoadLibraryA("Stats.dll");
  ASSERT_NE(dll, nullptr);
  bool dialogSeen = false;
  std::thread operatorThread([&] {
    HWND dialog =
        WaitForWindow("Setup All Asian Contest", std::chrono::seconds(10));
    dialogSeen = dialog != nullptr;
    if (dialog != nullptr) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  StackReport r = CallAsHost(dll, {"SetupSet0", Words(), nullptr, ""}, 4);
  operatorThread.join();
  EXPECT_TRUE(dialogSeen);
  EXPECT_EQ(r.removed, 0) << Describe(r);
  EXPECT_EQ(r.outcome.ebx, kCdeclThunkEbx);
  EXPECT_EQ(r.outcome.esi, kCdeclThunkEsi);
  FreeLibrary(dll);
}

// The check itself: a DLL whose exports are __stdcall fails it for every
// export that takes arguments, by exactly their size.
TEST(CdeclStackCheck, CatchesExportsThatRemoveTheirOwnArguments) {
  HMODULE dll = LoadLibraryA("stdcall_exports.dll");
  ASSERT_NE(dll, nullptr);
  int caught = 0;
  for (const Call& call : HostCalls()) {
    StackReport r = CallAsHost(dll, call, 4);
    std::printf("%s\n", Describe(r).c_str());
    ASSERT_TRUE(r.found) << call.name << " is not exported";
    EXPECT_EQ(static_cast<size_t>(r.removed), r.argumentBytes) << call.name;
    if (r.removed != 0) ++caught;
  }
  EXPECT_EQ(caught, 8);  // all but GetNumberOfSets, which takes nothing
  FreeLibrary(dll);
}

}  // namespace
}  // namespace aadx

// The mode macro and "Talq_Good" through the exports, with the fake host
// registered as "Talq2.Application" (or not).
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/exports/plugin_fixture.h"
#include "tests/win/fake_host_win.h"

namespace aadx {
namespace {

class ModeMacroTest : public PluginTest {
 protected:
  // The test's thread plays the host's GUI thread, which has COM
  // initialized.
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    PluginTest::SetUp();
  }
  void TearDown() override {
    PluginTest::TearDown();
    host_.Stop();
    CoUninitialize();
  }

  void StartHost() {
    std::string error;
    ASSERT_TRUE(host_.Start(&error)) << error;
  }

  // Settings before the run; "Start" = 1 keeps the reset from opening the
  // Multiplier window, which these tests do not need.
  void WriteSettings(const std::string& lines) {
    WriteFileBytes(SettingsFilePath(), "[Settings]\r\nStart=1\r\n" + lines);
  }

  std::string TalqGood() { return ReadSetting("Talq_Good", "(absent)"); }

  FakeHost host_;
};

TEST_F(ModeMacroTest, CwRunSendsModeCwOnceAndMarksTalqGood) {
  StartHost();
  WriteSettings("Mode=CW\r\n");
  Reset();
  EXPECT_EQ(TalqGood(), "(absent)");
  EXPECT_NE(Result().find("AADX-CW"), std::string::npos);
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{"<MODE:CW>"});
  EXPECT_EQ(TalqGood(), "1");

  Result();
  Result();
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{"<MODE:CW>"});
}

TEST_F(ModeMacroTest, SsbRunSendsModeSsb) {
  StartHost();
  WriteSettings("Mode=SSB\r\nTalq_Good=0\r\n");
  Reset();
  Result();
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{"<MODE:SSB>"});
  EXPECT_EQ(TalqGood(), "1");
}

TEST_F(ModeMacroTest, AHostOnTheCallingThreadGetsTheMacroDirectly) {
  std::string error;
  ASSERT_TRUE(host_.StartOnThisThread(&error)) << error;
  WriteSettings("Mode=SSB\r\n");
  Reset();
  Result();
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{"<MODE:SSB>"});
  ASSERT_EQ(host_.Calls().size(), 1u);
  EXPECT_EQ(host_.Calls()[0].threadId, GetCurrentThreadId());
  EXPECT_EQ(TalqGood(), "1");
}

TEST_F(ModeMacroTest, WithoutARegisteredHostNoMacroButTalqGoodIsWritten) {
  StartHost();
  host_.Unregister();  // alive, but not to be found
  WriteSettings("Mode=CW\r\n");
  Reset();
  Result();
  EXPECT_EQ(TalqGood(), "1");
  Result();
  EXPECT_TRUE(host_.Calls().empty());
  EXPECT_EQ(host_.DispatchQueries(), 0);
}

TEST_F(ModeMacroTest, TalqGoodLeftSetByAnEarlierRunSuppressesMacroAndLookup) {
  StartHost();
  WriteSettings("Mode=CW\r\nTalq_Good=1\r\n");
  Reset();
  host_.ClearRecords();
  Result();
  EXPECT_TRUE(host_.Macros().empty());
  EXPECT_EQ(host_.DispatchQueries(), 0);

  // The same host is found by a call check, which looks it up each time.
  CallQuery q;
  q.call = "JA1ABC";
  q.band = q.band2 = "20m";
  CallCheckCall(plugin(), q);
  EXPECT_GT(host_.DispatchQueries(), 0);
}

TEST_F(ModeMacroTest, CallCheckWithoutAWindowLooksUpButReadsNoState) {
  StartHost();
  host_.SetState(0);
  WriteSettings("Mode=CW\r\n");
  Reset();
  CallQuery q;
  q.call = "JA1ABC";
  q.band = q.band2 = "20m";
  CallCheckCall(plugin(), q);
  EXPECT_GT(host_.DispatchQueries(), 0);
  EXPECT_TRUE(host_.Calls().empty());
  // The link it found is the one GetResult0 then uses.
  Result();
  EXPECT_EQ(host_.Macros(), std::vector<std::string>{"<MODE:CW>"});
}

}  // namespace
}  // namespace aadx

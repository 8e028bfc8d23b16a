// What the Windows profile API itself does with a value that holds a line
// break: why the settings hand it single lines only (settings_test.cc runs
// the same write through the settings, here against this very API).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/settings.h"
#include "tests/test_util.h"

namespace aadx {
namespace {

TEST(ProfileWinTest, TheProfileApiWritesALineBreakIntoTheFileAsItIs) {
  ScopedTempDir dir;
  const char value[] = "DL5XYZ\r\n[Evil]\r\nMode=CW";
  ASSERT_TRUE(
      WritePrivateProfileStringA("Settings", "Mode", "SSB", kSettingsFile));
  ASSERT_TRUE(WritePrivateProfileStringA("Settings", "Operators", value,
                                         kSettingsFile));
  std::string file = ReadFileBytes(SettingsFilePath());
  std::printf("settings file after a raw write: %s\n", file.c_str());
  EXPECT_EQ(file,
            "[Settings]\r\nMode=SSB\r\nOperators=DL5XYZ\r\n[Evil]\r\n"
            "Mode=CW\r\n");
  // Read back through the same API, the injected section is real.
  char read[100] = "";
  GetPrivateProfileStringA("Evil", "Mode", "", read, sizeof read,
                           kSettingsFile);
  std::printf("[Evil] Mode reads back as \"%s\"\n", read);
  EXPECT_STREQ(read, "CW");
}

}  // namespace
}  // namespace aadx

#include "tools/replay/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace aadx {
namespace replay {
namespace {

TEST(SettingsFileTest, NewTextGetsSectionAndKeyWithCrLf) {
  EXPECT_EQ("[Settings]\r\nMode=CW\r\n",
            WithSetting("", "Settings", "Mode", "CW"));
}

TEST(SettingsFileTest, FirstMatchingKeyChangesIgnoringCaseAndBlanks) {
  EXPECT_EQ(
      "[Other]\r\nMode=x\r\n [ settings ]\r\n; Mode=old\r\n  MODE =SSB\r\n"
      "Mode=second\r\n",
      WithSetting("[Other]\r\nMode=x\r\n [ settings ]\r\n; Mode=old\r\n"
                  "  MODE =CW\r\nMode=second\r\n",
                  "Settings", "Mode", "SSB"));
}

TEST(SettingsFileTest, NewKeyGoesAtTheEndOfItsSection) {
  EXPECT_EQ("[Settings]\nName=Ann\nMode=CW\n\n[Next]\nA=1\n",
            WithSetting("[Settings]\nName=Ann\n\n[Next]\nA=1\n", "Settings",
                        "Mode", "CW"));
  EXPECT_EQ("[Settings]\rMode=CW\r",
            WithSetting("[Settings]\r", "Settings", "Mode", "CW"));
}

TEST(SettingsFileTest, MissingSectionIsAppended) {
  EXPECT_EQ("[Other]\r\nA=1\r\n[Settings]\r\nMode=CW\r\n",
            WithSetting("[Other]\r\nA=1", "Settings", "Mode", "CW"));
}

TEST(SettingsFileTest, WritesTheFile) {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / "aadx_settings_file_test.ini";
  std::filesystem::remove(path);
  std::string error;
  ASSERT_TRUE(WriteSetting(path.string(), "Settings", "Name", "Ann", &error));
  ASSERT_TRUE(WriteSetting(path.string(), "Settings", "Mode", "CW", &error));
  std::ostringstream text;
  {
    std::ifstream in(path, std::ios::binary);
    text << in.rdbuf();
  }  // closed before the removal: Windows refuses to remove an open file
  EXPECT_EQ("[Settings]\r\nName=Ann\r\nMode=CW\r\n", text.str());
  std::filesystem::remove(path);

  EXPECT_FALSE(WriteSetting(
      (std::filesystem::temp_directory_path() / "no_such_dir" / "x.ini")
          .string(),
      "Settings", "Mode", "CW", &error));
  EXPECT_NE(std::string::npos, error.find("cannot be written"));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

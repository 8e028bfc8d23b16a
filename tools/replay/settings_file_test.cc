#include "tools/replay/settings_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_util.h"

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
  ScopedTempDir temp(ScopedTempDir::kEmpty);
  const std::string path = (temp.path() / "settings.ini").string();
  std::string error;
  ASSERT_TRUE(WriteSetting(path, "Settings", "Name", "Ann", &error));
  ASSERT_TRUE(WriteSetting(path, "Settings", "Mode", "CW", &error));
  EXPECT_EQ("[Settings]\r\nName=Ann\r\nMode=CW\r\n", ReadFileBytes(path));

  EXPECT_FALSE(WriteSetting((temp.path() / "no_such_dir" / "x.ini").string(),
                            "Settings", "Mode", "CW", &error));
  EXPECT_NE(std::string::npos, error.find("cannot be written"));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

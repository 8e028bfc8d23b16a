#include "ui/window_position.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/test_util.h"

namespace aadx {
namespace {

class WindowPositionTest : public ::testing::Test {
 protected:
  // The position the window opens at, as x and y.
  std::pair<int, int> Loaded() {
    WindowPosition p = LoadWindowPosition(&settings_);
    return {p.x, p.y};
  }

  // The same, after the settings were given these coordinate texts.
  std::pair<int, int> LoadedAfter(const std::string& x, const std::string& y) {
    EXPECT_TRUE(settings_.WriteText("dxcc_x", x).ok());
    EXPECT_TRUE(settings_.WriteText("dxcc_y", y).ok());
    return Loaded();
  }

  ScopedTempDir dir_;
  Settings settings_{DefaultDesktop()};
};

TEST_F(WindowPositionTest, MissingSettingsOpenAt10And400) {
  EXPECT_EQ(Loaded(), std::make_pair(10, 400));
}

TEST_F(WindowPositionTest, ZeroOrNonNumericCoordinateTakesItsDefault) {
  EXPECT_EQ(LoadedAfter("0", "250"), std::make_pair(10, 250));
  EXPECT_EQ(LoadedAfter("120px", "top"), std::make_pair(120, 400));
}

TEST_F(WindowPositionTest, NegativeCoordinatesAreKept) {
  // A window on a monitor left of the main one.
  EXPECT_EQ(LoadedAfter("-1200", "-5"), std::make_pair(-1200, -5));
}

TEST_F(WindowPositionTest, SavesOnlyTheCoordinatesThatChanged) {
  WindowPosition saved = LoadWindowPosition(&settings_);
  SaveWindowPosition(&settings_, &saved, 10, 400);
  EXPECT_FALSE(FileExists(SettingsFilePath()));

  SaveWindowPosition(&settings_, &saved, 300, 400);
  EXPECT_EQ(saved.x, 300);
  EXPECT_EQ(settings_.ReadText("dxcc_x"), "300");
  EXPECT_EQ(settings_.ReadText("dxcc_y"), "");

  SaveWindowPosition(&settings_, &saved, 300, 200);
  EXPECT_EQ(saved.y, 200);
  EXPECT_EQ(settings_.ReadText("dxcc_y"), "200");

  // What was saved is where the window opens next time.
  EXPECT_EQ(Loaded(), std::make_pair(300, 200));
}

TEST_F(WindowPositionTest, OnlyDifferencesFromTheSavedValuesAreWritten) {
  WindowPosition saved = LoadWindowPosition(&settings_);
  SaveWindowPosition(&settings_, &saved, 300, 200);
  // Someone else changes the file; an unchanged window writes nothing.
  ASSERT_TRUE(settings_.WriteText("dxcc_x", "77").ok());
  SaveWindowPosition(&settings_, &saved, 300, 200);
  EXPECT_EQ(settings_.ReadText("dxcc_x"), "77");
}

}  // namespace
}  // namespace aadx

#include "ui/window_position.h"

#include <gtest/gtest.h>

#include "tests/test_util.h"

namespace aadx {
namespace {

class WindowPositionTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
  Settings settings_{DefaultProfile()};
};

TEST_F(WindowPositionTest, MissingSettingsOpenAt10And400) {
  WindowPosition p = LoadWindowPosition(&settings_);
  EXPECT_EQ(p.x, 10);
  EXPECT_EQ(p.y, 400);
}

TEST_F(WindowPositionTest, ZeroOrNonNumericCoordinateTakesItsDefault) {
  settings_.WriteText("dxcc_x", "0");
  settings_.WriteText("dxcc_y", "250");
  WindowPosition p = LoadWindowPosition(&settings_);
  EXPECT_EQ(p.x, 10);
  EXPECT_EQ(p.y, 250);

  settings_.WriteText("dxcc_x", "120px");
  settings_.WriteText("dxcc_y", "top");
  p = LoadWindowPosition(&settings_);
  EXPECT_EQ(p.x, 120);
  EXPECT_EQ(p.y, 400);
}

TEST_F(WindowPositionTest, NegativeCoordinatesAreKept) {
  // A window on a monitor left of the main one.
  settings_.WriteText("dxcc_x", "-1200");
  settings_.WriteText("dxcc_y", "-5");
  WindowPosition p = LoadWindowPosition(&settings_);
  EXPECT_EQ(p.x, -1200);
  EXPECT_EQ(p.y, -5);
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
  WindowPosition next = LoadWindowPosition(&settings_);
  EXPECT_EQ(next.x, 300);
  EXPECT_EQ(next.y, 200);
}

TEST_F(WindowPositionTest, OnlyDifferencesFromTheSavedValuesAreWritten) {
  WindowPosition saved = LoadWindowPosition(&settings_);
  SaveWindowPosition(&settings_, &saved, 300, 200);
  // Someone else changes the file; an unchanged window writes nothing.
  settings_.WriteText("dxcc_x", "77");
  SaveWindowPosition(&settings_, &saved, 300, 200);
  EXPECT_EQ(settings_.ReadText("dxcc_x"), "77");
}

}  // namespace
}  // namespace aadx

// The mode macro when the settings file cannot be written: "Talq_Good"
// never reaches the file, so only GetResult0's memory of the macro it sent
// keeps it from being sent again with every result.
#include <gtest/gtest.h>

#include "tests/plugin_harness.h"
#include "tests/test_util.h"

namespace aadx {
namespace {

TEST(GetResultModeMacroTest, SentOnceWhenTheSettingCannotBeSaved) {
  PluginHarness h;
  h.fakes.host.present = true;
  h.Reset("AS");
  ScopedFileSizeLimit fullDisk(0);
  for (int i = 0; i < 3; ++i) h.Result();
  EXPECT_EQ(h.fakes.host.macros.size(), 1u);
  EXPECT_EQ(ReadSetting("Talq_Good", "(absent)"), "(absent)");
}

}  // namespace
}  // namespace aadx

// The notice an export run shows: the information icon when the Cabrillo
// file was written, the warning icon and the reason when it was not.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/plugin_harness.h"

namespace aadx {
namespace {

TEST(CabrilloNoticeTest, TheNoticeSaysWhetherTheFileWasProduced) {
  PluginHarness h;
  h.Reset("AS", 1, "JA1ZZZ");
  ASSERT_EQ(h.Add("DL1AA", "20m"), 1);
  h.Result();
  ASSERT_EQ(h.fakes.desktop.messages.size(), 1u);
  EXPECT_EQ(h.fakes.desktop.messages[0], "Output: File produced: JA1ZZZ.cbr");
  EXPECT_EQ(h.fakes.desktop.icons[0], MessageIcon::kInformation);

  // A folder of the same name is in the way: nothing is written.
  std::filesystem::remove("JA1ZZZ.cbr");
  std::filesystem::create_directory("JA1ZZZ.cbr");
  h.Result();
  ASSERT_EQ(h.fakes.desktop.messages.size(), 2u);
  EXPECT_EQ(h.fakes.desktop.messages[1],
            "Output: File not produced: JA1ZZZ.cbr\nThe file could not be "
            "created in the current folder: the folder may be read-only, or "
            "the name may not be allowed there.");
  EXPECT_EQ(h.fakes.desktop.icons[1], MessageIcon::kWarning);
}

}  // namespace
}  // namespace aadx

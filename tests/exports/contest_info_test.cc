// The exports that describe the contest and need no run.
#include "tests/exports/plugin_fixture.h"

namespace aadx {
namespace {

using ContestInfoTest = PluginTest;

TEST_F(ContestInfoTest, NamesExactlyOneSet) {
  EXPECT_EQ(plugin().GetNumberOfSets(), 1);
  EXPECT_STREQ(plugin().GetSetName(0), "AADX CW/SSB (C)");
  EXPECT_STREQ(plugin().GetSetName(1), "");
  EXPECT_STREQ(plugin().GetSetName(-1), "");
  EXPECT_EQ(plugin().GetExchgCount0(nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(plugin().GetExchgCount0("a", "b", "c"), 1);
}

TEST_F(ContestInfoTest, AValidExchangeIsExactlyTwoAsciiDigits) {
  auto valid = [&](const char* text) {
    return plugin().IsValidExchg0(text, "x", nullptr, "", 1, 2, 3);
  };
  EXPECT_EQ(valid("00"), 1);
  EXPECT_EQ(valid("45"), 1);
  EXPECT_EQ(valid("99"), 1);
  for (const char* bad :
       {"", "4", "456", "4A", " 4", "4 ", "\xB2\xB3", "4\x80"}) {
    EXPECT_EQ(valid(bad), 0) << bad;
  }
  EXPECT_EQ(valid(nullptr), 0);
}

}  // namespace
}  // namespace aadx

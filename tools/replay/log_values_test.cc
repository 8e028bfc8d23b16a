#include "tools/replay/log_values.h"

#include <gtest/gtest.h>

namespace aadx {
namespace replay {
namespace {

TEST(LogValuesTest, ModesTakeTheHostSpelling) {
  EXPECT_EQ("CW", NormalizeMode("cw"));
  EXPECT_EQ("SSB", NormalizeMode("SSB"));
  EXPECT_EQ("SSB", NormalizeMode("usb"));
  EXPECT_EQ("SSB", NormalizeMode("LSB"));
  EXPECT_EQ("SSB", NormalizeMode("PH"));
  EXPECT_EQ("FM", NormalizeMode(" fm "));
  EXPECT_EQ("RTTY", NormalizeMode("RTTY"));
  EXPECT_EQ("", NormalizeMode(""));
}

TEST(LogValuesTest, ContestNamesTellTheMode) {
  EXPECT_EQ("CW", ContestModeOf("AADX-CW"));
  EXPECT_EQ("SSB", ContestModeOf("aadx-ssb"));
  EXPECT_EQ("SSB", ContestModeOf("AA-PH"));
  EXPECT_EQ("", ContestModeOf("AADX"));
}

TEST(LogValuesTest, MegahertzAreReadExactly) {
  uint32_t hz = 0;
  ASSERT_TRUE(ParseMegahertz("14.025", &hz));
  EXPECT_EQ(14025000u, hz);
  ASSERT_TRUE(ParseMegahertz("1.8305", &hz));
  EXPECT_EQ(1830500u, hz);
  ASSERT_TRUE(ParseMegahertz("7", &hz));
  EXPECT_EQ(7000000u, hz);
  ASSERT_TRUE(ParseMegahertz(" 21.0259999 ", &hz));
  EXPECT_EQ(21025999u, hz);
  ASSERT_TRUE(ParseMegahertz(".5", &hz));
  EXPECT_EQ(500000u, hz);
}

TEST(LogValuesTest, MalformedFrequenciesAreRefused) {
  uint32_t hz = 7;
  EXPECT_FALSE(ParseMegahertz("", &hz));
  EXPECT_FALSE(ParseMegahertz(".", &hz));
  EXPECT_FALSE(ParseMegahertz("14,025", &hz));
  EXPECT_FALSE(ParseMegahertz("14.025MHz", &hz));
  EXPECT_FALSE(ParseMegahertz("-14.0", &hz));
  EXPECT_FALSE(ParseMegahertz("5000", &hz));
  EXPECT_EQ(7u, hz);
}

}  // namespace
}  // namespace replay
}  // namespace aadx

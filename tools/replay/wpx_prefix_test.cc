#include "tools/replay/wpx_prefix.h"

#include <gtest/gtest.h>

namespace aadx {
namespace replay {
namespace {

TEST(WpxPrefixTest, PortableDesignatorWithDigitIsThePrefix) {
  EXPECT_EQ("KH9", WpxPrefix("N8BJQ/KH9"));
  EXPECT_EQ("VE3", WpxPrefix("K1ABC/VE3"));
}

TEST(WpxPrefixTest, DesignatorWithoutDigitGetsZero) {
  EXPECT_EQ("PA0", WpxPrefix("PA/N8BJQ"));
  EXPECT_EQ("DL0", WpxPrefix("OE1ABC/DL"));
}

TEST(WpxPrefixTest, CallWithoutDigitGetsZeroAfterTwoLetters) {
  EXPECT_EQ("XE0", WpxPrefix("XEFTJW"));
}

TEST(WpxPrefixTest, CallAreaSuffixReplacesTheDigit) {
  EXPECT_EQ("K8", WpxPrefix("K1TEO/8"));
  EXPECT_EQ("HG5", WpxPrefix("HG19ABC/5"));
}

TEST(WpxPrefixTest, OperatingSuffixesAreIgnored) {
  EXPECT_EQ("JA1", WpxPrefix("JA1ABC/P"));
  EXPECT_EQ("W1", WpxPrefix("W1XYZ/M"));
  EXPECT_EQ("DL2", WpxPrefix("DL2ABC/MM"));
  EXPECT_EQ("G4", WpxPrefix("G4ABC/QRP"));
  EXPECT_EQ("KH9", WpxPrefix("N8BJQ/KH9/P"));
}

TEST(WpxPrefixTest, PrefixRunsToTheFirstDigitGroup) {
  EXPECT_EQ("HG19", WpxPrefix("HG19ABC"));
  EXPECT_EQ("LY1000", WpxPrefix("LY1000X"));
  EXPECT_EQ("4X4", WpxPrefix("4X4AAA"));
  EXPECT_EQ("3DA0", WpxPrefix("3DA0BP"));
  EXPECT_EQ("2E0", WpxPrefix("2E0ABC"));
  EXPECT_EQ("WD8", WpxPrefix("WD8ABC"));
}

TEST(WpxPrefixTest, CaseAndBlanksDoNotMatter) {
  EXPECT_EQ("JA1", WpxPrefix(" ja1abc "));
  EXPECT_EQ("", WpxPrefix(""));
  EXPECT_EQ("", WpxPrefix("/P"));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

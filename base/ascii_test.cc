#include "base/ascii.h"

#include <gtest/gtest.h>

namespace aadx {
namespace {

TEST(AsciiTest, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(AsciiUpperText("con1.a-z_\xE4\xF6"), "CON1.A-Z_\xE4\xF6");
  EXPECT_TRUE(EqualIgnoringAsciiCase("20M", "20m"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("20m", "20m "));
  // Latin-1 and UTF-8 bytes are compared as they are.
  EXPECT_FALSE(EqualIgnoringAsciiCase("\xC4", "\xE4"));
  EXPECT_TRUE(StartsWithIgnoringAsciiCase("Single-Op", "SINGLE"));
  EXPECT_TRUE(StartsWithIgnoringAsciiCase("x", ""));
  EXPECT_FALSE(StartsWithIgnoringAsciiCase("SO", "SOAB"));
}

}  // namespace
}  // namespace aadx

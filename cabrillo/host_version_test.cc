#include "cabrillo/host_version.h"

#include <gtest/gtest.h>

namespace aadx {
namespace {

uint32_t Word(uint32_t high, uint32_t low) { return high << 16 | low; }

TEST(HostVersionTextTest, MajorVersionTwoShowsTwoParts) {
  EXPECT_EQ(HostVersionText(Word(2, 20), Word(0, 0)), "2.20");
  EXPECT_EQ(HostVersionText(Word(2, 3), Word(4, 5)), "2.3");
}

TEST(HostVersionTextTest, OtherVersionsShowThreeParts) {
  EXPECT_EQ(HostVersionText(Word(3, 1), Word(5, 0)), "3.1.5");
  EXPECT_EQ(HostVersionText(Word(3, 1), Word(5, 9)), "3.1.5");
  EXPECT_EQ(HostVersionText(Word(1, 0), Word(0, 0)), "1.0.0");
  EXPECT_EQ(HostVersionText(Word(0, 0), Word(0, 0)), "0.0.0");
  EXPECT_EQ(HostVersionText(Word(12, 34), Word(56, 78)), "12.34.56");
}

TEST(HostVersionTextTest, PartsAreUnsignedSixteenBitNumbers) {
  EXPECT_EQ(HostVersionText(Word(65535, 65535), Word(65535, 65535)),
            "65535.65535.65535");
  EXPECT_EQ(HostVersionText(Word(2, 65535), Word(65535, 65535)), "2.65535");
}

}  // namespace
}  // namespace aadx

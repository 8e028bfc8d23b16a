#include "tools/logs/band_plan.h"

#include <gtest/gtest.h>

namespace aadx {
namespace logs {
namespace {

TEST(BandPlanTest, FrequenciesFallIntoTheirBands) {
  EXPECT_EQ("160m", BandOfKhz(1830));
  EXPECT_EQ("80m", BandOfKhz(3500));
  EXPECT_EQ("40m", BandOfKhz(7300));
  EXPECT_EQ("30m", BandOfKhz(10120));
  EXPECT_EQ("20m", BandOfKhz(14025));
  EXPECT_EQ("17m", BandOfKhz(18100));
  EXPECT_EQ("15m", BandOfKhz(21200));
  EXPECT_EQ("12m", BandOfKhz(24900));
  EXPECT_EQ("10m", BandOfKhz(29700));
  EXPECT_EQ("6m", BandOfKhz(50100));
}

TEST(BandPlanTest, GapsBelongToNoBand) {
  EXPECT_EQ("", BandOfKhz(0));
  EXPECT_EQ("", BandOfKhz(1799));
  EXPECT_EQ("", BandOfKhz(14351));
  EXPECT_EQ("", BandOfKhz(27000));
}

TEST(BandPlanTest, LowerEdges) {
  EXPECT_EQ(1800u, BandEdgeKhz("160m"));
  EXPECT_EQ(14000u, BandEdgeKhz("20m"));
  EXPECT_EQ(28000u, BandEdgeKhz("10m"));
  EXPECT_EQ(0u, BandEdgeKhz("20M"));
  EXPECT_EQ(0u, BandEdgeKhz("11m"));
}

TEST(BandPlanTest, NamesTakeTheHostSpelling) {
  EXPECT_EQ("20m", NormalizeBand("20M"));
  EXPECT_EQ("160m", NormalizeBand(" 160m "));
  EXPECT_EQ("70cm", NormalizeBand("70CM"));
  EXPECT_EQ("", NormalizeBand(""));
}

}  // namespace
}  // namespace logs
}  // namespace aadx

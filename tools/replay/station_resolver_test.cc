#include "tools/replay/station_resolver.h"

#include <gtest/gtest.h>

#include <string>

namespace aadx {
namespace replay {
namespace {

const char kCountries[] =
    "Japan: 25: 45: AS: 36.40: -138.38: -9.0: JA:\n  JA,JE;\n"
    "Sicily: 15: 28: EU: 37.50: -14.00: -1.0: *IT9:\n  IT9;\n"
    "Italy: 15: 28: EU: 42.82: -12.58: -1.0: I:\n  I;\n";

LogContact Worked(const std::string& call) {
  LogContact c;
  c.call = call;
  return c;
}

class StationResolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(cty_.Parse(kCountries, &error)) << error;
  }
  CtyFile cty_;
};

TEST_F(StationResolverTest, FillsWhatTheLogLeftOut) {
  StationResolver resolver(&cty_);
  LogContact c = Worked("IT9ABC/P");
  resolver.Complete(&c);
  EXPECT_EQ("IT9", c.prefix);
  EXPECT_EQ("I", c.dxcc);
  EXPECT_EQ("EU", c.continent);
  EXPECT_EQ(1, resolver.counts().prefix_derived);
  EXPECT_EQ(1, resolver.counts().dxcc_from_country_file);
  EXPECT_EQ(1, resolver.counts().continent_from_country_file);
}

TEST_F(StationResolverTest, LogValuesWin) {
  StationResolver resolver(&cty_);
  LogContact c = Worked("JA1ABC");
  c.prefix = "JA9";
  c.dxcc = "339";
  c.continent = "OC";
  resolver.Complete(&c);
  EXPECT_EQ("JA9", c.prefix);
  EXPECT_EQ("339", c.dxcc);
  EXPECT_EQ("OC", c.continent);
  EXPECT_EQ(1, resolver.counts().prefix_from_log);
  EXPECT_EQ(1, resolver.counts().dxcc_from_log);
  EXPECT_EQ(1, resolver.counts().continent_from_log);

  LogContact partial = Worked("JE1ABC");
  partial.continent = "EU";
  resolver.Complete(&partial);
  EXPECT_EQ("JA", partial.dxcc);
  EXPECT_EQ("EU", partial.continent);
}

TEST_F(StationResolverTest, UnknownStationsAreCounted) {
  StationResolver resolver(&cty_);
  LogContact c = Worked("ZZ1ZZ");
  resolver.Complete(&c);
  EXPECT_EQ("ZZ1", c.prefix);
  EXPECT_EQ("", c.dxcc);
  EXPECT_EQ("", c.continent);
  EXPECT_EQ(1, resolver.counts().dxcc_unknown);
  EXPECT_EQ(1, resolver.counts().continent_unknown);
}

TEST(StationResolverNoCountryFileTest, OnlyThePrefixIsDerived) {
  StationResolver resolver(nullptr);
  LogContact c = Worked("JA1ABC");
  resolver.Complete(&c);
  EXPECT_EQ("JA1", c.prefix);
  EXPECT_EQ("", c.dxcc);
  EXPECT_EQ(1, resolver.counts().continent_unknown);
}

}  // namespace
}  // namespace replay
}  // namespace aadx

#include "tools/callsign/station.h"

#include <gtest/gtest.h>

#include "tools/sponsor/sponsor_test_util.h"

namespace aadx {
namespace callsign {
namespace {

using sponsor::sponsor_test::Locate;

TEST(StationTest, CountryFileAndWpxRulesPlaceTheStation) {
  struct Case {
    const char* call;
    const char* dxcc;
    const char* continent;
    const char* prefix;
  } cases[] = {
      {"IT9ABC", "I", "EU", "IT9"},  // Sicily folds into Italy
      {"TA1AA", "TA", "EU", "TA1"},  // European Turkey into Turkey
      {"UA1ABC/9", "UA9", "AS", "UA9"}, {"UA9ABC/3", "UA", "EU", "UA3"},
      {"JA1ABC/7", "JA", "AS", "JA7"},  {"BY/DL1AA", "BY", "AS", "BY0"},
      {"9M6AA", "9M6", "OC", "9M6"},    {"4x1ab", "4X", "AS", "4X1"},
      {"MM/W6PNG", "GM", "EU", "MM0"},  // MM in front is Scotland
  };
  for (const Case& c : cases) {
    Station s = Locate(c.call);
    EXPECT_TRUE(s.located) << c.call;
    EXPECT_FALSE(s.maritime) << c.call;
    EXPECT_EQ(c.dxcc, s.dxcc) << c.call;
    EXPECT_EQ(c.continent, s.continent) << c.call;
    EXPECT_EQ(c.prefix, s.prefix) << c.call;
  }
  EXPECT_EQ("Italy", Locate("IT9ABC").dxccName);
}

TEST(StationTest, MaritimeAndUnknownStationsAreNowhere) {
  Station mm = Locate("JA1ABC/mm");
  EXPECT_TRUE(mm.maritime);
  EXPECT_FALSE(mm.located);
  EXPECT_EQ("", mm.dxcc);
  EXPECT_EQ("", mm.continent);
  EXPECT_EQ("JA1", mm.prefix);
  Station unknown = Locate("ZZ9ZZ");
  EXPECT_FALSE(unknown.maritime);
  EXPECT_FALSE(unknown.located);
  EXPECT_EQ("ZZ9", unknown.prefix);
  EXPECT_EQ("RA0", Locate("RAEM").prefix);
  EXPECT_FALSE(IsMaritimeMobile("MM1ABC"));
  EXPECT_TRUE(IsMaritimeMobile("W1AW/ MM"));
  EXPECT_FALSE(IsMaritimeMobile("MM/W6PNG"));
  EXPECT_FALSE(IsMaritimeMobile("W1AW/MM/P"));
}

}  // namespace
}  // namespace callsign
}  // namespace aadx

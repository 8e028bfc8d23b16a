#include "tools/callsign/station_resolver.h"

#include <gtest/gtest.h>

#include <string>

namespace aadx {
namespace callsign {
namespace {

using logs::LogContact;

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

// A contact's prefix, DXCC entity and continent as "prefix|dxcc|continent".
std::string Labels(const LogContact& c) {
  return c.prefix + "|" + c.dxcc + "|" + c.continent;
}

struct LabelCase {
  const char* name;
  StationSources sources;
  const char* call;
  const char* logLabels;  // the log's PFX, DXCC and CONT, as Labels gives them
  const char* labels;     // what the plug-in hears
};

// The worked station of a case, with the log's labels filled in.
LogContact FromLog(const LabelCase& t) {
  LogContact c = Worked(t.call);
  std::string text = t.logLabels;
  const size_t bar1 = text.find('|'), bar2 = text.find('|', bar1 + 1);
  c.prefix = text.substr(0, bar1);
  c.dxcc = text.substr(bar1 + 1, bar2 - bar1 - 1);
  c.continent = text.substr(bar2 + 1);
  return c;
}

// One label per country by default: the log's own values only on request.
const LabelCase kLabelCases[] = {
    {"filled_from_country_file", {}, "IT9ABC/P", "||", "IT9|I|EU"},
    {"country_file_beats_log", {}, "JA1ABC", "JA9|339|OC", "JA1|JA|AS"},
    {"log_on_request", {true, true}, "JA1ABC", "JA9|339|OC", "JA9|339|OC"},
    {"country_file_where_log_is_silent",
     {true, true},
     "JE1ABC",
     "||EU",
     "JE1|JA|EU"},
    {"log_when_country_file_does_not_know", {}, "ZZ1ZZ", "|ZZ|", "ZZ1|ZZ|"},
};

TEST_F(StationResolverTest, ChoosesOneSourceOfLabels) {
  for (const LabelCase& t : kLabelCases) {
    StationResolver resolver(&cty_, t.sources);
    LogContact c = FromLog(t);
    ASSERT_EQ(t.logLabels, Labels(c)) << t.name;
    resolver.Complete(&c);
    EXPECT_EQ(t.labels, Labels(c)) << t.name;
  }
}

TEST_F(StationResolverTest, CountsWhereEachLabelCameFrom) {
  StationResolver resolver(&cty_, StationSources{true, true});
  for (const LabelCase& t : kLabelCases) {
    LogContact c = FromLog(t);
    resolver.Complete(&c);
  }
  const ResolutionCounts& n = resolver.counts();
  EXPECT_EQ(5, n.records);
  EXPECT_EQ(2, n.prefixFromLog);
  EXPECT_EQ(3, n.prefixDerived);
  EXPECT_EQ(3, n.dxccFromLog);
  EXPECT_EQ(2, n.dxccFromCountryFile);
  EXPECT_EQ(3, n.continentFromLog);
  EXPECT_EQ(1, n.continentFromCountryFile);
  EXPECT_EQ(1, n.continentUnknown);
}

TEST_F(StationResolverTest, UnknownStationsAreCounted) {
  StationResolver resolver(&cty_, StationSources{});
  LogContact c = Worked("ZZ1ZZ");
  resolver.Complete(&c);
  EXPECT_EQ("ZZ1", c.prefix);
  EXPECT_EQ("", c.dxcc);
  EXPECT_EQ("", c.continent);
  EXPECT_EQ(1, resolver.counts().dxccUnknown);
  EXPECT_EQ(1, resolver.counts().continentUnknown);
}

TEST(StationResolverNoCountryFileTest, OnlyThePrefixIsDerived) {
  StationResolver resolver(nullptr, StationSources{});
  LogContact c = Worked("JA1ABC");
  resolver.Complete(&c);
  EXPECT_EQ("JA1", c.prefix);
  EXPECT_EQ("", c.dxcc);
  EXPECT_EQ(1, resolver.counts().continentUnknown);
}

}  // namespace
}  // namespace callsign
}  // namespace aadx

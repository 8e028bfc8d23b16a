#include "tools/replay/cabrillo_header.h"

#include <gtest/gtest.h>

#include <string>

namespace aadx {
namespace replay {
namespace {

struct HeaderCase {
  const char* name;
  TagValues fromLog;
  TagValues fromOptions;
  TagValues settings;
  TagValues typed;
  size_t notes;
};

const std::string kLong(120, 'x');

const HeaderCase kCases[] = {
    {"kept values go to the settings file",
     {{"NAME", "Pat"}, {"EMAIL", "p@x.org"}, {"ADDRESS-STATE-PROVINCE", "MA"}},
     {},
     {{"Name", "Pat"}, {"Email", "p@x.org"}, {"Address-State", "MA"}},
     {},
     0},
    {"categories are typed into the dialog",
     {{"CATEGORY-POWER", "LOW"}, {"CATEGORY-BAND", "20M"}},
     {},
     {},
     {{"CATEGORY-POWER", "LOW"}, {"CATEGORY-BAND", "20M"}},
     0},
    {"lines join as the operator types them",
     {{"ADDRESS", "1 Main St"},
      {"SOAPBOX", "a"},
      {"ADDRESS", "Apt 3"},
      {"SOAPBOX", "b"}},
     {},
     {{"Address", "1 Main St<CR>Apt 3"}, {"SoapBox", "a<CR><LF>b"}},
     {},
     0},
    {"options replace the log's value",
     {{"CATEGORY-POWER", "HIGH"}, {"SOAPBOX", "old"}},
     {{"SOAPBOX", "new 1"}, {"SOAPBOX", "new 2"}, {"CALLSIGN", "JA1ZZZ/1"}},
     {{"SoapBox", "new 1<CR><LF>new 2"}},
     {{"CATEGORY-POWER", "HIGH"}, {"CALLSIGN", "JA1ZZZ/1"}},
     0},
    {"a value too long for a setting is typed as well",
     {{"CLUB", kLong}},
     {},
     {{"Club", kLong}},
     {{"CLUB", kLong}},
     0},
    {"tags with no place are noted once; those used elsewhere are not",
     {{"CALLSIGN", "JA1ZZZ"},
      {"CONTEST", "AADX-CW"},
      {"CLAIMED-SCORE", "9"},
      {"CATEGORY-ASSISTED", "ASSISTED"},
      {"GRID-LOCATOR", "PM95"},
      {"GRID-LOCATOR", "PM96"},
      {"CLUB", ""}},
     {},
     {},
     {},
     2},
};

TEST(CabrilloHeaderTest, EachValueTakesThePlugInsWay) {
  for (const HeaderCase& c : kCases) {
    HeaderPlan plan = PlanCabrilloHeader(c.fromLog, c.fromOptions);
    EXPECT_EQ(c.settings, plan.settings) << c.name;
    EXPECT_EQ(c.typed, plan.typed) << c.name;
    EXPECT_EQ(c.notes, plan.notes.size()) << c.name;
  }
}

}  // namespace
}  // namespace replay
}  // namespace aadx

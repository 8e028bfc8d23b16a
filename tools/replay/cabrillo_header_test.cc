#include "tools/replay/cabrillo_header.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cabrillo/header_controls.h"

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
    {"long values go to the settings file whole",
     {{"CLUB", kLong}, {"SOAPBOX", kLong}, {"SOAPBOX", kLong}},
     {},
     {{"Club", kLong}, {"SoapBox", kLong + "<CR><LF>" + kLong}},
     {},
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
    {"typed tags the file has no line for are noted; E-MAIL is EMAIL",
     {{"CATEGORY-TRANSMITTER", "TWO"},
      {"E-MAIL", "p@x.org"},
      {"CATEGORY-OVERLAY", "ROOKIE"}},
     {{"CATEGORY-TRANSMITTER", "ONE"}},
     {{"Email", "p@x.org"}},
     {{"CATEGORY-TRANSMITTER", "ONE"}, {"CATEGORY-OVERLAY", "ROOKIE"}},
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

TEST(CabrilloHeaderTest, ValuesThePlugInFillsInAreNamed) {
  // All given, the operators in the settings file: nothing to name.
  const HeaderPlan given =
      PlanCabrilloHeader({{"CATEGORY-OPERATOR", "MULTI-OP"},
                          {"CATEGORY-BAND", "20M"},
                          {"CATEGORY-MODE", "SSB"},
                          {"CATEGORY-POWER", "LOW"}},
                         {});
  EXPECT_EQ("", FilledInHeaderNote(given, "SSB", "JA1ZZZ", true));
  EXPECT_EQ(
      "the Cabrillo header gets the plug-in's own values where the input "
      "gives none: CATEGORY-OPERATOR SINGLE-OP, CATEGORY-BAND ALL, "
      "CATEGORY-MODE SSB, CATEGORY-POWER HIGH, OPERATORS JA1ZZZ",
      FilledInHeaderNote(PlanCabrilloHeader({}, {}), "SSB", "JA1ZZZ", false));
}

// Whatever goes to the dialog is typed into a control the operator can edit,
// by the label the list of header controls gives it.
TEST(CabrilloHeaderTest, TypedTextsGoToEnabledControls) {
  TagValues typed;
  for (const char* tag :
       {"CATEGORY-OPERATOR", "CATEGORY-BAND", "CATEGORY-MODE", "CATEGORY-POWER",
        "CATEGORY-TRANSMITTER", "CATEGORY-OVERLAY", "CALLSIGN"}) {
    typed.emplace_back(tag, "x");
  }
  HeaderPlan plan = PlanCabrilloHeader({}, typed);
  ASSERT_EQ(typed.size(), plan.typed.size());
  for (const auto& [label, text] : plan.typed) {
    const auto& all = HeaderControls();
    auto control =
        std::find_if(all.begin(), all.end(),
                     [&](const HeaderControl& c) { return label == c.label; });
    ASSERT_NE(all.end(), control) << label;
    EXPECT_TRUE(control->enabled) << label;
  }
}

}  // namespace
}  // namespace replay
}  // namespace aadx

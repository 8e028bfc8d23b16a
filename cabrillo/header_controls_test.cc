#include "cabrillo/header_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "cabrillo/testdata/small_contests.h"
#include "ui/resource.h"

namespace aadx {
namespace {

const HeaderControl& ControlWithId(int id) {
  const auto& all = HeaderControls();
  auto it = std::find_if(all.begin(), all.end(),
                         [id](const HeaderControl& c) { return c.id == id; });
  EXPECT_NE(it, all.end()) << id;
  return *it;
}

TEST(HeaderControlsTest, TwentyTwoControlsEachShowingTheirOwnText) {
  const auto& all = HeaderControls();
  ASSERT_EQ(all.size(), 22u);
  std::set<int> ids;
  for (const HeaderControl& c : all) {
    EXPECT_GE(c.id, 1001);
    EXPECT_LE(c.id, 1022);
    ids.insert(c.id);
    // Member pointers have no order: compare each with every other.
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [&c](const HeaderControl& other) {
                              return other.field == c.field;
                            }),
              1);
  }
  EXPECT_EQ(ids.size(), 22u);
}

TEST(HeaderControlsTest, TopToBottomAsTheDialogShowsThem) {
  const auto& all = HeaderControls();
  EXPECT_EQ(all.front().id, IDC_CABRILLO_CONTEST);
  EXPECT_EQ(all[2].field, &CabrilloForm::claimed);
  EXPECT_EQ(all[20].field, &CabrilloForm::soapbox);
  EXPECT_EQ(all.back().field, &CabrilloForm::email);
}

TEST(HeaderControlsTest, CombosOfferTheirChoices) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ControlWithId(IDC_CABRILLO_CATEGORY_OPERATOR).choices,
            (V{"SINGLE-OP", "MULTI-OP", "CHECKLOG"}));
  EXPECT_EQ(ControlWithId(IDC_CABRILLO_CATEGORY_BAND).choices,
            (V{"ALL", "160M", "80M", "40M", "20M", "15M", "10M"}));
  EXPECT_EQ(ControlWithId(IDC_CABRILLO_CATEGORY_MODE).choices, (V{"CW"}));
  EXPECT_EQ(ControlWithId(IDC_CABRILLO_CATEGORY_OVERLAY).choices,
            (V{"TB-WIRES", "ROOKIE"}));
  EXPECT_TRUE(ControlWithId(IDC_CABRILLO_SOAPBOX).choices.empty());
  EXPECT_TRUE(ControlWithId(IDC_CABRILLO_ADDRESS).choices.empty());

  const V& location = ControlWithId(IDC_CABRILLO_LOCATION).choices;
  ASSERT_EQ(location.size(), 64u);
  EXPECT_EQ(location[0], "DX");
  EXPECT_EQ(location[1], "-/-");
  EXPECT_EQ(location[2], "AL");
  EXPECT_EQ(location[49], "WY");
  EXPECT_EQ(location[50], "NB");
  EXPECT_EQ(location[63], "PEI");
  EXPECT_EQ(std::count(location.begin(), location.end(), "HI"), 0);
  EXPECT_EQ(std::count(location.begin(), location.end(), "MD"), 0);
  EXPECT_EQ(std::set<std::string>(location.begin(), location.end()).size(),
            64u);
}

// A labelled control of the dialog template: the label's statement and the
// control's after it, continuation lines joined.
struct TemplateControl {
  std::string label;
  int id = 0;
  bool enabled = false;
  bool labelEnabled = false;
};

std::vector<TemplateControl> TemplateControls() {
  std::map<std::string, int> ids;
  const std::string header = ReadTestdataFile("../../ui/resource.h");
  const std::regex define(R"(#define (IDC_CABRILLO_\w+) (\d+))");
  for (std::sregex_iterator it(header.begin(), header.end(), define), end;
       it != end; ++it) {
    ids[(*it)[1]] = std::stoi((*it)[2]);
  }
  std::vector<std::string> statements;
  std::istringstream rc(ReadTestdataFile("../../ui/cabrillo_dialog.rc"));
  for (std::string line; std::getline(rc, line);) {
    if (line.compare(0, 2, "  ") != 0) continue;  // outside BEGIN ... END
    if (line[2] != ' ') statements.emplace_back();
    if (!statements.empty()) statements.back() += line;
  }
  std::vector<TemplateControl> controls;
  const std::regex label(R"re(^  LTEXT "([^"]*)", -1,)re");
  const std::regex control(R"re(^  (EDITTEXT|COMBOBOX) (\w+),)re");
  for (size_t i = 0; i + 1 < statements.size(); ++i) {
    std::smatch l, c;
    if (!std::regex_search(statements[i], l, label) ||
        !std::regex_search(statements[i + 1], c, control)) {
      continue;
    }
    TemplateControl t;
    t.label = l[1];
    t.id = ids[c[2]];
    t.labelEnabled = statements[i].find("WS_DISABLED") == std::string::npos;
    t.enabled = statements[i + 1].find("WS_DISABLED") == std::string::npos;
    controls.push_back(t);
  }
  return controls;
}

TEST(HeaderControlsTest, TheDialogTemplateHasTheListsControlsInOrder) {
  const std::vector<TemplateControl> dialog = TemplateControls();
  const auto& all = HeaderControls();
  ASSERT_EQ(dialog.size(), all.size());
  for (size_t i = 0; i < all.size(); ++i) {
    SCOPED_TRACE(all[i].label);
    EXPECT_EQ(dialog[i].id, all[i].id);
    EXPECT_EQ(dialog[i].label, all[i].label);
    EXPECT_EQ(dialog[i].enabled, all[i].enabled);
    EXPECT_EQ(dialog[i].labelEnabled, all[i].enabled);
  }
}

TEST(HeaderControlsTest, EveryMemberFindsItsControl) {
  for (const HeaderControl& c : HeaderControls()) {
    EXPECT_EQ(HeaderControlOf(c.field).id, c.id) << c.label;
  }
}

TEST(HeaderControlsTest, FirstChoiceBeginningWithTheTextIgnoringCase) {
  std::vector<std::string> power = {"HIGH", "LOW", "QRP"};
  EXPECT_EQ(FirstChoiceStartingWith(power, "LOW"), 1);
  EXPECT_EQ(FirstChoiceStartingWith(power, "low"), 1);
  EXPECT_EQ(FirstChoiceStartingWith(power, "q"), 2);
  EXPECT_EQ(FirstChoiceStartingWith(power, "LOWER"), -1);
  EXPECT_EQ(FirstChoiceStartingWith({"CW"}, "SSB"), -1);
  EXPECT_EQ(FirstChoiceStartingWith({"ASSISTED", "NON-ASSISTED"}, "non"), 1);
  EXPECT_EQ(FirstChoiceStartingWith({"NE", "NV", "NWT"}, "n"), 0);
  EXPECT_EQ(FirstChoiceStartingWith({"NE", "NV", "NWT"}, "nw"), 2);
  EXPECT_EQ(FirstChoiceStartingWith(power, ""), -1);
  EXPECT_EQ(FirstChoiceStartingWith({}, "HIGH"), -1);
}

}  // namespace
}  // namespace aadx

#include "cabrillo/header_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

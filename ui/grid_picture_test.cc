#include "ui/grid_picture.h"

#include <gtest/gtest.h>

#include "tests/test_util.h"

namespace aadx {
namespace {

using Strings = std::vector<std::string>;

std::vector<std::string> Texts(const GridPicture& p) {
  std::vector<std::string> out;
  for (const GridText& t : p.texts) out.push_back(t.text);
  return out;
}

const GridText* Find(const GridPicture& p, const std::string& text) {
  for (const GridText& t : p.texts) {
    if (t.text == text) return &t;
  }
  return nullptr;
}

class GridSnapshotTest : public ::testing::Test {
 protected:
  void Set(const std::string& typedCall, int slot, int asia) {
    state_.WithLock([&](SharedFields& f) {
      f.typedCall = typedCall;
      f.currentBandSlot = slot;
      f.asiaFlag = asia;
    });
  }
  // The band lists of one slot.
  void SetLists(int slot, const Strings& dxcc, const Strings& prefixes) {
    state_.WithLock([&](SharedFields& f) {
      f.bandDxccLists[slot] = dxcc;
      f.bandPrefixLists[slot] = prefixes;
    });
  }
  SharedFields Fields() { return CopyFields(&state_); }
  SharedState state_;
};

TEST_F(GridSnapshotTest, ListViewSortsTheCurrentBandsListInPlace) {
  SetLists(3, {"UA", "JA", "BY"}, {"UA9", "JA1", "BY1"});
  Set("", 3, 1);
  GridSnapshot s = TakeGridSnapshot(&state_);
  EXPECT_EQ(s.list, (Strings{"BY", "JA", "UA"}));
  // The shared list keeps the order; the other lists are not touched.
  EXPECT_EQ(Fields().bandDxccLists[3], (Strings{"BY", "JA", "UA"}));
  EXPECT_EQ(Fields().bandPrefixLists[3], (Strings{"UA9", "JA1", "BY1"}));
  // Sorted once, it stays sorted.
  EXPECT_EQ(TakeGridSnapshot(&state_).list, (Strings{"BY", "JA", "UA"}));
}

TEST_F(GridSnapshotTest, ListViewOutsideAsiaUsesThePrefixList) {
  SetLists(2, {"UA", "JA"}, {"UA9", "BY1", "JA1"});
  Set("", 2, 0);
  EXPECT_EQ(TakeGridSnapshot(&state_).list, (Strings{"BY1", "JA1", "UA9"}));
  EXPECT_EQ(Fields().bandDxccLists[2], (Strings{"UA", "JA"}));
}

TEST_F(GridSnapshotTest, GridViewCopiesRowsAndLeavesListsAlone) {
  SetLists(3, {"UA", "JA"}, {});
  state_.WithLock([](SharedFields& f) {
    f.bandRows[3] = BandRow{"20m", "CW", "00:05", "30", "   -"};
  });
  Set("JA1ABC", 3, 1);
  GridSnapshot s = TakeGridSnapshot(&state_);
  EXPECT_EQ(s.typedCall, "JA1ABC");
  EXPECT_EQ(s.bandSlot, 3);
  EXPECT_EQ(s.rows[3], Fields().bandRows[3]);
  EXPECT_TRUE(s.list.empty());
  EXPECT_EQ(Fields().bandDxccLists[3], (Strings{"UA", "JA"}));
}

TEST_F(GridSnapshotTest, NoBandMeansNoList) {
  SetLists(0, {"UA", "JA"}, {});
  Set("", -1, 1);
  GridSnapshot s = TakeGridSnapshot(&state_);
  EXPECT_EQ(s.bandSlot, -1);
  EXPECT_TRUE(s.list.empty());
  EXPECT_EQ(Fields().bandDxccLists[0], (Strings{"UA", "JA"}));
}

TEST(SortMultiplierListTest, SortsByByteValues) {
  Strings list = {"ja",
                  "\xC0"
                  "A",
                  "JA",
                  "BY",
                  "Z",
                  "BY",
                  "B"};
  SortMultiplierList(&list);
  EXPECT_EQ(list, (Strings{"B", "BY", "BY", "JA", "Z", "ja",
                           "\xC0"
                           "A"}));
  Strings empty;
  SortMultiplierList(&empty);
  EXPECT_TRUE(empty.empty());
}

TEST(LayOutGridTest, ListViewWithoutBandPaintsOnlyItsBackground) {
  GridSnapshot s;
  s.list = {"JA"};  // ignored without a band
  GridPicture p = LayOutGrid(s, {0, 0, 300, 111});
  ASSERT_EQ(p.fills.size(), 1u);
  EXPECT_EQ(p.fills[0].colour, kListBackground);
  EXPECT_EQ(p.fills[0].rect.right, 300);
  EXPECT_EQ(p.fills[0].rect.bottom, 111);
  EXPECT_TRUE(p.texts.empty());
}

TEST(LayOutGridTest, ListViewWrapsToTheButtonsWidth) {
  GridSnapshot s;
  s.bandSlot = 3;
  s.list = {"BY", "JA", "UA", "VU", "XX"};
  GridPicture p = LayOutGrid(s, {0, 0, 150, 111});
  ASSERT_EQ(p.fills.size(), 1u);
  EXPECT_EQ(p.fills[0].colour, kListBackground);
  ASSERT_EQ(p.texts.size(), 5u);
  // 125 is more than 150 - 40: three entries a line.
  const int xs[] = {5, 45, 85, 5, 45};
  const int ys[] = {10, 10, 10, 25, 25};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(p.texts[i].text, s.list[i]);
    EXPECT_EQ(p.texts[i].x, xs[i]) << i;
    EXPECT_EQ(p.texts[i].y, ys[i]) << i;
  }
  // A wider button holds more entries a line.
  GridPicture wide = LayOutGrid(s, {0, 0, 300, 111});
  EXPECT_EQ(wide.texts[4].x, 165);
  EXPECT_EQ(wide.texts[4].y, 10);
}

TEST(LayOutGridTest, ListViewWrapsOnlyPastTheLastFullPlace) {
  GridSnapshot s;
  s.bandSlot = 0;
  s.list = {"BY", "JA", "UA", "VU", "XX"};
  // The fourth entry would start at 125: it may start at right - 40 exactly,
  // so it stays on the first line from a right edge of 165 on and wraps at
  // 164.
  const struct {
    int right;
    int fourthX, fourthY;
  } cases[] = {{164, 5, 25}, {165, 125, 10}, {166, 125, 10}};
  for (const auto& c : cases) {
    GridPicture p = LayOutGrid(s, {0, 0, c.right, 111});
    ASSERT_EQ(p.texts.size(), 5u);
    EXPECT_EQ(p.texts[3].x, c.fourthX) << c.right;
    EXPECT_EQ(p.texts[3].y, c.fourthY) << c.right;
  }
}

TEST(LayOutGridTest, GridViewRowsAreASeventhOfTheHeight) {
  GridSnapshot s;
  s.typedCall = "JA1ABC";
  for (int i = 0; i < kBandSlots; ++i) {
    s.rows[i] = BandRow{kContestBands[i], "m" + std::to_string(i),
                        "t" + std::to_string(i), "x" + std::to_string(i), "-"};
  }
  GridPicture p = LayOutGrid(s, {0, 0, 300, 111});
  ASSERT_EQ(p.fills.size(), 1u);  // no band: no highlight
  EXPECT_EQ(p.fills[0].colour, kGridBackground);

  const GridText* call = Find(p, "JA1ABC");
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->x, 160);
  EXPECT_EQ(call->y, 0);
  struct Expected {
    const char* text;
    int x;
    int y;
  };
  for (const Expected& e : {Expected{"Band", 20, 14}, Expected{"Mode", 100, 14},
                            Expected{"Time", 178, 14}, Expected{"AGE", 255, 14},
                            Expected{"160m", 20, 25}, Expected{"m0", 100, 25},
                            Expected{"t0", 180, 25}, Expected{"x0", 260, 25},
                            Expected{"80m", 20, 40}, Expected{"40m", 20, 55},
                            Expected{"20m", 20, 70}, Expected{"x3", 260, 70},
                            Expected{"15m", 20, 85}, Expected{"10m", 20, 100},
                            Expected{"t5", 180, 100}}) {
    const GridText* t = Find(p, e.text);
    ASSERT_NE(t, nullptr) << e.text;
    EXPECT_EQ(t->x, e.x) << e.text;
    EXPECT_EQ(t->y, e.y) << e.text;
  }
  // The spare text of each row is not drawn.
  EXPECT_EQ(Find(p, "-"), nullptr);
  EXPECT_EQ(p.texts.size(), 5u + 6u * 4u);
}

TEST(LayOutGridTest, HighlightCoversTheCurrentBandsRow) {
  GridSnapshot s;
  s.typedCall = "JA1ABC";
  s.bandSlot = 3;
  GridPicture p = LayOutGrid(s, {0, 0, 300, 111});
  ASSERT_EQ(p.fills.size(), 2u);
  EXPECT_EQ(p.fills[1].colour, kGridHighlight);
  EXPECT_EQ(p.fills[1].rect.left, 0);
  EXPECT_EQ(p.fills[1].rect.top, 70);
  EXPECT_EQ(p.fills[1].rect.right, 300);
  EXPECT_EQ(p.fills[1].rect.bottom, 75);

  s.bandSlot = 0;
  p = LayOutGrid(s, {0, 0, 200, 140});  // rows of 20
  EXPECT_EQ(p.fills[1].rect.top, 30);
  EXPECT_EQ(p.fills[1].rect.bottom, 40);
  EXPECT_EQ(Texts(p)[2], "JA1ABC");
}

}  // namespace
}  // namespace aadx

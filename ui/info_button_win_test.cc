#include "ui/info_button_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/test_util.h"
#include "tests/win/window_test_util_win.h"

namespace aadx {
namespace {

uint32_t Pixel(const Rgb& c) {
  return (uint32_t{c.red} << 16) | (uint32_t{c.green} << 8) | c.blue;
}

using Bitmap = MemoryBitmap;

DRAWITEMSTRUCT Item(HDC dc, int width, int height) {
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.CtlID = 1003;
  item.itemAction = ODA_DRAWENTIRE;
  item.hDC = dc;
  item.rcItem = {0, 0, width, height};
  return item;
}

class InfoButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { button_.Attach(nullptr, &state_); }
  void Set(const std::string& call, int slot, int asia) {
    state_.WithLock([&](SharedFields& f) {
      f.typedCall = call;
      f.currentBandSlot = slot;
      f.asiaFlag = asia;
      for (int i = 0; i < kBandSlots; ++i) {
        f.bandRows[i] = BandRow{kContestBands[i], "-", "-", "-", "-"};
      }
    });
  }
  // The band lists of slot 3.
  void Set20mLists(const std::vector<std::string>& dxcc,
                   const std::vector<std::string>& prefixes = {}) {
    state_.WithLock([&](SharedFields& f) {
      f.bandDxccLists[3] = dxcc;
      f.bandPrefixLists[3] = prefixes;
    });
  }
  void Paint(Bitmap* bitmap, int width, int height) {
    bitmap->Fill(0);
    DRAWITEMSTRUCT item = Item(bitmap->dc(), width, height);
    button_.DrawItem(item);
  }

  SharedState state_;
  CCqWwInfoButton button_;
};

TEST_F(InfoButtonTest, GridViewHighlightsSlot3FromY70To75) {
  Set("JA1ABC", 3, 1);
  Bitmap b(300, 111);
  ASSERT_TRUE(b.ok());
  Paint(&b, 300, 111);
  const uint32_t back = Pixel(kGridBackground);
  const uint32_t high = Pixel(kGridHighlight);
  // Right of every column, where no text reaches.
  EXPECT_EQ(b.at(295, 0), back);
  EXPECT_EQ(b.at(295, 69), back);
  for (int y = 70; y < 75; ++y) EXPECT_EQ(b.at(295, y), high) << y;
  EXPECT_EQ(b.at(295, 75), back);
  EXPECT_EQ(b.at(295, 110), back);
  // The band spans the whole width.
  EXPECT_EQ(b.at(0, 72), high);
  EXPECT_EQ(b.at(299, 74), high);
}

TEST_F(InfoButtonTest, GridViewWritesHeaderAndRows) {
  Set("JA1ABC", -1, 1);
  Bitmap b(300, 111);
  Paint(&b, 300, 111);
  const uint32_t back = Pixel(kGridBackground);
  // No highlight without a band; text at the header and row positions.
  EXPECT_EQ(b.CountOther(0, 0, 300, 111, Pixel(kGridHighlight)), 300 * 111);
  EXPECT_GT(b.CountOther(20, 14, 60, 25, back), 0);    // "Band"
  EXPECT_GT(b.CountOther(160, 0, 220, 12, back), 0);   // the typed call
  EXPECT_GT(b.CountOther(20, 100, 50, 111, back), 0);  // "10m"
  EXPECT_EQ(b.CountOther(0, 0, 18, 111, back), 0);     // left margin
}

TEST_F(InfoButtonTest, ListViewWithoutBandIsOnlyBackground) {
  Set("", -1, 1);
  Set20mLists({"UA", "JA", "BY"});
  Bitmap b(300, 111);
  Paint(&b, 300, 111);
  EXPECT_EQ(b.CountOther(0, 0, 300, 111, Pixel(kListBackground)), 0);
}

TEST_F(InfoButtonTest, ListViewDrawsTheSortedListAndKeepsItSorted) {
  Set("", 3, 1);
  Set20mLists({"UA", "JA", "BY"});
  Bitmap b(300, 111);
  Paint(&b, 300, 111);
  const uint32_t back = Pixel(kListBackground);
  EXPECT_EQ(b.at(299, 110), back);
  EXPECT_EQ(CopyFields(&state_).bandDxccLists[3],
            (std::vector<std::string>{"BY", "JA", "UA"}));

  // Each entry is where the sorted order puts it: compare with each text
  // drawn alone on the same background.
  const char* const sorted[] = {"BY", "JA", "UA"};
  for (int i = 0; i < 3; ++i) {
    Bitmap alone(300, 111);
    GridPicture p;
    p.fills.push_back({{0, 0, 300, 111}, kListBackground});
    p.texts.push_back({5 + 40 * i, 10, sorted[i]});
    PaintGridPicture(alone.dc(), p);
    EXPECT_GT(alone.CountOther(5 + 40 * i, 10, 45 + 40 * i, 25, back), 0);
    EXPECT_TRUE(b.SameBox(alone, 5 + 40 * i, 10, 45 + 40 * i, 25)) << i;
  }
}

TEST_F(InfoButtonTest, ListViewOutsideAsiaPaintsThePrefixes) {
  Set("", 3, 0);
  Set20mLists({"UA"}, {"UA9", "BY1"});
  Bitmap b(300, 111);
  Paint(&b, 300, 111);
  Bitmap ref(300, 111);
  GridPicture p;
  p.fills.push_back({{0, 0, 300, 111}, kListBackground});
  p.texts.push_back({5, 10, "BY1"});
  p.texts.push_back({45, 10, "UA9"});
  PaintGridPicture(ref.dc(), p);
  EXPECT_TRUE(b.SameBox(ref, 0, 0, 300, 111));
}

TEST(CMemDCTest, PictureReachesTheTargetOnlyWhenDone) {
  Bitmap target(40, 30);
  target.Fill(0);
  {
    CMemDC surface(target.dc());
    ASSERT_TRUE(surface.offScreen());
    RECT all = {0, 0, 40, 30};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(surface.dc(), &all, red);
    DeleteObject(red);
    GdiFlush();
    EXPECT_EQ(target.at(20, 15), 0u);  // nothing on the target yet
  }
  EXPECT_EQ(target.CountOther(0, 0, 40, 30, 0xff0000), 0);
}

TEST(CMemDCTest, CopiesOnlyTheTargetsClipBoxInItsCoordinates) {
  Bitmap target(40, 30);
  target.Fill(0);
  IntersectClipRect(target.dc(), 10, 5, 30, 20);
  {
    CMemDC surface(target.dc());
    ASSERT_TRUE(surface.offScreen());
    RECT box = {10, 5, 30, 20};  // the target's coordinates
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(surface.dc(), &box, blue);
    DeleteObject(blue);
  }
  EXPECT_EQ(target.CountOther(10, 5, 30, 20, 0x0000ff), 0);
  EXPECT_EQ(target.at(9, 5), 0u);
  EXPECT_EQ(target.at(30, 19), 0u);
  EXPECT_EQ(target.at(15, 20), 0u);
}

}  // namespace
}  // namespace aadx

#include "ui/grid_picture.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace aadx {
namespace {

// List view: entries 40 pixels apart, lines 15 pixels apart.
constexpr int kListLeft = 5;
constexpr int kListTop = 10;
constexpr int kListStep = 40;
constexpr int kListLine = 15;

// Grid view: seven rows (the header and six bands) share the height. The
// header's "Time" and "AGE" sit a little left of their columns.
constexpr int kGridRows = 7;
constexpr int kRowTextOffset = 10;
constexpr int kHeaderY = 14;
constexpr int kBandX = 20;
constexpr int kModeX = 100;
constexpr int kCallX = 160;
constexpr int kTimeHeaderX = 178;
constexpr int kTimeX = 180;
constexpr int kAgeHeaderX = 255;
constexpr int kAgeX = 260;

void LayOutList(const GridSnapshot& s, const GridRect& item, GridPicture* p) {
  p->fills.push_back({item, kListBackground});
  if (s.bandSlot < 0) return;
  int x = kListLeft;
  int y = kListTop;
  for (const std::string& entry : s.list) {
    p->texts.push_back({x, y, entry});
    x += kListStep;
    if (x > item.right - kListStep) {
      y += kListLine;
      x = kListLeft;
    }
  }
}

void LayOutRows(const GridSnapshot& s, const GridRect& item, GridPicture* p) {
  p->fills.push_back({item, kGridBackground});
  const int rowHeight = item.bottom / kGridRows;
  if (s.bandSlot >= 0) {
    GridRect band = {0, (s.bandSlot + 1) * rowHeight + kRowTextOffset,
                     item.right, (s.bandSlot + 2) * rowHeight};
    p->fills.push_back({band, kGridHighlight});
  }
  p->texts.push_back({kBandX, kHeaderY, "Band"});
  p->texts.push_back({kModeX, kHeaderY, "Mode"});
  p->texts.push_back({kCallX, 0, s.typedCall});
  p->texts.push_back({kTimeHeaderX, kHeaderY, "Time"});
  p->texts.push_back({kAgeHeaderX, kHeaderY, "AGE"});
  for (int i = 1; i <= kBandSlots; ++i) {
    const BandRow& row = s.rows[i - 1];
    int y = i * rowHeight + kRowTextOffset;
    p->texts.push_back({kBandX, y, row[0]});
    p->texts.push_back({kModeX, y, row[1]});
    p->texts.push_back({kTimeX, y, row[2]});
    p->texts.push_back({kAgeX, y, row[3]});
  }
}

}  // namespace

void SortMultiplierList(std::vector<std::string>* list) {
  // std::string compares its bytes as unsigned char, which is the byte
  // order of the C library's string comparison. Equal entries are the same
  // bytes, so any sort gives the exchange sort's order; std::sort does it in
  // n log n, which matters because this runs under the shared lock.
  // A list already in order (every repaint after the first) costs one pass.
  if (!std::is_sorted(list->begin(), list->end())) {
    std::sort(list->begin(), list->end());
  }
}

GridSnapshot TakeGridSnapshot(SharedState* state) {
  return state->WithLock([](SharedFields& f) {
    GridSnapshot s;
    s.typedCall = f.typedCall;
    s.bandSlot = f.currentBandSlot;
    if (s.bandSlot < 0 || s.bandSlot >= kBandSlots) s.bandSlot = -1;
    if (!s.typedCall.empty()) {
      s.rows = f.bandRows;
    } else if (s.bandSlot >= 0) {
      std::vector<std::string>& list = f.asiaFlag != 0
                                           ? f.bandDxccLists[s.bandSlot]
                                           : f.bandPrefixLists[s.bandSlot];
      SortMultiplierList(&list);
      s.list = list;
    }
    return s;
  });
}

GridPicture LayOutGrid(const GridSnapshot& snapshot, const GridRect& item) {
  GridPicture p;
  if (snapshot.typedCall.empty()) {
    LayOutList(snapshot, item, &p);
  } else {
    LayOutRows(snapshot, item, &p);
  }
  return p;
}

}  // namespace aadx

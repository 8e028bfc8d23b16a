// What the worked-before grid paints, worked out apart from any drawing
// surface. With a typed call it is the grid view: a header and one row per
// contest band (band, mode, time, received exchange), the row of the band
// the host is tuned to highlighted. Without one it is the list view: the
// multipliers (DXCC entities in Asia, prefixes elsewhere) already worked
// on that band, sorted, wrapped to the button's width.
//
// The Windows button (CCqWwInfoButton) only fills and writes what
// LayOutGrid returns, off-screen, and copies the result to the screen.
#ifndef AADX_UI_GRID_PICTURE_H_
#define AADX_UI_GRID_PICTURE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "base/plugin_state.h"

namespace aadx {

// Everything one repaint reads of the shared state, taken in one go.
struct GridSnapshot {
  std::string typedCall;
  int bandSlot = -1;
  std::array<BandRow, kBandSlots> rows;
  // List view only: the current band's multipliers, sorted.
  std::vector<std::string> list;
};

// Takes the snapshot under the shared state's lock. With an empty typed call
// and a band slot it first sorts that slot's list (the band DXCC list when the
// Asia flag is set, else the band prefix list) in place, so the sorted order
// stays in the shared list, as the score computation left it otherwise.
GridSnapshot TakeGridSnapshot(SharedState* state);

// Sorts ascending by byte values (case-sensitive), the order the exchange
// sort of the score computation gives.
void SortMultiplierList(std::vector<std::string>* list);

struct Rgb {
  uint8_t red;
  uint8_t green;
  uint8_t blue;

  bool operator==(const Rgb& o) const {
    return red == o.red && green == o.green && blue == o.blue;
  }
};

constexpr Rgb kGridBackground = {255, 255, 198};
constexpr Rgb kGridHighlight = {198, 255, 255};
constexpr Rgb kListBackground = {255, 250, 198};

// Rectangles are in the button's coordinates: left and top inclusive,
// right and bottom exclusive.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct GridFill {
  GridRect rect;
  Rgb colour;
};

// A text drawn with its top-left at (x, y), transparent background, the
// surface's default font and colour, unclipped.
struct GridText {
  int x = 0;
  int y = 0;
  std::string text;
};

// The fills come first, in order, then the texts.
struct GridPicture {
  std::vector<GridFill> fills;
  std::vector<GridText> texts;
};

// Lays the snapshot out in the button's item rectangle (top-left 0, 0).
GridPicture LayOutGrid(const GridSnapshot& snapshot, const GridRect& item);

}  // namespace aadx

#endif  // AADX_UI_GRID_PICTURE_H_

#include "ui/window_position.h"

namespace aadx {
namespace {

constexpr int kDefaultX = 10;
constexpr int kDefaultY = 400;

}  // namespace

WindowPosition LoadWindowPosition(Settings* settings) {
  WindowPosition p;
  p.x = settings->ReadInt("dxcc_x");
  p.y = settings->ReadInt("dxcc_y");
  if (p.x == 0) p.x = kDefaultX;
  if (p.y == 0) p.y = kDefaultY;
  return p;
}

void SaveWindowPosition(Settings* settings, WindowPosition* saved, int left,
                        int top) {
  if (left != saved->x) {
    saved->x = left;
    // A place that cannot be saved is tried again at the next move.
    settings->WriteInt("dxcc_x", left).IgnoreError();
  }
  if (top != saved->y) {
    saved->y = top;
    settings->WriteInt("dxcc_y", top).IgnoreError();
  }
}

}  // namespace aadx

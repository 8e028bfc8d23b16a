// The worked-before grid on Windows: CCqWwInfoButton paints the owner-drawn
// button 1003 of the Multiplier window through CMemDC, an off-screen
// surface copied to the screen in one step, so the repaints after every
// poll tick do not flicker. What is painted comes from LayOutGrid; this
// file only puts it on a surface.
#ifndef AADX_UI_INFO_BUTTON_WIN_H_
#define AADX_UI_INFO_BUTTON_WIN_H_

#include <windows.h>

#include "base/plugin_state.h"
#include "ui/grid_picture.h"

namespace aadx {

// Drawing goes to dc(); the destructor copies the target's clip box from
// the off-screen bitmap to the target. A printing target, or one for which
// no off-screen bitmap can be made, is drawn on directly.
class CMemDC {
 public:
  explicit CMemDC(HDC target);
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  HDC dc() const { return offScreen_ ? memory_ : target_; }
  bool offScreen() const { return offScreen_; }

 private:
  HDC target_;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  RECT rect_ = {0, 0, 0, 0};  // the target's clip box, logical units
  bool offScreen_ = false;
};

// Fills and writes a laid-out picture on dc: the fills in order, then the
// texts with a transparent background in the surface's default font.
void PaintGridPicture(HDC dc, const GridPicture& picture);

class CCqWwInfoButton {
 public:
  // Binds the button control and the state whose values it paints.
  void Attach(HWND button, SharedState* state);
  HWND hwnd() const { return button_; }

  // WM_DRAWITEM: takes a snapshot of the shared values (under the lock,
  // released before any drawing) and paints it into item.rcItem.
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  HWND button_ = nullptr;
  SharedState* state_ = nullptr;
};

}  // namespace aadx

#endif  // AADX_UI_INFO_BUTTON_WIN_H_

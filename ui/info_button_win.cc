#include "ui/info_button_win.h"

namespace aadx {

CMemDC::CMemDC(HDC target) : target_(target) {
  if (GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) return;
  if (GetClipBox(target, &rect_) == ERROR) return;
  const int width = rect_.right - rect_.left;
  const int height = rect_.bottom - rect_.top;
  if (width <= 0 || height <= 0) return;
  memory_ = CreateCompatibleDC(target);
  if (memory_ == nullptr) return;
  bitmap_ = CreateCompatibleBitmap(target, width, height);
  if (bitmap_ == nullptr) {
    DeleteDC(memory_);
    memory_ = nullptr;
    return;
  }
  oldBitmap_ = SelectObject(memory_, bitmap_);
  // Drawing coordinates are the target's.
  SetWindowOrgEx(memory_, rect_.left, rect_.top, nullptr);
  offScreen_ = true;
}

CMemDC::~CMemDC() {
  if (!offScreen_) return;
  BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left,
         rect_.bottom - rect_.top, memory_, rect_.left, rect_.top, SRCCOPY);
  SelectObject(memory_, oldBitmap_);
  DeleteDC(memory_);
  DeleteObject(bitmap_);
}

void PaintGridPicture(HDC dc, const GridPicture& picture) {
  for (const GridFill& fill : picture.fills) {
    HBRUSH brush = CreateSolidBrush(
        RGB(fill.colour.red, fill.colour.green, fill.colour.blue));
    if (brush == nullptr) continue;
    RECT r = {fill.rect.left, fill.rect.top, fill.rect.right, fill.rect.bottom};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  SetBkMode(dc, TRANSPARENT);
  for (const GridText& text : picture.texts) {
    TextOutA(dc, text.x, text.y, text.text.data(),
             static_cast<int>(text.text.size()));
  }
}

void CCqWwInfoButton::Attach(HWND button, SharedState* state) {
  button_ = button;
  state_ = state;
}

void CCqWwInfoButton::DrawItem(const DRAWITEMSTRUCT& item) {
  if (state_ == nullptr) return;
  GridSnapshot snapshot = TakeGridSnapshot(state_);
  GridRect rect = {item.rcItem.left, item.rcItem.top, item.rcItem.right,
                   item.rcItem.bottom};
  GridPicture picture = LayOutGrid(snapshot, rect);
  CMemDC surface(item.hDC);
  PaintGridPicture(surface.dc(), picture);
}

}  // namespace aadx

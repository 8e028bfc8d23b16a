// Where the Multiplier window opens and how its position is remembered:
// settings "dxcc_x" and "dxcc_y", the window's left and top screen
// coordinates as decimal text.
#ifndef AADX_UI_WINDOW_POSITION_H_
#define AADX_UI_WINDOW_POSITION_H_

#include "base/settings.h"

namespace aadx {

struct WindowPosition {
  int x = 0;
  int y = 0;
};

// Reads the saved position; a coordinate that reads as 0 (missing, "0" or
// not a number) becomes 10 for x and 400 for y.
WindowPosition LoadWindowPosition(Settings* settings);

// Called whenever the mouse is over the window: each coordinate of the
// window's top-left that differs from *saved is stored there and written
// to the settings; an unchanged one is not written again.
void SaveWindowPosition(Settings* settings, WindowPosition* saved, int left,
                        int top);

}  // namespace aadx

#endif  // AADX_UI_WINDOW_POSITION_H_

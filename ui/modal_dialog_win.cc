#include "ui/modal_dialog_win.h"

#include <vector>

namespace aadx {

std::string WindowTextOf(HWND window) {
  std::vector<char> text(GetWindowTextLengthA(window) + 1);
  int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), n > 0 ? n : 0);
}

}  // namespace aadx

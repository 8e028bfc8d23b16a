// Helpers for tests that drive real windows under Wine and Xvfb: finding
// a window as it appears, waiting for a control's text, and keeping a
// screenshot as a build artifact.
#ifndef AADX_TESTS_WIN_WINDOW_TEST_UTIL_WIN_H_
#define AADX_TESTS_WIN_WINDOW_TEST_UTIL_WIN_H_

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace aadx {

// The visible top-level window of this process with exactly the given
// title, waited for up to timeout; null when none appeared.
HWND WaitForWindow(const std::string& title, std::chrono::milliseconds timeout);

// Waits until the window's text equals expected; false on timeout.
bool WaitForText(HWND window, const std::string& expected,
                 std::chrono::milliseconds timeout);

std::string WindowText(HWND window);

// A picture of a window as it is on the screen: 32-bit pixels, rows from
// the top, 0x00RRGGBB.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t at(int x, int y) const { return pixels[y * width + x]; }
  // How many different colours the picture holds (a blank one has 1).
  size_t ColourCount() const;
};

// Copies the window's screen area, frame included.
Screenshot CaptureWindow(HWND window);

// Writes the picture as a 24-bit BMP file; false when it cannot.
bool SaveBmp(const Screenshot& shot, const std::string& path);

// <build folder>/artifacts/<name> (the folder is created), where the build
// folder is the one above the test program's own. The path is in Windows
// form; UnixPath gives the same file as the Linux side sees it.
std::string ArtifactPath(const std::string& name);
std::string UnixPath(const std::string& windowsPath);

}  // namespace aadx

#endif  // AADX_TESTS_WIN_WINDOW_TEST_UTIL_WIN_H_

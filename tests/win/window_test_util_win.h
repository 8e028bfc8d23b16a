// The toolkit of the tests that drive real windows under Wine and Xvfb:
// waiting for a window, reading and setting control texts, pressing buttons
// and typing as an operator would, painting into memory bitmaps, and keeping
// screenshots as build artifacts. Every wait has a time limit, so no test
// can hang on a window that never comes.
#ifndef AADX_TESTS_WIN_WINDOW_TEST_UTIL_WIN_H_
#define AADX_TESTS_WIN_WINDOW_TEST_UTIL_WIN_H_

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace aadx {

// Polls done every 20 ms until it holds; false when timeout passed first.
bool Eventually(const std::function<bool()>& done,
                std::chrono::milliseconds timeout);

// The same for a thread that owns windows: while it waits it answers the
// messages other threads send to them, so a helper thread that sends one
// cannot wait forever on the thread that waits for the helper.
bool EventuallyAnswering(const std::function<bool()>& done,
                         std::chrono::milliseconds timeout);

// Ends the test program (exit code 3) with a readable message on stderr,
// naming what it guards and the visible windows of the process, when it is
// still armed limit after it was made; the destructor disarms it. So a test
// whose thread is held by a modal window that nothing closes fails within
// the limit instead of waiting for the runner's kill.
class Watchdog {
 public:
  Watchdog(std::string what, std::chrono::milliseconds limit);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable disarm_;
  bool disarmed_ = false;
  std::thread thread_;  // last: it starts using the members above at once
};

// The window's title as the system keeps it (ANSI). No message is sent, so
// this never waits for the window's thread, even one that does not pump.
std::string SystemTitle(HWND window);

// The visible top-level window of this process with exactly the given
// title: now (null when there is none), or waited for up to timeout. Sends
// no message, so the search cannot wait on a thread that does not pump.
HWND FindOwnWindow(const std::string& title);
HWND WaitForWindow(const std::string& title, std::chrono::milliseconds timeout);
bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout);

// A message to a window of another thread, answered within 5 s; -1 when it
// was not.
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window's text, asked of its thread; "<no answer>" when the thread did
// not answer in time.
std::string WindowText(HWND window);
void SetWindowTextTo(HWND window, const std::string& text);
std::string ClassOf(HWND window);

// Waits until the window's text equals expected; false on timeout.
bool WaitForText(HWND window, const std::string& expected,
                 std::chrono::milliseconds timeout);

// A button press as the dialog receives it: BN_CLICKED from the button.
void Press(HWND dialog, int id);

// Keys as the keyboard sends them, one at a time: each is posted when the
// control shows the one before ('\n' is Enter). False when a key had no
// effect in time.
bool Type(HWND control, const std::string& keys);

// A picture: 32-bit pixels 0x00RRGGBB, rows from the top.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t at(int x, int y) const { return pixels[y * width + x]; }
  bool operator==(const Screenshot& o) const {
    return width == o.width && height == o.height && pixels == o.pixels;
  }
  // How many different colours the picture holds (a blank one has 1).
  size_t ColourCount() const;
};

// A memory surface over a top-down 32-bit bitmap whose pixels the test
// reads as 0x00RRGGBB.
class MemoryBitmap {
 public:
  MemoryBitmap(int width, int height);
  ~MemoryBitmap();
  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;

  bool ok() const { return bits_ != nullptr; }
  HDC dc() const { return dc_; }
  uint32_t at(int x, int y) const;
  void Fill(uint32_t rgb);
  // How many pixels of the box [x0, x1) x [y0, y1) differ from rgb.
  int CountOther(int x0, int y0, int x1, int y1, uint32_t rgb) const;
  bool SameBox(const MemoryBitmap& o, int x0, int y0, int x1, int y1) const;
  // Every pixel; an empty picture when the bitmap could not be made.
  Screenshot Picture() const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

// Copies the window's screen area, frame included.
Screenshot CaptureWindow(HWND window);

// Writes the picture as a 24-bit BMP file; false when it cannot.
bool SaveBmp(const Screenshot& shot, const std::string& path);

// Lets the window's thread repaint, takes its picture and keeps it as the
// artifact name. The picture; *path (when given) is where it went, empty
// when it could not be written.
Screenshot KeepScreenshot(HWND window, const std::string& name,
                          std::string* path = nullptr);

// The test program's own folder, where the build puts Stats.dll and the
// host stand-ins (TalqStub220, TalqStub315, TalqStubPlain; built by
// cabrillo/CMakeLists.txt).
std::string ProgramFolder();

// Copies the host stand-in stub from there into the current folder as name
// (replacing a file of that name); false when the stand-in is missing.
bool PlaceHostStub(const std::string& stub, const std::string& name);

// <build folder>/artifacts/<name> (the folder is created), where the build
// folder is the one above the test program's own. The path is in Windows
// form; UnixPath gives the same file as the Linux side sees it.
std::string ArtifactPath(const std::string& name);
std::string UnixPath(const std::string& windowsPath);

}  // namespace aadx

#endif  // AADX_TESTS_WIN_WINDOW_TEST_UTIL_WIN_H_

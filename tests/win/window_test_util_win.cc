#include "tests/win/window_test_util_win.h"

#include <cstdio>
#include <set>
#include <thread>

namespace aadx {
namespace {

using std::chrono::milliseconds;

struct Search {
  const std::string* title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
      SystemTitle(window) == *search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK ListVisibleTitle(HWND window, LPARAM param) {
  auto* list = reinterpret_cast<std::string*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
    if (!list->empty()) *list += ", ";
    *list += "\"" + SystemTitle(window) + "\"";
  }
  return TRUE;
}

}  // namespace

bool Eventually(const std::function<bool()>& done, milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(milliseconds(20));
  }
  return true;
}

std::string SystemTitle(HWND window) {
  // GetWindowText sends WM_GETTEXT to a window of this process and waits
  // for its thread without limit; InternalGetWindowText reads the copy the
  // system keeps.
  wchar_t wide[256] = {};
  int n = InternalGetWindowText(window, wide, 256);
  if (n <= 0) return "";
  char text[512] = {};
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide, n, text, sizeof(text),
                                  nullptr, nullptr);
  return std::string(text, bytes > 0 ? bytes : 0);
}

bool EventuallyAnswering(const std::function<bool()>& done,
                         milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    // Wakes for a sent message; peeking delivers it to its window
    // procedure and leaves posted messages where they are.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  return true;
}

Watchdog::Watchdog(std::string what, milliseconds limit)
    : thread_([this, what, limit] {
        std::unique_lock<std::mutex> lock(mutex_);
        if (disarm_.wait_for(lock, limit, [this] { return disarmed_; })) {
          return;
        }
        std::string windows;
        EnumWindows(&ListVisibleTitle, reinterpret_cast<LPARAM>(&windows));
        std::fprintf(stderr,
                     "\nWATCHDOG: %s: still not done after %.1f s; visible "
                     "windows of this process: %s. Ending the test program.\n",
                     what.c_str(), limit.count() / 1000.0,
                     windows.empty() ? "none" : windows.c_str());
        std::fflush(stderr);
        std::fflush(stdout);
        // Not ExitProcess: the held thread may keep it from ever finishing.
        TerminateProcess(GetCurrentProcess(), 3);
      }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    disarmed_ = true;
  }
  disarm_.notify_all();
  thread_.join();
}

HWND FindOwnWindow(const std::string& title) {
  Search search{&title, nullptr};
  EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const std::string& title, milliseconds timeout) {
  HWND found = nullptr;
  Eventually([&] { return (found = FindOwnWindow(title)) != nullptr; },
             timeout);
  return found;
}

bool WaitUntilGone(HWND window, milliseconds timeout) {
  return Eventually([&] { return !IsWindow(window); }, timeout);
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000,
                           &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
  // Sent to the window's thread, which answers while it pumps messages.
  LRESULT length = SendWithin(window, WM_GETTEXTLENGTH, 0, 0);
  if (length < 0) return "<no answer>";
  std::vector<char> text(static_cast<size_t>(length) + 1);
  LRESULT copied = SendWithin(window, WM_GETTEXT, text.size(),
                              reinterpret_cast<LPARAM>(text.data()));
  if (copied < 0) return "<no answer>";
  return std::string(text.data(), static_cast<size_t>(copied));
}

void SetWindowTextTo(HWND window, const std::string& text) {
  SendWithin(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

bool WaitForText(HWND window, const std::string& expected,
                 milliseconds timeout) {
  return Eventually([&] { return WindowText(window) == expected; }, timeout);
}

void Press(HWND dialog, int id) {
  SendWithin(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
             reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool Type(HWND control, const std::string& keys) {
  for (char c : keys) {
    std::string before = WindowText(control);
    // The dialog's own loop translates Enter into its character, behind
    // anything posted meanwhile.
    if (c == '\n') {
      PostMessageA(control, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      PostMessageA(control, WM_KEYUP, VK_RETURN, 0xC01C0001);
    } else {
      PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    if (!Eventually([&] { return WindowText(control) != before; },
                    milliseconds(5000))) {
      return false;
    }
  }
  return true;
}

size_t Screenshot::ColourCount() const {
  return std::set<uint32_t>(pixels.begin(), pixels.end()).size();
}

MemoryBitmap::MemoryBitmap(int width, int height)
    : width_(width), height_(height) {
  dc_ = CreateCompatibleDC(nullptr);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t*>(bits);
  if (bitmap_ != nullptr) old_ = SelectObject(dc_, bitmap_);
}

MemoryBitmap::~MemoryBitmap() {
  if (bitmap_ != nullptr) {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
  }
  DeleteDC(dc_);
}

uint32_t MemoryBitmap::at(int x, int y) const {
  GdiFlush();
  return bits_[y * width_ + x] & 0x00ffffff;
}

void MemoryBitmap::Fill(uint32_t rgb) {
  GdiFlush();
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = rgb;
}

int MemoryBitmap::CountOther(int x0, int y0, int x1, int y1,
                             uint32_t rgb) const {
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += at(x, y) != rgb;
  }
  return n;
}

bool MemoryBitmap::SameBox(const MemoryBitmap& o, int x0, int y0, int x1,
                           int y1) const {
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (at(x, y) != o.at(x, y)) return false;
    }
  }
  return true;
}

Screenshot MemoryBitmap::Picture() const {
  Screenshot shot;
  if (!ok()) return shot;
  GdiFlush();
  shot.width = width_;
  shot.height = height_;
  shot.pixels.assign(bits_, bits_ + width_ * height_);
  for (uint32_t& px : shot.pixels) px &= 0x00ffffff;
  return shot;
}

Screenshot CaptureWindow(HWND window) {
  RECT r;
  if (!GetWindowRect(window, &r)) return Screenshot();
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return Screenshot();

  MemoryBitmap bitmap(width, height);
  if (!bitmap.ok()) return Screenshot();
  HDC memory = bitmap.dc();
  // Under Xvfb there is no window manager to draw the frame and the
  // caption, so they are drawn here as the system draws them; the client
  // area, children included, is copied from the screen.
  RECT client;
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  RECT frame = {0, 0, width, height};
  FillRect(memory, &frame, GetSysColorBrush(COLOR_3DFACE));
  DrawEdge(memory, &frame, EDGE_RAISED, BF_RECT);
  int border = origin.x - r.left;
  int captionBottom = origin.y - r.top - 1;
  if (captionBottom > border) {
    RECT caption = {border, border, width - border, captionBottom};
    DrawCaption(window, memory, &caption, DC_ACTIVE | DC_TEXT | DC_ICON);
  }
  HDC screen = GetDC(nullptr);
  BitBlt(memory, origin.x - r.left, origin.y - r.top, client.right,
         client.bottom, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return bitmap.Picture();
}

Screenshot KeepScreenshot(HWND window, const std::string& name,
                          std::string* path) {
  // The window's thread paints everything before the picture is taken.
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  std::this_thread::sleep_for(milliseconds(300));
  Screenshot shot = CaptureWindow(window);
  std::string kept = ArtifactPath(name);
  if (!SaveBmp(shot, kept)) kept.clear();
  if (path != nullptr) *path = kept;
  return shot;
}

bool SaveBmp(const Screenshot& shot, const std::string& path) {
  if (shot.pixels.empty()) return false;
  const int rowBytes = (shot.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = shot.width;
  header.biHeight = shot.height;  // bottom-up rows, as viewers expect
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = rowBytes * shot.height;
  file.bfType = 0x4d42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + header.biSizeImage;

  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
            std::fwrite(&header, sizeof(header), 1, out) == 1;
  std::vector<unsigned char> row(rowBytes, 0);
  for (int y = shot.height - 1; ok && y >= 0; --y) {
    for (int x = 0; x < shot.width; ++x) {
      uint32_t px = shot.at(x, y);
      row[x * 3 + 0] = px & 0xff;          // blue
      row[x * 3 + 1] = (px >> 8) & 0xff;   // green
      row[x * 3 + 2] = (px >> 16) & 0xff;  // red
    }
    ok = std::fwrite(row.data(), row.size(), 1, out) == 1;
  }
  return std::fclose(out) == 0 && ok;
}

std::string ProgramFolder() {
  char exe[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string path(exe, n);
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool PlaceHostStub(const std::string& stub, const std::string& name) {
  std::string from = ProgramFolder() + "\\" + stub + ".exe";
  return CopyFileA(from.c_str(), name.c_str(), FALSE) != 0;
}

std::string ArtifactPath(const std::string& name) {
  // <build>\bin -> <build>\artifacts
  std::string path = ProgramFolder();
  size_t slash = path.find_last_of("\\/");
  if (slash != std::string::npos) path.resize(slash);
  path += "\\artifacts";
  CreateDirectoryA(path.c_str(), nullptr);
  return path + "\\" + name;
}

std::string UnixPath(const std::string& windowsPath) {
  // Wine maps drive Z: to the root of the Linux file system.
  if (windowsPath.size() < 2 ||
      (windowsPath[0] != 'Z' && windowsPath[0] != 'z') ||
      windowsPath[1] != ':') {
    return windowsPath;
  }
  std::string out = windowsPath.substr(2);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

}  // namespace aadx

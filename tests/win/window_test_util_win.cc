#include "tests/win/window_test_util_win.h"

#include <cstdio>
#include <set>
#include <thread>

namespace aadx {
namespace {

struct Search {
  const std::string* title;
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && IsWindowVisible(window) &&
      WindowText(window) == *search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND WaitForWindow(const std::string& title,
                   std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    Search search{&title, GetCurrentProcessId(), nullptr};
    EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    if (std::chrono::steady_clock::now() > deadline) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string WindowText(HWND window) {
  // WM_GETTEXT is sent to the window's thread, which answers while it
  // pumps messages.
  char text[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text),
                           reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                           &copied)) {
    return std::string();
  }
  return std::string(text, copied);
}

bool WaitForText(HWND window, const std::string& expected,
                 std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (WindowText(window) != expected) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

size_t Screenshot::ColourCount() const {
  return std::set<uint32_t>(pixels.begin(), pixels.end()).size();
}

Screenshot CaptureWindow(HWND window) {
  Screenshot shot;
  RECT r;
  if (!GetWindowRect(window, &r)) return shot;
  shot.width = r.right - r.left;
  shot.height = r.bottom - r.top;
  if (shot.width <= 0 || shot.height <= 0) return Screenshot();

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    // Under Xvfb there is no window manager to draw the frame and the
    // caption, so they are drawn here as the system draws them; the client
    // area, children included, is copied from the screen.
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT frame = {0, 0, shot.width, shot.height};
    FillRect(memory, &frame, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(memory, &frame, EDGE_RAISED, BF_RECT);
    int border = origin.x - r.left;
    int captionBottom = origin.y - r.top - 1;
    if (captionBottom > border) {
      RECT caption = {border, border, shot.width - border, captionBottom};
      DrawCaption(window, memory, &caption, DC_ACTIVE | DC_TEXT | DC_ICON);
    }
    BitBlt(memory, origin.x - r.left, origin.y - r.top, client.right,
           client.bottom, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    shot.pixels.assign(p, p + shot.width * shot.height);
    for (uint32_t& px : shot.pixels) px &= 0x00ffffff;
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (shot.pixels.empty()) return Screenshot();
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

std::string ArtifactPath(const std::string& name) {
  char exe[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string path(exe, n);
  // <build>\bin\program.exe -> <build>
  for (int i = 0; i < 2; ++i) {
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) break;
    path.resize(slash);
  }
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

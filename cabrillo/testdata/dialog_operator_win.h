// The operator of the tests that drive the plug-in's real windows under
// Wine: finds the Cabrillo header dialog and the "Output" box as they come
// up, reads what they show, types, picks, presses buttons and keeps
// screenshots in <build>/artifacts. Every wait has a time limit, and the
// Operator closes whatever is still open when its script is done, so no test
// can hang.
#ifndef AADX_CABRILLO_TESTDATA_DIALOG_OPERATOR_WIN_H_
#define AADX_CABRILLO_TESTDATA_DIALOG_OPERATOR_WIN_H_

#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "tests/test_util.h"
#include "ui/resource.h"

namespace aadx {
namespace dialog_test {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

inline constexpr auto kWindowWait = 20s;
inline constexpr UINT kReplyMs = 5000;
inline constexpr char kDialogTitle[] = "AADX-CW/SSB";
inline constexpr char kBoxTitle[] = "Output";

// ---------------------------------------------------------------------------
// Talking to windows of another thread, each call with a time limit.

inline LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                           kReplyMs, &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

inline std::string TextOf(HWND window) {
  LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
  if (length < 0) return "<no answer>";
  std::vector<char> text(static_cast<size_t>(length) + 1);
  LRESULT copied = Send(window, WM_GETTEXT, text.size(),
                        reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), copied > 0 ? copied : 0);
}

inline void SetTextOf(HWND window, const std::string& text) {
  Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

inline std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

struct TitleSearch {
  const char* title;
  HWND found;
};

inline BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TitleSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
      std::string(text) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

inline HWND FindOwnWindow(const char* title) {
  TitleSearch search{title, nullptr};
  EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND WaitForWindow(const char* title) {
  auto deadline = Clock::now() + kWindowWait;
  for (;;) {
    if (HWND window = FindOwnWindow(title)) return window;
    if (Clock::now() > deadline) return nullptr;
    std::this_thread::sleep_for(20ms);
  }
}

inline bool WaitUntilGone(HWND window) {
  auto deadline = Clock::now() + kWindowWait;
  while (IsWindow(window)) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

// A button press as the dialog receives it: BN_CLICKED from the button.
inline void Press(HWND dialog, int id) {
  Send(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
       reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Keys as the keyboard sends them, one at a time: each is posted when the
// control shows the one before (the dialog's own loop translates Enter into
// its character, behind anything posted meanwhile). False when a key had
// no effect in time.
inline bool Type(HWND control, const std::string& keys) {
  for (char c : keys) {
    std::string before = TextOf(control);
    if (c == '\n') {
      PostMessageA(control, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      PostMessageA(control, WM_KEYUP, VK_RETURN, 0xC01C0001);
    } else {
      PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    auto deadline = Clock::now() + 5s;
    while (TextOf(control) == before) {
      if (Clock::now() > deadline) return false;
      std::this_thread::sleep_for(5ms);
    }
  }
  return true;
}

struct Child {
  HWND window;
  std::string cls;
  std::string text;
  LONG style;
};

inline BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  auto* children = reinterpret_cast<std::vector<Child>*>(param);
  children->push_back(Child{window, ClassOf(window), TextOf(window),
                            GetWindowLongA(window, GWL_STYLE)});
  return TRUE;
}

inline std::vector<Child> ChildrenOf(HWND window) {
  std::vector<Child> children;
  EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

// ---------------------------------------------------------------------------
// Screenshots, kept in <build>/artifacts.

inline std::string ArtifactPath(const std::string& name) {
  char exe[MAX_PATH] = {};
  fs::path bin =
      fs::path(std::string(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH)))
          .parent_path();
  fs::path folder = bin.parent_path() / "artifacts";
  fs::create_directories(folder);
  return (folder / name).string();
}

// The window as it is on the screen, written as a 24-bit BMP; the number of
// colours in it (a blank picture has one), 0 when it could not be taken.
inline size_t SaveScreenshot(HWND window, const std::string& path) {
  // The window's thread paints everything before the picture is taken.
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  std::this_thread::sleep_for(300ms);
  RECT r;
  if (!GetWindowRect(window, &r)) return 0;
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return 0;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files hold them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::set<uint32_t> colours;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    // Xvfb has no window manager to draw frame and caption: they are drawn
    // here as the system draws them; the client area comes from the screen.
    RECT frame = {0, 0, width, height};
    FillRect(memory, &frame, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(memory, &frame, EDGE_RAISED, BF_RECT);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    int border = origin.x - r.left;
    RECT caption = {border, border, width - border, origin.y - r.top - 1};
    if (caption.bottom > caption.top) {
      DrawCaption(window, memory, &caption, DC_ACTIVE | DC_TEXT | DC_ICON);
    }
    BitBlt(memory, origin.x - r.left, origin.y - r.top, client.right,
           client.bottom, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    std::string bmp;
    int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4d42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + rowBytes * height;
    BITMAPINFOHEADER header = info.bmiHeader;
    header.biBitCount = 24;
    header.biSizeImage = rowBytes * height;
    bmp.append(reinterpret_cast<const char*>(&file), sizeof(file));
    bmp.append(reinterpret_cast<const char*>(&header), sizeof(header));
    for (int y = 0; y < height; ++y) {
      std::string row(rowBytes, '\0');
      for (int x = 0; x < width; ++x) {
        uint32_t px = pixels[y * width + x] & 0xffffff;
        colours.insert(px);
        row[x * 3] = static_cast<char>(px & 0xff);
        row[x * 3 + 1] = static_cast<char>((px >> 8) & 0xff);
        row[x * 3 + 2] = static_cast<char>((px >> 16) & 0xff);
      }
      bmp += row;
    }
    WriteFileBytes(path, bmp);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours.size();
}

// ---------------------------------------------------------------------------
// What the operator sees.

struct ControlSeen {
  bool present = false;
  std::string cls;
  std::string text;
  std::string label;  // the static text placed just before the control
  bool enabled = false;
  bool labelEnabled = false;
  LONG style = 0;
  RECT rect = {};
  int selected = -1;                 // combos: the selected choice
  std::vector<std::string> choices;  // combos: the list
};

struct DialogSeen {
  bool appeared = false;
  HWND owner = nullptr;
  std::map<int, ControlSeen> controls;
  int soapboxLines = 0;
  std::string screenshot;
  size_t screenshotColours = 0;

  const ControlSeen& at(int id) const {
    static const ControlSeen missing;
    auto it = controls.find(id);
    return it == controls.end() ? missing : it->second;
  }
};

inline constexpr int kControlIds[] = {
    IDC_CABRILLO_CONTEST,
    IDC_CABRILLO_CALLSIGN,
    IDC_CABRILLO_CLAIMED,
    IDC_CABRILLO_CATEGORY_OPERATOR,
    IDC_CABRILLO_CATEGORY_ASSISTED,
    IDC_CABRILLO_CATEGORY_BAND,
    IDC_CABRILLO_CATEGORY_MODE,
    IDC_CABRILLO_CATEGORY_POWER,
    IDC_CABRILLO_CATEGORY_STATION,
    IDC_CABRILLO_CATEGORY_TRANSMITTER,
    IDC_CABRILLO_CATEGORY_OVERLAY,
    IDC_CABRILLO_NAME,
    IDC_CABRILLO_ADDRESS,
    IDC_CABRILLO_ADDRESS_CITY,
    IDC_CABRILLO_ADDRESS_STATE,
    IDC_CABRILLO_ADDRESS_POSTALCODE,
    IDC_CABRILLO_ADDRESS_COUNTRY,
    IDC_CABRILLO_OPERATORS,
    IDC_CABRILLO_CLUB,
    IDC_CABRILLO_LOCATION,
    IDC_CABRILLO_SOAPBOX,
    IDC_CABRILLO_EMAIL,
};

inline DialogSeen ReadDialog(HWND dialog) {
  DialogSeen seen;
  seen.appeared = true;
  seen.owner = GetWindow(dialog, GW_OWNER);
  for (int id : kControlIds) {
    HWND control = GetDlgItem(dialog, id);
    ControlSeen& c = seen.controls[id];
    if (control == nullptr) continue;
    c.present = true;
    c.cls = ClassOf(control);
    c.text = TextOf(control);
    c.enabled = IsWindowEnabled(control) != FALSE;
    c.style = GetWindowLongA(control, GWL_STYLE);
    GetWindowRect(control, &c.rect);
    HWND label = GetWindow(control, GW_HWNDPREV);
    if (label != nullptr && ClassOf(label) == "Static") {
      c.label = TextOf(label);
      c.labelEnabled = IsWindowEnabled(label) != FALSE;
    }
    if (c.cls == "ComboBox") {
      c.selected = static_cast<int>(Send(control, CB_GETCURSEL, 0, 0));
      LRESULT count = Send(control, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        char item[64] = {};
        Send(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        c.choices.push_back(item);
      }
    }
  }
  seen.soapboxLines = static_cast<int>(
      Send(GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX), EM_GETLINECOUNT, 0, 0));
  return seen;
}

struct BoxSeen {
  bool appeared = false;
  HWND owner = nullptr;
  std::vector<std::string> texts;    // static texts
  std::vector<std::string> buttons;  // visible buttons
  bool informationIcon = false;
  std::string screenshot;
};

inline BoxSeen ReadBox(HWND box) {
  BoxSeen seen;
  seen.appeared = true;
  seen.owner = GetWindow(box, GW_OWNER);
  HICON information = LoadIconA(nullptr, IDI_INFORMATION);
  for (const Child& c : ChildrenOf(box)) {
    if (c.cls == "Button" && (c.style & WS_VISIBLE)) {
      seen.buttons.push_back(c.text);
    } else if (c.cls == "Static") {
      if ((c.style & SS_TYPEMASK) == SS_ICON) {
        seen.informationIcon |=
            reinterpret_cast<HICON>(Send(c.window, STM_GETICON, 0, 0)) ==
            information;
      } else if (!c.text.empty()) {
        seen.texts.push_back(c.text);
      }
    }
  }
  return seen;
}

// ---------------------------------------------------------------------------
// The operator: a thread of its own that plays a script against the
// windows the plug-in shows, then closes whatever the plug-in still shows
// until the test has finished its export calls.
class Operator {
 public:
  explicit Operator(std::function<void()> script)
      : thread_([this, script] {
          script();
          Sweep();
        }) {}
  ~Operator() { Finish(); }

  // After the export calls: stops the sweep and joins the thread.
  void Finish() {
    done_ = true;
    if (thread_.joinable()) thread_.join();
  }
  // The windows found open after the script, which the test did not expect.
  const std::vector<std::string>& strays() const { return strays_; }

 private:
  void Sweep() {
    auto deadline = Clock::now() + 120s;
    while (!done_ && Clock::now() < deadline) {
      if (HWND dialog = FindOwnWindow(kDialogTitle)) {
        strays_.push_back(kDialogTitle);
        Press(dialog, IDCANCEL);
        WaitUntilGone(dialog);
      }
      if (HWND box = FindOwnWindow(kBoxTitle)) {
        BoxSeen seen = ReadBox(box);
        strays_.push_back(std::string(kBoxTitle) + ": " +
                          (seen.texts.empty() ? "" : seen.texts[0]));
        Press(box, IDOK);
        WaitUntilGone(box);
      }
      std::this_thread::sleep_for(20ms);
    }
  }

  std::atomic<bool> done_{false};
  std::vector<std::string> strays_;
  std::thread thread_;  // last: it starts using the members above at once
};

// The dialog as it comes up, with a screenshot kept under name when given;
// then the operator's edits, then OK (true) or Cancel.
inline DialogSeen AnswerDialog(const std::string& screenshotName,
                               const std::function<void(HWND)>& edit, bool ok) {
  HWND dialog = WaitForWindow(kDialogTitle);
  if (dialog == nullptr) return DialogSeen();
  DialogSeen seen = ReadDialog(dialog);
  if (!screenshotName.empty()) {
    seen.screenshot = ArtifactPath(screenshotName);
    seen.screenshotColours = SaveScreenshot(dialog, seen.screenshot);
  }
  if (edit) edit(dialog);
  Press(dialog, ok ? IDOK : IDCANCEL);
  WaitUntilGone(dialog);
  return seen;
}

inline BoxSeen AnswerBox(const std::string& screenshotName) {
  HWND box = WaitForWindow(kBoxTitle);
  if (box == nullptr) return BoxSeen();
  BoxSeen seen = ReadBox(box);
  if (!screenshotName.empty()) {
    seen.screenshot = ArtifactPath(screenshotName);
    SaveScreenshot(box, seen.screenshot);
  }
  Press(box, IDOK);
  WaitUntilGone(box);
  return seen;
}

}  // namespace dialog_test
}  // namespace aadx

#endif  // AADX_CABRILLO_TESTDATA_DIALOG_OPERATOR_WIN_H_

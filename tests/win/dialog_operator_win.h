// The operator of the Cabrillo export tests, on the window toolkit: finds
// the Cabrillo header dialog and the "Output" box as they come up, reads
// what they show and answers them. The Operator closes whatever is still
// open when its script is done, so no test can hang.
#ifndef AADX_TESTS_WIN_DIALOG_OPERATOR_WIN_H_
#define AADX_TESTS_WIN_DIALOG_OPERATOR_WIN_H_

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/test_util.h"
#include "tests/win/window_test_util_win.h"
#include "ui/resource.h"

namespace aadx {
namespace dialog_test {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

inline constexpr auto kWindowWait = 20s;
// The longest one operator may take, script and sweep; a few exports with
// their dialogs take seconds.
inline constexpr auto kOperatorLimit = 60s;
inline constexpr char kDialogTitle[] = "AADX-CW/SSB";
inline constexpr char kBoxTitle[] = "Output";

struct Child {
  HWND window;
  std::string cls;
  std::string text;
  LONG style;
};

inline BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  auto* children = reinterpret_cast<std::vector<Child>*>(param);
  children->push_back(Child{window, ClassOf(window), WindowText(window),
                            GetWindowLongA(window, GWL_STYLE)});
  return TRUE;
}

inline std::vector<Child> ChildrenOf(HWND window) {
  std::vector<Child> children;
  EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
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
    c.text = WindowText(control);
    c.enabled = IsWindowEnabled(control) != FALSE;
    c.style = GetWindowLongA(control, GWL_STYLE);
    GetWindowRect(control, &c.rect);
    HWND label = GetWindow(control, GW_HWNDPREV);
    if (label != nullptr && ClassOf(label) == "Static") {
      c.label = WindowText(label);
      c.labelEnabled = IsWindowEnabled(label) != FALSE;
    }
    if (c.cls == "ComboBox") {
      c.selected = static_cast<int>(SendWithin(control, CB_GETCURSEL, 0, 0));
      LRESULT count = SendWithin(control, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        char item[64] = {};
        SendWithin(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        c.choices.push_back(item);
      }
    }
  }
  seen.soapboxLines = static_cast<int>(SendWithin(
      GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX), EM_GETLINECOUNT, 0, 0));
  return seen;
}

struct BoxSeen {
  bool appeared = false;
  HWND owner = nullptr;
  std::vector<std::string> texts;    // static texts
  std::vector<std::string> buttons;  // visible buttons
  bool informationIcon = false;
  bool warningIcon = false;
  std::string screenshot;
};

inline BoxSeen ReadBox(HWND box) {
  BoxSeen seen;
  seen.appeared = true;
  seen.owner = GetWindow(box, GW_OWNER);
  HICON information = LoadIconA(nullptr, IDI_INFORMATION);
  HICON warning = LoadIconA(nullptr, IDI_WARNING);
  for (const Child& c : ChildrenOf(box)) {
    if (c.cls == "Button" && (c.style & WS_VISIBLE)) {
      seen.buttons.push_back(c.text);
    } else if (c.cls == "Static") {
      if ((c.style & SS_TYPEMASK) == SS_ICON) {
        HICON icon =
            reinterpret_cast<HICON>(SendWithin(c.window, STM_GETICON, 0, 0));
        seen.informationIcon |= icon == information;
        seen.warningIcon |= icon == warning;
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
// until the test has finished its export calls. A watchdog ends the test
// program with a message when the test's thread is not back from the
// plug-in's windows within kOperatorLimit.
class Operator {
 public:
  explicit Operator(std::function<void()> script)
      : watchdog_(CurrentTestName() + ": the plug-in's windows and the script",
                  kOperatorLimit),
        thread_([this, script] {
          script();
          Sweep();
          finished_ = true;
        }) {}
  ~Operator() { Finish(); }

  // After the export calls: stops the sweep and joins the thread. The
  // test's thread may own windows (the host's stand-in), so it answers
  // what the operator sends them while it waits.
  void Finish() {
    done_ = true;
    EventuallyAnswering([this] { return finished_.load(); }, kOperatorLimit);
    if (thread_.joinable()) thread_.join();
  }
  // The windows found open after the script, which the test did not expect.
  const std::vector<std::string>& strays() const { return strays_; }

 private:
  static std::string CurrentTestName() {
    const ::testing::TestInfo* test =
        ::testing::UnitTest::GetInstance()->current_test_info();
    return test == nullptr
               ? "a Cabrillo export"
               : std::string(test->test_suite_name()) + "." + test->name();
  }

  void Sweep() {
    auto deadline = Clock::now() + kOperatorLimit;
    while (!done_ && Clock::now() < deadline) {
      if (HWND dialog = FindOwnWindow(kDialogTitle)) {
        strays_.push_back(kDialogTitle);
        Press(dialog, IDCANCEL);
        WaitUntilGone(dialog, kWindowWait);
      }
      if (HWND box = FindOwnWindow(kBoxTitle)) {
        BoxSeen seen = ReadBox(box);
        strays_.push_back(std::string(kBoxTitle) + ": " +
                          (seen.texts.empty() ? "" : seen.texts[0]));
        Press(box, IDOK);
        WaitUntilGone(box, kWindowWait);
      }
      std::this_thread::sleep_for(20ms);
    }
  }

  Watchdog watchdog_;
  std::atomic<bool> done_{false};
  std::atomic<bool> finished_{false};
  std::vector<std::string> strays_;
  std::thread thread_;  // last: it starts using the members above at once
};

// The dialog as it comes up, with a screenshot kept under name when given;
// then the operator's edits, then OK (true) or Cancel.
inline DialogSeen AnswerDialog(const std::string& screenshotName,
                               const std::function<void(HWND)>& edit, bool ok) {
  HWND dialog = WaitForWindow(kDialogTitle, kWindowWait);
  if (dialog == nullptr) return DialogSeen();
  DialogSeen seen = ReadDialog(dialog);
  if (!screenshotName.empty()) {
    seen.screenshotColours =
        KeepScreenshot(dialog, screenshotName, &seen.screenshot).ColourCount();
  }
  if (edit) edit(dialog);
  Press(dialog, ok ? IDOK : IDCANCEL);
  WaitUntilGone(dialog, kWindowWait);
  return seen;
}

inline BoxSeen AnswerBox(const std::string& screenshotName) {
  HWND box = WaitForWindow(kBoxTitle, kWindowWait);
  if (box == nullptr) return BoxSeen();
  BoxSeen seen = ReadBox(box);
  if (!screenshotName.empty()) {
    KeepScreenshot(box, screenshotName, &seen.screenshot);
  }
  Press(box, IDOK);
  WaitUntilGone(box, kWindowWait);
  return seen;
}

}  // namespace dialog_test
}  // namespace aadx

#endif  // AADX_TESTS_WIN_DIALOG_OPERATOR_WIN_H_

// The desktop on Windows: the Windows profile API for the settings, the
// setup dialog "Master" (dialog 113), the Cabrillo header dialog "Cabrillo"
// (dialog 101, "AADX-CW/SSB"), MessageBoxA, and the version resource of the
// host executable.
//
// Each dialog is one call of RunDialog over its own data, with a Show and a
// Take of its own, and edits the caller's values only on OK. Every dialog and
// message box is owned by the calling thread's active window (normally the
// host's, which then waits while it is open); without one it has no owner. No
// exception leaves a dialog procedure: the dialog then ends as cancelled.
#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/desktop.h"
#include "base/module_win.h"
#include "cabrillo/cabrillo_form.h"
#include "cabrillo/header_controls.h"
#include "cabrillo/host_version.h"
#include "ui/resource.h"

namespace aadx {
namespace {

// A control's whole text.
std::string WindowTextOf(HWND window) {
  std::vector<char> text(GetWindowTextLengthA(window) + 1);
  int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), n > 0 ? n : 0);
}

// One modal dialog over its data, which travels to the dialog procedure
// through DialogBoxParamA's lParam: Show(dialog, data) fills the controls as
// the dialog opens, Take(dialog, &data) reads them back on OK. Cancel, Esc
// and the caption's close button end it without Take.
template <typename Data>
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      Show(dialog, *reinterpret_cast<const Data*>(lParam));
      return TRUE;  // focus to the first tab stop
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
      case IDOK: {
        auto* data =
            reinterpret_cast<Data*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (data != nullptr) Take(dialog, data);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
  } catch (...) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

// True when the dialog ended with OK.
template <typename Data>
bool RunDialog(int id, Data* data) {
  return DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(id), GetActiveWindow(),
                         &DialogProcedure<Data>,
                         reinterpret_cast<LPARAM>(data)) == IDOK;
}

// The setup dialog 113's data: the caller's two values, which only OK
// changes.
struct Master {
  int* windowFlag;        // check box IDC_MASTER_WINDOW, as its state
  std::string* modeText;  // edit IDC_MASTER_MODE
};

void Show(HWND dialog, const Master& master) {
  // A value that is no check state shows as clear.
  int flag = *master.windowFlag;
  int state = flag >= 0 && flag <= 2 ? flag : 0;
  CheckDlgButton(dialog, IDC_MASTER_WINDOW, static_cast<UINT>(state));
  SetDlgItemTextA(dialog, IDC_MASTER_MODE, master.modeText->c_str());
}

void Take(HWND dialog, Master* master) {
  // Both controls are read before either value changes, so a failure
  // leaves the caller's values as they were.
  int flag = static_cast<int>(IsDlgButtonChecked(dialog, IDC_MASTER_WINDOW));
  std::string mode = WindowTextOf(GetDlgItem(dialog, IDC_MASTER_MODE));
  *master->windowFlag = flag;
  *master->modeText = std::move(mode);
}

// The Cabrillo header dialog 101's data: the caller's copy of the form,
// which it shows and, on OK, edits in place (SetupHeader fills that copy
// before and takes it after).
struct Cabrillo {
  CabrilloForm* form;
};

// Each text of the form into its control. A combo gets its choices and
// shows the first that begins with its text, ignoring case, or else the
// text as it is.
void Show(HWND dialog, const Cabrillo& cabrillo) {
  for (const HeaderControl& c : HeaderControls()) {
    HWND control = GetDlgItem(dialog, c.id);
    const std::string& text = cabrillo.form->*c.field;
    if (c.choices.empty()) {
      SetWindowTextA(control, text.c_str());
      continue;
    }
    for (const std::string& choice : c.choices) {
      SendMessageA(control, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(choice.c_str()));
    }
    int choice = FirstChoiceStartingWith(c.choices, text);
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
    if (choice < 0) SetWindowTextA(control, text.c_str());
  }
}

// Every control's text back into its member.
void Take(HWND dialog, Cabrillo* cabrillo) {
  for (const HeaderControl& c : HeaderControls()) {
    cabrillo->form->*c.field = WindowTextOf(GetDlgItem(dialog, c.id));
  }
}

// The host's version ---------------------------------------------------------
// The first "*.exe" in the current folder whose name holds "Talq", and the
// fixed file version of its version resource. An executable without a
// readable version resource gives no version, like a folder without one:
// the CREATED-BY line then names the logger without a number.

// The name of the first matching entry, in the order the search returns
// them; empty when none matches.
std::string FindHostExecutable() {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA("*.exe", &entry);
  if (search == INVALID_HANDLE_VALUE) return "";
  std::string found;
  do {
    if (std::strstr(entry.cFileName, "Talq") != nullptr) {
      found = entry.cFileName;
      break;
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return found;
}

std::string ReadFixedVersion(const std::string& fileName) {
  // A bare name would be looked up along the library search path (the
  // host's own folder and the system folders first); the search above
  // looked in the current folder.
  std::string path = ".\\" + fileName;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return "";
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return "";
  void* value = nullptr;
  UINT length = 0;
  char root[] = "\\";
  if (!VerQueryValueA(block.data(), root, &value, &length) ||
      value == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
    return "";
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  if (info->dwSignature != 0xFEEF04BD) return "";
  return HostVersionText(info->dwFileVersionMS, info->dwFileVersionLS);
}

class WindowsDesktop : public Desktop {
 public:
  std::string ReadProfile(const std::string& file, const std::string& section,
                          const std::string& key,
                          const std::string& def) override {
    // The API truncates silently when the buffer is too small, returning
    // size - 1: grow until the value fits so long texts survive.
    std::vector<char> buffer(128);
    for (;;) {
      DWORD n = GetPrivateProfileStringA(
          section.c_str(), key.c_str(), def.c_str(), buffer.data(),
          static_cast<DWORD>(buffer.size()), file.c_str());
      if (n + 1 < buffer.size() || buffer.size() >= (1u << 24)) {
        return std::string(buffer.data(), n);
      }
      buffer.resize(buffer.size() * 2);
    }
  }

  Status WriteProfile(const std::string& file, const std::string& section,
                      const std::string& key,
                      const std::string& value) override {
    if (WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                   file.c_str())) {
      return Status::OK();
    }
    return Status::NotWritten("The settings could not be saved in " + file +
                              "; it keeps the values it held.");
  }

  bool RunSetupDialog(int* windowFlag, std::string* modeText) override {
    Master master{windowFlag, modeText};
    return RunDialog(IDD_MASTER, &master);
  }

  bool RunCabrilloDialog(CabrilloForm* form) override {
    Cabrillo cabrillo{form};
    return RunDialog(IDD_CABRILLO, &cabrillo);
  }

  void ShowMessage(const std::string& text, const std::string& caption,
                   MessageIcon icon) override {
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(),
                MB_OK | (icon == MessageIcon::kWarning ? MB_ICONWARNING
                                                       : MB_ICONINFORMATION));
  }

  std::string HostVersionText() override {
    std::string host = FindHostExecutable();
    return host.empty() ? "" : ReadFixedVersion(host);
  }
};

}  // namespace

Desktop* DefaultDesktop() {
  static WindowsDesktop desktop;
  return &desktop;
}

}  // namespace aadx

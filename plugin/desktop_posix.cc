// The desktop without Windows: the settings in our own INI code, behaving
// like the Windows profile API; every dialog answered like an operator who
// presses OK; warning notices, which tell that something the operator asked
// for failed, on stderr as "CAPTION: TEXT" so a failure does not pass
// unseen (information notices stay quiet); and no host executable to take
// a version from.
//
// The Cabrillo header dialog first gets the texts a tool playing the
// operator hands it in AADX_CABRILLO_DIALOG_INPUT: "LABEL=TEXT" lines, LABEL
// a control's label in the list of header controls; disabled controls take
// no typing. With the variable unset nothing is edited.
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "base/desktop.h"
#include "base/ini_file.h"
#include "cabrillo/cabrillo_form.h"
#include "cabrillo/header_controls.h"

namespace aadx {
namespace {

void TypeInto(CabrilloForm* form, const char* lines) {
  std::istringstream in(lines);
  std::string line;
  while (std::getline(in, line)) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    for (const HeaderControl& control : HeaderControls()) {
      if (control.enabled && line.compare(0, equals, control.label) == 0 &&
          equals == std::char_traits<char>::length(control.label)) {
        form->*control.field = line.substr(equals + 1);
      }
    }
  }
}

class PosixDesktop : public Desktop {
 public:
  std::string ReadProfile(const std::string& file, const std::string& section,
                          const std::string& key,
                          const std::string& def) override {
    std::string value;
    return IniReadFile(file, section, key, &value) ? value : def;
  }

  Status WriteProfile(const std::string& file, const std::string& section,
                      const std::string& key,
                      const std::string& value) override {
    return IniWriteFile(file, section, key, value);
  }

  bool RunSetupDialog(int*, std::string*) override { return true; }

  bool RunCabrilloDialog(CabrilloForm* form) override {
    if (const char* typed = std::getenv("AADX_CABRILLO_DIALOG_INPUT"))
      TypeInto(form, typed);
    return true;
  }

  void ShowMessage(const std::string& text, const std::string& caption,
                   MessageIcon icon) override {
    if (icon != MessageIcon::kWarning) return;
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
  }

  std::string HostVersionText() override { return ""; }
};

}  // namespace

Desktop* DefaultDesktop() {
  static PosixDesktop desktop;
  return &desktop;
}

}  // namespace aadx

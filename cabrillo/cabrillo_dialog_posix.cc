// Without a desktop the header dialog is answered with OK. It first gets the
// texts a tool playing the operator hands it in AADX_CABRILLO_DIALOG_INPUT:
// "LABEL=TEXT" lines, LABEL a control's label in the list of header
// controls; disabled controls take no typing. With the variable unset
// nothing is edited.
#include <cstdlib>
#include <sstream>

#include "cabrillo/cabrillo_dialog.h"
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

class OkCabrilloDialog : public CabrilloDialog {
 public:
  bool RunCabrilloDialog(CabrilloForm* form) override {
    if (const char* typed = std::getenv("AADX_CABRILLO_DIALOG_INPUT"))
      TypeInto(form, typed);
    return true;
  }
};

}  // namespace

CabrilloDialog* DefaultCabrilloDialog() {
  static OkCabrilloDialog dialog;
  return &dialog;
}

}  // namespace aadx

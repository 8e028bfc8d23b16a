// Without a desktop the header dialog is answered with OK. It first gets the
// texts a tool playing the operator hands it in AADX_CABRILLO_DIALOG_INPUT:
// "LABEL=TEXT" lines, LABEL a control's label; disabled controls take no
// typing. With the variable unset nothing is edited.
#include <cstdlib>
#include <sstream>

#include "cabrillo/cabrillo_dialog.h"

namespace aadx {
namespace {

struct Control {
  const char* label;
  std::string CabrilloForm::*text;
};

const Control kEnabledControls[] = {
    {"CONTEST", &CabrilloForm::contest},
    {"CALLSIGN", &CabrilloForm::callsign},
    {"CLAIMED", &CabrilloForm::claimed},
    {"CATEGORY-OPERATOR", &CabrilloForm::categoryOperator},
    {"CATEGORY-BAND", &CabrilloForm::categoryBand},
    {"CATEGORY-MODE", &CabrilloForm::categoryMode},
    {"CATEGORY-POWER", &CabrilloForm::categoryPower},
    {"CATEGORY-TRANSMITTER", &CabrilloForm::categoryTransmitter},
    {"CATEGORY-OVERLAY", &CabrilloForm::categoryOverlay},
    {"NAME", &CabrilloForm::name},
    {"ADDRESS", &CabrilloForm::address},
    {"ADDRESS-CITY", &CabrilloForm::addressCity},
    {"ADDRESS-STATE-PROVINCE", &CabrilloForm::addressState},
    {"ADDRESS-POSTALCODE", &CabrilloForm::addressPostalCode},
    {"ADDRESS-COUNTRY", &CabrilloForm::addressCountry},
    {"OPERATORS", &CabrilloForm::operators},
    {"CLUB", &CabrilloForm::club},
    {"SOAPBOX", &CabrilloForm::soapbox},
    {"E-MAIL", &CabrilloForm::email},
};

void TypeInto(CabrilloForm* form, const char* lines) {
  std::istringstream in(lines);
  std::string line;
  while (std::getline(in, line)) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    for (const Control& control : kEnabledControls) {
      if (line.compare(0, equals, control.label) == 0 &&
          equals == std::char_traits<char>::length(control.label)) {
        form->*control.text = line.substr(equals + 1);
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

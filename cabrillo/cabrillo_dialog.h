// The Cabrillo header dialog as the core sees it. Windows shows dialog 101;
// elsewhere a stand-in answers like an operator who presses OK, after typing
// the texts a tool hands it (none unless a tool does).
#ifndef AADX_CABRILLO_CABRILLO_DIALOG_H_
#define AADX_CABRILLO_CABRILLO_DIALOG_H_

#include <string>

namespace aadx {

// The 22 texts of the Cabrillo header dialog.
struct CabrilloForm {
  std::string contest;
  std::string callsign;
  std::string claimed;
  std::string categoryOperator;
  std::string categoryAssisted;
  std::string categoryBand;
  std::string categoryMode;
  std::string categoryPower;
  std::string categoryStation;
  std::string categoryTransmitter;
  std::string categoryOverlay;
  std::string name;
  std::string address;
  std::string addressCity;
  std::string addressState;
  std::string addressPostalCode;
  std::string addressCountry;
  std::string operators;
  std::string club;
  std::string location;
  std::string soapbox;
  std::string email;
};

class CabrilloDialog {
 public:
  virtual ~CabrilloDialog() = default;

  // Shows the Cabrillo header dialog on *form, the caller's copy; true when
  // the operator pressed OK, with *form holding the controls' texts. Any
  // other ending returns false: Cancel, Esc and the close button leave *form
  // as it was, a failure while the texts are taken back may leave part of
  // them in it, so the caller drops its copy then.
  virtual bool RunCabrilloDialog(CabrilloForm* form) = 0;
};

CabrilloDialog* DefaultCabrilloDialog();

}  // namespace aadx

#endif  // AADX_CABRILLO_CABRILLO_DIALOG_H_

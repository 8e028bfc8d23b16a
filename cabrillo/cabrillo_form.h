// The texts of the Cabrillo header: what the header dialog (dialog 101 on
// Windows, Desktop::RunCabrilloDialog) shows and edits, and what the
// Cabrillo file's header lines are made of.
#ifndef AADX_CABRILLO_CABRILLO_FORM_H_
#define AADX_CABRILLO_CABRILLO_FORM_H_

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

}  // namespace aadx

#endif  // AADX_CABRILLO_CABRILLO_FORM_H_

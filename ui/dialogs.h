// The modal dialogs and the message box, as the core sees them. Windows
// shows the real dialogs; elsewhere a stand-in answers like an operator who
// presses OK without editing anything.
#ifndef AADX_UI_DIALOGS_H_
#define AADX_UI_DIALOGS_H_

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

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows the Cabrillo header dialog on form; true when the operator pressed
  // OK, with form holding the controls' texts. Any other ending leaves form
  // as it was and returns false.
  virtual bool RunCabrilloDialog(CabrilloForm* form) = 0;

  // Shows the contest setup dialog; true on OK, with the two values updated.
  virtual bool RunSetupDialog(int* windowFlag, std::string* modeText) = 0;

  // An information box with a single OK button, owned by the calling
  // thread's active window; returns when it is closed.
  virtual void ShowMessage(const std::string& text,
                           const std::string& caption) = 0;
};

Dialogs* DefaultDialogs();

}  // namespace aadx

#endif  // AADX_UI_DIALOGS_H_

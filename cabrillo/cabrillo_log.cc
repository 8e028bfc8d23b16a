#include "cabrillo/cabrillo_log.h"

#include "cabrillo/file_base.h"

namespace aadx {

std::string ReplaceAll(const std::string& text, const std::string& find,
                       const std::string& replacement) {
  if (find == replacement || find.empty()) return text;
  std::string result;
  size_t start = 0;
  for (size_t p; (p = text.find(find, start)) != std::string::npos;) {
    result.append(text, start, p - start);
    result += replacement;
    start = p + find.size();
  }
  result.append(text, start, std::string::npos);
  return result;
}

CabrilloLog::CabrilloLog(Settings* settings, CabrilloDialog* dialog,
                         HostVersion* hostVersion)
    : settings_(settings), dialog_(dialog), hostVersion_(hostVersion) {}

bool CabrilloLog::SetupHeader(const std::string& ownCall, int* modeFlag,
                              int* exportFlag) {
  callsign = ownCall;
  // The file is named after the callsign the host passed, whatever the
  // operator makes of the CALLSIGN field.
  fileBase = CabrilloFileBase(ownCall);

  operators = settings_->ReadText("Operators", ownCall);
  name = settings_->ReadText("Name");
  address = settings_->ReadText("Address");
  addressCity = settings_->ReadText("Address-City");
  addressState = settings_->ReadText("Address-State");
  addressPostalCode = settings_->ReadText("Address-PostalCode");
  addressCountry = settings_->ReadText("Address-Country");
  claimed = settings_->ReadText("Claimed");

  bool cw = settings_->ReadText("Mode") == "CW";
  *modeFlag = cw ? 1 : 0;
  contest = cw ? "AADX-CW" : "AADX-SSB";

  // Fixed at every export; only the overlay keeps what was last accepted.
  categoryOperator = "SINGLE-OP";
  categoryBand = "ALL";
  categoryMode = cw ? "CW" : "SSB";
  categoryPower = "HIGH";
  categoryTransmitter = "ONE";
  categoryStation = "FIXED";
  categoryAssisted = "NON-ASSISTED";
  location = "DX";

  email = settings_->ReadText("Email");
  club = settings_->ReadText("Club");
  // A settings value holds no line break: the soapbox's travel as tokens.
  soapbox = ReplaceAll(ReplaceAll(settings_->ReadText("SoapBox"), "<CR>", "\r"),
                       "<LF>", "\n");

  CabrilloForm form = ToForm();
  if (!dialog_->RunCabrilloDialog(&form)) {
    *exportFlag = 0;
    return false;
  }
  FromForm(form);

  std::string storedSoapbox =
      ReplaceAll(ReplaceAll(soapbox, "\r", "<CR>"), "\n", "<LF>");
  settings_->WriteText("Operators", operators);
  settings_->WriteText("Name", name);
  settings_->WriteText("Address", address);
  settings_->WriteText("Address-City", addressCity);
  settings_->WriteText("Address-State", addressState);
  settings_->WriteText("Address-PostalCode", addressPostalCode);
  settings_->WriteText("Address-Country", addressCountry);
  settings_->WriteText("Contest", contest);
  settings_->WriteText("Email", email);
  settings_->WriteText("Club", club);
  settings_->WriteText("Location", location);
  settings_->WriteText("SoapBox", storedSoapbox);

  // The forms the file needs: every further line under its own tag. The
  // address carries the tokens the operator typed into its single line.
  soapbox = ReplaceAll(ReplaceAll(storedSoapbox, "<CR>", "\r\nSOAPBOX: "),
                       "<LF>", "");
  address =
      ReplaceAll(ReplaceAll(address, "<CR>", "\r\nADDRESS: "), "<LF>", "");

  qsoLines.clear();
  return true;
}

CabrilloForm CabrilloLog::ToForm() const {
  CabrilloForm f;
  f.contest = contest;
  f.callsign = callsign;
  f.claimed = claimed;
  f.categoryOperator = categoryOperator;
  f.categoryAssisted = categoryAssisted;
  f.categoryBand = categoryBand;
  f.categoryMode = categoryMode;
  f.categoryPower = categoryPower;
  f.categoryStation = categoryStation;
  f.categoryTransmitter = categoryTransmitter;
  f.categoryOverlay = categoryOverlay;
  f.name = name;
  f.address = address;
  f.addressCity = addressCity;
  f.addressState = addressState;
  f.addressPostalCode = addressPostalCode;
  f.addressCountry = addressCountry;
  f.operators = operators;
  f.club = club;
  f.location = location;
  f.soapbox = soapbox;
  f.email = email;
  return f;
}

void CabrilloLog::FromForm(const CabrilloForm& f) {
  // Every field but the claimed score, which only the result request sets.
  contest = f.contest;
  callsign = f.callsign;
  categoryOperator = f.categoryOperator;
  categoryAssisted = f.categoryAssisted;
  categoryBand = f.categoryBand;
  categoryMode = f.categoryMode;
  categoryPower = f.categoryPower;
  categoryStation = f.categoryStation;
  categoryTransmitter = f.categoryTransmitter;
  categoryOverlay = f.categoryOverlay;
  name = f.name;
  address = f.address;
  addressCity = f.addressCity;
  addressState = f.addressState;
  addressPostalCode = f.addressPostalCode;
  addressCountry = f.addressCountry;
  operators = f.operators;
  club = f.club;
  location = f.location;
  soapbox = f.soapbox;
  email = f.email;
}

}  // namespace aadx

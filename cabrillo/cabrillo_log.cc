#include "cabrillo/cabrillo_log.h"

#include <utility>

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

CabrilloLog::CabrilloLog(Settings* settings, Desktop* desktop)
    : settings_(settings), desktop_(desktop) {}

void CabrilloLog::SetupHeader(const std::string& ownCall, int* exportFlag) {
  form.callsign = ownCall;
  // The file is named after the callsign the host passed, whatever the
  // operator makes of the CALLSIGN field.
  fileBase = CabrilloFileBase(ownCall);

  form.operators = settings_->ReadText("Operators", ownCall);
  form.name = settings_->ReadText("Name");
  form.address = settings_->ReadText("Address");
  form.addressCity = settings_->ReadText("Address-City");
  form.addressState = settings_->ReadText("Address-State");
  form.addressPostalCode = settings_->ReadText("Address-PostalCode");
  form.addressCountry = settings_->ReadText("Address-Country");
  form.claimed = settings_->ReadText("Claimed");

  bool cw = settings_->ReadText("Mode") == "CW";
  form.contest = cw ? "AADX-CW" : "AADX-SSB";

  // Fixed at every export; only the overlay keeps what was last accepted.
  form.categoryOperator = "SINGLE-OP";
  form.categoryBand = "ALL";
  form.categoryMode = cw ? "CW" : "SSB";
  form.categoryPower = "HIGH";
  form.categoryTransmitter = "ONE";
  form.categoryStation = "FIXED";
  form.categoryAssisted = "NON-ASSISTED";
  form.location = "DX";

  form.email = settings_->ReadText("Email");
  form.club = settings_->ReadText("Club");
  // A settings value holds no line break: the soapbox's travel as tokens.
  form.soapbox = ReplaceAll(
      ReplaceAll(settings_->ReadText("SoapBox"), "<CR>", "\r"), "<LF>", "\n");

  // The dialog edits this one copy; only OK makes it the form.
  CabrilloForm edited = form;
  if (!desktop_->RunCabrilloDialog(&edited)) {
    *exportFlag = 0;
    return;
  }
  // Every field but the claimed score, which only the result request sets.
  edited.claimed = std::move(form.claimed);
  form = std::move(edited);

  std::string storedSoapbox =
      ReplaceAll(ReplaceAll(form.soapbox, "\r", "<CR>"), "\n", "<LF>");
  const std::pair<const char*, const std::string*> saved[] = {
      {"Operators", &form.operators},
      {"Name", &form.name},
      {"Address", &form.address},
      {"Address-City", &form.addressCity},
      {"Address-State", &form.addressState},
      {"Address-PostalCode", &form.addressPostalCode},
      {"Address-Country", &form.addressCountry},
      {"Contest", &form.contest},
      {"Email", &form.email},
      {"Club", &form.club},
      {"Location", &form.location},
      {"SoapBox", &storedSoapbox},
  };
  headerSaved_ = true;
  for (const auto& [key, value] : saved) {
    if (!settings_->WriteText(key, *value).ok()) headerSaved_ = false;
  }

  // The forms the file needs: every further line under its own tag. The
  // address carries the tokens the operator typed into its single line.
  form.soapbox = ReplaceAll(ReplaceAll(storedSoapbox, "<CR>", "\r\nSOAPBOX: "),
                            "<LF>", "");
  form.address =
      ReplaceAll(ReplaceAll(form.address, "<CR>", "\r\nADDRESS: "), "<LF>", "");

  qsoLines_.clear();
}

}  // namespace aadx

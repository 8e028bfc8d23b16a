#include "cabrillo/header_controls.h"

#include "base/ascii.h"
#include "ui/resource.h"

namespace aadx {
namespace {

// "DX", "-/-", the US states but Hawaii and Maryland, then the Canadian
// areas.
std::vector<std::string> LocationCodes() {
  return {"DX", "-/-", "AL", "AK",  "AZ", "AR", "CA", "CO", "CT", "DE", "FL",
          "GA", "ID",  "IL", "IN",  "IA", "KS", "KY", "LA", "ME", "MA", "MI",
          "MN", "MS",  "MO", "MT",  "NE", "NV", "NH", "NJ", "NM", "NY", "NC",
          "ND", "OH",  "OK", "OR",  "PA", "RI", "SC", "SD", "TN", "TX", "UT",
          "VT", "VA",  "WA", "WV",  "WI", "WY", "NB", "NS", "QC", "ON", "MB",
          "SK", "AB",  "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"};
}

}  // namespace

const std::vector<HeaderControl>& HeaderControls() {
  using F = CabrilloForm;
  static const std::vector<HeaderControl> controls = {
      {IDC_CABRILLO_CONTEST, &F::contest, {}},
      {IDC_CABRILLO_CALLSIGN, &F::callsign, {}},
      {IDC_CABRILLO_CLAIMED, &F::claimed, {}},
      {IDC_CABRILLO_CATEGORY_OPERATOR,
       &F::categoryOperator,
       {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
      {IDC_CABRILLO_CATEGORY_ASSISTED,
       &F::categoryAssisted,
       {"ASSISTED", "NON-ASSISTED"}},
      {IDC_CABRILLO_CATEGORY_BAND,
       &F::categoryBand,
       {"ALL", "160M", "80M", "40M", "20M", "15M", "10M"}},
      {IDC_CABRILLO_CATEGORY_MODE, &F::categoryMode, {"CW"}},
      {IDC_CABRILLO_CATEGORY_POWER, &F::categoryPower, {"HIGH", "LOW", "QRP"}},
      {IDC_CABRILLO_CATEGORY_STATION, &F::categoryStation, {"FIXED"}},
      {IDC_CABRILLO_CATEGORY_TRANSMITTER,
       &F::categoryTransmitter,
       {"ONE", "TWO", "UNLIMITED"}},
      {IDC_CABRILLO_CATEGORY_OVERLAY,
       &F::categoryOverlay,
       {"TB-WIRES", "ROOKIE"}},
      {IDC_CABRILLO_NAME, &F::name, {}},
      {IDC_CABRILLO_ADDRESS, &F::address, {}},
      {IDC_CABRILLO_ADDRESS_CITY, &F::addressCity, {}},
      {IDC_CABRILLO_ADDRESS_STATE, &F::addressState, {}},
      {IDC_CABRILLO_ADDRESS_POSTALCODE, &F::addressPostalCode, {}},
      {IDC_CABRILLO_ADDRESS_COUNTRY, &F::addressCountry, {}},
      {IDC_CABRILLO_OPERATORS, &F::operators, {}},
      {IDC_CABRILLO_CLUB, &F::club, {}},
      {IDC_CABRILLO_LOCATION, &F::location, LocationCodes()},
      {IDC_CABRILLO_SOAPBOX, &F::soapbox, {}},
      {IDC_CABRILLO_EMAIL, &F::email, {}},
  };
  return controls;
}

int FirstChoiceStartingWith(const std::vector<std::string>& choices,
                            const std::string& text) {
  if (text.empty()) return -1;
  for (size_t i = 0; i < choices.size(); ++i) {
    if (StartsWithIgnoringAsciiCase(choices[i], text))
      return static_cast<int>(i);
  }
  return -1;
}

}  // namespace aadx

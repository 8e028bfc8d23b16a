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
      {IDC_CABRILLO_CONTEST, "CONTEST", &F::contest, true, {}},
      {IDC_CABRILLO_CALLSIGN, "CALLSIGN", &F::callsign, true, {}},
      {IDC_CABRILLO_CLAIMED, "CLAIMED", &F::claimed, true, {}},
      {IDC_CABRILLO_CATEGORY_OPERATOR,
       "CATEGORY-OPERATOR",
       &F::categoryOperator,
       true,
       {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
      {IDC_CABRILLO_CATEGORY_ASSISTED,
       "CATEGORY-ASSISTED",
       &F::categoryAssisted,
       false,
       {"ASSISTED", "NON-ASSISTED"}},
      {IDC_CABRILLO_CATEGORY_BAND,
       "CATEGORY-BAND",
       &F::categoryBand,
       true,
       {"ALL", "160M", "80M", "40M", "20M", "15M", "10M"}},
      {IDC_CABRILLO_CATEGORY_MODE,
       "CATEGORY-MODE",
       &F::categoryMode,
       true,
       {"CW"}},
      {IDC_CABRILLO_CATEGORY_POWER,
       "CATEGORY-POWER",
       &F::categoryPower,
       true,
       {"HIGH", "LOW", "QRP"}},
      {IDC_CABRILLO_CATEGORY_STATION,
       "CATEGORY-STATION",
       &F::categoryStation,
       false,
       {"FIXED"}},
      {IDC_CABRILLO_CATEGORY_TRANSMITTER,
       "CATEGORY-TRANSMITTER",
       &F::categoryTransmitter,
       true,
       {"ONE", "TWO", "UNLIMITED"}},
      {IDC_CABRILLO_CATEGORY_OVERLAY,
       "CATEGORY-OVERLAY",
       &F::categoryOverlay,
       true,
       {"TB-WIRES", "ROOKIE"}},
      {IDC_CABRILLO_NAME, "NAME", &F::name, true, {}},
      {IDC_CABRILLO_ADDRESS, "ADDRESS", &F::address, true, {}},
      {IDC_CABRILLO_ADDRESS_CITY, "ADDRESS-CITY", &F::addressCity, true, {}},
      {IDC_CABRILLO_ADDRESS_STATE,
       "ADDRESS-STATE-PROVINCE",
       &F::addressState,
       true,
       {}},
      {IDC_CABRILLO_ADDRESS_POSTALCODE,
       "ADDRESS-POSTALCODE",
       &F::addressPostalCode,
       true,
       {}},
      {IDC_CABRILLO_ADDRESS_COUNTRY,
       "ADDRESS-COUNTRY",
       &F::addressCountry,
       true,
       {}},
      {IDC_CABRILLO_OPERATORS, "OPERATORS", &F::operators, true, {}},
      {IDC_CABRILLO_CLUB, "CLUB", &F::club, true, {}},
      {IDC_CABRILLO_LOCATION, "LOCATION", &F::location, false, LocationCodes()},
      {IDC_CABRILLO_SOAPBOX, "SOAPBOX", &F::soapbox, true, {}},
      {IDC_CABRILLO_EMAIL, "E-MAIL", &F::email, true, {}},
  };
  return controls;
}

const HeaderControl& HeaderControlOf(std::string CabrilloForm::*field) {
  for (const HeaderControl& control : HeaderControls()) {
    if (control.field == field) return control;
  }
  // Unreachable while the list covers the whole form, which a test checks.
  return HeaderControls().front();
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

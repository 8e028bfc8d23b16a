#include "tools/replay/cabrillo_header.h"

#include <map>

#include "cabrillo/header_controls.h"

namespace aadx {
namespace replay {

namespace {

struct Place {
  const char* tag;
  const char* key;                   // settings key, null: reset by the plug-in
  std::string CabrilloForm::*field;  // the dialog control showing it
  const char* lineBreak;             // how the operator types a line break
  bool written = true;               // false: the file has no line for it
};

using F = CabrilloForm;
const Place kPlaces[] = {
    {"NAME", "Name", &F::name, nullptr},
    {"ADDRESS", "Address", &F::address, "<CR>"},
    {"ADDRESS-CITY", "Address-City", &F::addressCity, nullptr},
    {"ADDRESS-STATE-PROVINCE", "Address-State", &F::addressState, nullptr},
    {"ADDRESS-STATE", "Address-State", &F::addressState, nullptr},
    {"ADDRESS-POSTALCODE", "Address-PostalCode", &F::addressPostalCode,
     nullptr},
    {"ADDRESS-COUNTRY", "Address-Country", &F::addressCountry, nullptr},
    {"EMAIL", "Email", &F::email, nullptr},
    {"E-MAIL", "Email", &F::email, nullptr},  // the dialog's own label
    {"CLUB", "Club", &F::club, nullptr},
    {"OPERATORS", "Operators", &F::operators, nullptr},
    {"SOAPBOX", "SoapBox", &F::soapbox, "<CR><LF>"},
    {"CATEGORY-OPERATOR", nullptr, &F::categoryOperator, nullptr},
    {"CATEGORY-BAND", nullptr, &F::categoryBand, nullptr},
    {"CATEGORY-MODE", nullptr, &F::categoryMode, nullptr},
    {"CATEGORY-POWER", nullptr, &F::categoryPower, nullptr},
    // Typed as the operator would, though the file gets no line for them.
    {"CATEGORY-TRANSMITTER", nullptr, &F::categoryTransmitter, nullptr, false},
    {"CATEGORY-OVERLAY", nullptr, &F::categoryOverlay, nullptr, false},
    {"CALLSIGN", nullptr, &F::callsign, nullptr},
};

// Tags the replay uses otherwise (own call, mode) or the plug-in writes
// itself.
const char* const kUsedElsewhere[] = {"CALLSIGN",      "CONTEST",
                                      "CLAIMED-SCORE", "CREATED-BY",
                                      "START-OF-LOG",  "END-OF-LOG"};

const Place* PlaceOf(const std::string& tag) {
  for (const Place& place : kPlaces) {
    if (tag == place.tag) return &place;
  }
  return nullptr;
}

bool UsedElsewhere(const std::string& tag) {
  for (const char* used : kUsedElsewhere) {
    if (tag == used) return true;
  }
  return false;
}

}  // namespace

HeaderPlan PlanCabrilloHeader(const TagValues& fromLog,
                              const TagValues& fromOptions) {
  HeaderPlan plan;
  // Lines per tag, in order of first appearance.
  std::vector<std::string> order;
  std::map<std::string, std::vector<std::string>> lines;
  auto add = [&](const std::string& tag, const std::string& value) {
    if (lines.count(tag) == 0) order.push_back(tag);
    lines[tag].push_back(value);
  };
  for (const auto& [tag, value] : fromLog) {
    if (UsedElsewhere(tag) || value.empty()) continue;
    add(tag, value);
  }
  std::map<std::string, bool> replaced;
  for (const auto& [tag, value] : fromOptions) {
    if (!replaced[tag]) lines.erase(tag);
    replaced[tag] = true;
    add(tag, value);
  }

  std::map<std::string, bool> noted;
  for (const std::string& tag : order) {
    if (lines.count(tag) == 0 || noted[tag]) continue;
    noted[tag] = true;
    const Place* place = PlaceOf(tag);
    if (place == nullptr) {
      plan.notes.push_back(tag +
                           ": the plug-in's Cabrillo file has no such line; "
                           "left out");
      continue;
    }
    std::string text;
    for (const std::string& line : lines[tag]) {
      if (!text.empty()) text += place->lineBreak ? place->lineBreak : " ";
      text += line;
    }
    if (place->key != nullptr) {
      plan.settings.emplace_back(place->key, text);
    } else {
      plan.typed.emplace_back(HeaderControlOf(place->field).label, text);
    }
    if (!place->written) {
      plan.notes.push_back(tag +
                           ": typed into the plug-in's Cabrillo dialog, but "
                           "its Cabrillo file has no such line; left out");
    }
  }
  return plan;
}

std::string FilledInHeaderNote(const HeaderPlan& plan, const std::string& mode,
                               const std::string& ownCall, bool operatorsKept) {
  // The category lines the plug-in writes, with the values it sets before
  // its dialog opens.
  const std::pair<const char*, std::string> kCategories[] = {
      {"CATEGORY-OPERATOR", "SINGLE-OP"},
      {"CATEGORY-BAND", "ALL"},
      {"CATEGORY-MODE", mode},
      {"CATEGORY-POWER", "HIGH"},
  };
  auto given = [](const TagValues& values, const std::string& name) {
    for (const auto& [key, value] : values) {
      if (key == name) return true;
    }
    return false;
  };
  std::string filled;
  for (const auto& [tag, value] : kCategories) {
    if (given(plan.typed, tag)) continue;
    filled += (filled.empty() ? "" : ", ") + std::string(tag) + " " + value;
  }
  if (!operatorsKept && !given(plan.settings, "Operators"))
    filled += (filled.empty() ? "" : ", ") + ("OPERATORS " + ownCall);
  if (filled.empty()) return "";
  return "the Cabrillo header gets the plug-in's own values where the input "
         "gives none: " +
         filled;
}

}  // namespace replay
}  // namespace aadx

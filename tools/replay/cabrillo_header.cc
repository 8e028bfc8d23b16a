#include "tools/replay/cabrillo_header.h"

#include <map>

namespace aadx {
namespace replay {

namespace {

// The plug-in reads at most this many characters of a setting.
constexpr size_t kLongestSetting = 99;

struct Place {
  const char* tag;
  const char* key;        // settings key, null: reset by the plug-in
  const char* label;      // the dialog control's label
  const char* lineBreak;  // how the operator types a line break, or null
};

const Place kPlaces[] = {
    {"NAME", "Name", "NAME", nullptr},
    {"ADDRESS", "Address", "ADDRESS", "<CR>"},
    {"ADDRESS-CITY", "Address-City", "ADDRESS-CITY", nullptr},
    {"ADDRESS-STATE-PROVINCE", "Address-State", "ADDRESS-STATE-PROVINCE",
     nullptr},
    {"ADDRESS-STATE", "Address-State", "ADDRESS-STATE-PROVINCE", nullptr},
    {"ADDRESS-POSTALCODE", "Address-PostalCode", "ADDRESS-POSTALCODE", nullptr},
    {"ADDRESS-COUNTRY", "Address-Country", "ADDRESS-COUNTRY", nullptr},
    {"EMAIL", "Email", "E-MAIL", nullptr},
    {"CLUB", "Club", "CLUB", nullptr},
    {"OPERATORS", "Operators", "OPERATORS", nullptr},
    {"SOAPBOX", "SoapBox", "SOAPBOX", "<CR><LF>"},
    {"CATEGORY-OPERATOR", nullptr, "CATEGORY-OPERATOR", nullptr},
    {"CATEGORY-BAND", nullptr, "CATEGORY-BAND", nullptr},
    {"CATEGORY-MODE", nullptr, "CATEGORY-MODE", nullptr},
    {"CATEGORY-POWER", nullptr, "CATEGORY-POWER", nullptr},
    {"CATEGORY-TRANSMITTER", nullptr, "CATEGORY-TRANSMITTER", nullptr},
    {"CATEGORY-OVERLAY", nullptr, "CATEGORY-OVERLAY", nullptr},
    {"CALLSIGN", nullptr, "CALLSIGN", nullptr},
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
    if (place->key != nullptr) plan.settings.emplace_back(place->key, text);
    if (place->key == nullptr || text.size() > kLongestSetting)
      plan.typed.emplace_back(place->label, text);
  }
  return plan;
}

}  // namespace replay
}  // namespace aadx

#include "tools/sponsor/rule_book.h"

#include <cctype>

#include "base/ascii.h"
#include "base/civil_date.h"

namespace aadx {
namespace sponsor {

namespace {

// JARL's rules pages, read in stored copies; only the beginning of each
// (period, bands, categories and their notes) could be read, so the
// exchange, points and multipliers come from the other pages named.
constexpr char kRules2024[] =
    "https://www.jarl.org/Japanese/1_Tanoshimo/1-1_Contest/all_asian/"
    "allasian_rule_2024.htm (sections 1-3)";
constexpr char kRules2024English[] =
    "https://larc.in/2024/09/06/the-65th-all-asian-dx-contest-2024 (an "
    "English copy of sections 1-3)";
constexpr char kRules2025[] =
    "https://www.jarl.org/Japanese/1_Tanoshimo/1-1_Contest/all_asian/"
    "aadx_rules.html (sections 1-3, notes 1-6)";
constexpr char kTwentyFourHours[] =
    "https://www.jarl.org/Japanese/1_Tanoshimo/1-1_Contest/24hour.html";
// Points and multipliers, unchanged for years in every copy read.
constexpr char kPointsAndMultipliers[] =
    "http://www.vkcc.com/2013/08/27/all-asian-ssb-september-7-8th-2013/ "
    "(JARL's rules as sent out, points and multipliers); "
    "https://www.hamlife.jp/2015/06/18/aadxc_cw2015/ (multipliers: DXCC "
    "entities, WPX prefixes of Asian stations, per band)";
// The exchange: the age as two digits; the 2022 consultation's "age, or
// 01" was expected for later years, but the rules pages' own wording was
// not in the copies read.
constexpr char kExchange[] =
    "https://www.hamlife.jp/2022/12/05/aadxc-cw_kekka2022/ (RS(T) + age at "
    "the start, or \"01\"; multi-operator: the average age, expected after "
    "the 2022 consultation); https://ja3cgz.com/2024-jarl-contest/ (the same "
    "for 2024); the exchange section of JARL's pages was not read";

const std::vector<BandPoints> kBandPoints = {
    {"160m", 3, 9, 3}, {"80m", 2, 6, 2}, {"40m", 1, 3, 1},
    {"20m", 1, 3, 1},  {"15m", 1, 3, 1}, {"10m", 2, 6, 2},
};

constexpr char kModes[] =
    "CW (June) and phone (September), two contests scored apart";
constexpr char kExchangeText[] =
    "RS(T) and the operator's age as two digits (\"00\" or \"01\" from one "
    "who does not send it; multi-operator stations the average age)";
constexpr char kMultipliersText[] =
    "Asian entrants: DXCC entities per band, the own entity excluded; "
    "entrants outside Asia: WPX prefixes of Asian stations per band";

using O = Operators;
using P = Power;
using E = Entrants;
constexpr char kJunior[] = "operator under 20";
constexpr char kSenior[] = "operator 70 or over";

const std::vector<YearRules>& Tables() {
  static const std::vector<YearRules> tables = {
      {2024,
       "65th ALL ASIAN DX Contest",
       6,
       3,
       9,
       1,
       48,
       kBandPoints,
       kModes,
       ExchangeRule::kTwoDigitAge,
       kExchangeText,
       MultiplierRule::kDxccEntityPerBand,
       MultiplierRule::kAsianWpxPrefixPerBand,
       kMultipliersText,
       {
           // Asian entrants, JA included: high and low power (100 W or
           // less) single operators; entrants outside Asia: no power split.
           {"SO160HP", O::kSingle, "160m", P::kHigh, 0, E::kAsian, ""},
           {"SO80HP", O::kSingle, "80m", P::kHigh, 0, E::kAsian, ""},
           {"SO40HP", O::kSingle, "40m", P::kHigh, 0, E::kAsian, ""},
           {"SO20HP", O::kSingle, "20m", P::kHigh, 0, E::kAsian, ""},
           {"SO15HP", O::kSingle, "15m", P::kHigh, 0, E::kAsian, ""},
           {"SO10HP", O::kSingle, "10m", P::kHigh, 0, E::kAsian, ""},
           {"SO160LP", O::kSingle, "160m", P::kLow, 0, E::kAsian, ""},
           {"SO80LP", O::kSingle, "80m", P::kLow, 0, E::kAsian, ""},
           {"SO40LP", O::kSingle, "40m", P::kLow, 0, E::kAsian, ""},
           {"SO20LP", O::kSingle, "20m", P::kLow, 0, E::kAsian, ""},
           {"SO15LP", O::kSingle, "15m", P::kLow, 0, E::kAsian, ""},
           {"SO10LP", O::kSingle, "10m", P::kLow, 0, E::kAsian, ""},
           {"SOABHP", O::kSingle, "", P::kHigh, 0, E::kAsian, ""},
           {"SOABLP", O::kSingle, "", P::kLow, 0, E::kAsian, ""},
           {"SO160", O::kSingle, "160m", P::kAny, 0, E::kNonAsian, ""},
           {"SO80", O::kSingle, "80m", P::kAny, 0, E::kNonAsian, ""},
           {"SO40", O::kSingle, "40m", P::kAny, 0, E::kNonAsian, ""},
           {"SO20", O::kSingle, "20m", P::kAny, 0, E::kNonAsian, ""},
           {"SO15", O::kSingle, "15m", P::kAny, 0, E::kNonAsian, ""},
           {"SO10", O::kSingle, "10m", P::kAny, 0, E::kNonAsian, ""},
           {"SOAB", O::kSingle, "", P::kAny, 0, E::kNonAsian, ""},
           {"M/S", O::kMultiSingle, "", P::kAny, 0, E::kEveryone,
            "10-minute rule; a second signal only for a new multiplier"},
           {"M/M", O::kMultiMulti, "", P::kAny, 0, E::kEveryone,
            "one site, within a 500 m circle"},
           {"SOJR", O::kSingle, "", P::kAny, 0, E::kJapan, kJunior},
           {"SOSV", O::kSingle, "", P::kAny, 0, E::kJapan, kSenior},
       },
       60,
       {
           {"period, bands, categories and what they mean", kRules2024},
           {"the same in English", kRules2024English},
           {"exchange", kExchange},
           {"points and multipliers", kPointsAndMultipliers},
       }},
      {2025,
       "66th ALL ASIAN DX Contest",
       6,
       3,
       9,
       1,
       48,
       kBandPoints,
       kModes,
       ExchangeRule::kTwoDigitAge,
       kExchangeText,
       MultiplierRule::kDxccEntityPerBand,
       MultiplierRule::kAsianWpxPrefixPerBand,
       kMultipliersText,
       {
           // The same categories for every entrant, split by power (low:
           // 100 W or less); 24-hour all-band entries; JA juniors and
           // seniors.
           {"SO160HP", O::kSingle, "160m", P::kHigh, 0, E::kEveryone, ""},
           {"SO80HP", O::kSingle, "80m", P::kHigh, 0, E::kEveryone, ""},
           {"SO40HP", O::kSingle, "40m", P::kHigh, 0, E::kEveryone, ""},
           {"SO20HP", O::kSingle, "20m", P::kHigh, 0, E::kEveryone, ""},
           {"SO15HP", O::kSingle, "15m", P::kHigh, 0, E::kEveryone, ""},
           {"SO10HP", O::kSingle, "10m", P::kHigh, 0, E::kEveryone, ""},
           {"SO160LP", O::kSingle, "160m", P::kLow, 0, E::kEveryone, ""},
           {"SO80LP", O::kSingle, "80m", P::kLow, 0, E::kEveryone, ""},
           {"SO40LP", O::kSingle, "40m", P::kLow, 0, E::kEveryone, ""},
           {"SO20LP", O::kSingle, "20m", P::kLow, 0, E::kEveryone, ""},
           {"SO15LP", O::kSingle, "15m", P::kLow, 0, E::kEveryone, ""},
           {"SO10LP", O::kSingle, "10m", P::kLow, 0, E::kEveryone, ""},
           {"SOABHP", O::kSingle, "", P::kHigh, 0, E::kEveryone, ""},
           {"SOABLP", O::kSingle, "", P::kLow, 0, E::kEveryone, ""},
           {"SOABHP24", O::kSingle, "", P::kHigh, 24, E::kEveryone, ""},
           {"SOABLP24", O::kSingle, "", P::kLow, 24, E::kEveryone, ""},
           {"MSHP", O::kMultiSingle, "", P::kHigh, 0, E::kEveryone,
            "one running signal; a second only for a new multiplier on "
            "another band"},
           {"MSLP", O::kMultiSingle, "", P::kLow, 0, E::kEveryone,
            "one running signal; a second only for a new multiplier on "
            "another band"},
           {"MMHP", O::kMultiMulti, "", P::kHigh, 0, E::kEveryone, ""},
           {"MMLP", O::kMultiMulti, "", P::kLow, 0, E::kEveryone, ""},
           {"SOJR", O::kSingle, "", P::kAny, 0, E::kJapan, kJunior},
           {"SOSV", O::kSingle, "", P::kAny, 0, E::kJapan, kSenior},
       },
       60,
       {
           {"period (UTC dates), bands, categories and what they mean",
            kRules2025},
           {"the 24-hour entries: operating time from the first contact's "
            "minute, rests of 60 minutes or more not counted, every contact "
            "submitted",
            kTwentyFourHours},
           {"exchange (the 2025 page's section not read: 2024's kept)",
            kExchange},
           {"points and multipliers (the 2025 page's sections not read: "
            "2024's kept)",
            kPointsAndMultipliers},
       }},
  };
  return tables;
}

std::string Compact(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) result += AsciiUpper(c);
  }
  return result;
}

std::string Value(const HeaderTags& tags, const char* tag) {
  std::string value;
  for (const auto& [name, text] : tags) {
    if (name == tag) value = Compact(text);
  }
  return value;
}

}  // namespace

const std::vector<YearRules>& AllYearRules() { return Tables(); }

const YearRules& RulesForYear(int year) {
  const std::vector<YearRules>& tables = Tables();
  const YearRules* found = &tables.front();
  for (const YearRules& rules : tables) {
    if (rules.year <= year) found = &rules;
  }
  return *found;
}

std::string RulesYearText(int year) {
  const YearRules& rules = RulesForYear(year);
  std::string text = "rules of " + std::to_string(rules.year);
  if (rules.year == year) return text;
  const bool later = year > rules.year;
  return text + (later ? ", the latest known" : ", the earliest known") +
         " (the contest is of " + std::to_string(year) + ")";
}

int YearOf(int64_t seconds) {
  int64_t days = seconds / 86400;
  if (seconds % 86400 < 0) --days;
  return CivilFromDays(days).year;
}

const CategoryRule* FindCategory(const YearRules& rules,
                                 const std::string& code) {
  const std::string wanted = Compact(code);
  for (const CategoryRule& category : rules.categories) {
    if (wanted == category.code) return &category;
  }
  return nullptr;
}

std::string CategoryCodes(const YearRules& rules) {
  std::string codes;
  for (const CategoryRule& category : rules.categories) {
    if (!codes.empty()) codes += ", ";
    codes += category.code;
  }
  return codes;
}

std::string DescribeCategory(const CategoryRule& c) {
  static const char* const kOperators[] = {"single operator",
                                           "multi-operator single transmitter",
                                           "multi-operator multi transmitter"};
  std::string text = kOperators[static_cast<int>(c.operators)];
  text += *c.band ? std::string(", ") + c.band + " only" : ", all bands";
  if (c.power == Power::kHigh) text += ", high power";
  if (c.power == Power::kLow) text += ", low power (100 W or less)";
  if (c.hours > 0)
    text +=
        ", the first " + std::to_string(c.hours) + " hours of operating time";
  if (*c.note) text += std::string(", ") + c.note;
  static const char* const kWho[] = {
      "", ", Asian entrants", ", entrants outside Asia", ", JA stations only"};
  return text + kWho[static_cast<int>(c.who)];
}

bool MayEnter(const CategoryRule& category, bool asian, bool japan) {
  switch (category.who) {
    case Entrants::kEveryone:
      return true;
    case Entrants::kAsian:
      return asian;
    case Entrants::kNonAsian:
      return !asian;
    case Entrants::kJapan:
      return japan;
  }
  return false;
}

const CategoryRule* CategoryFromHeader(const YearRules& rules,
                                       const HeaderTags& tags, bool asian,
                                       bool japan, std::string* why) {
  why->clear();
  std::string read;
  for (const auto& [tag, value] : tags) {
    if (tag != "CATEGORY" && tag.rfind("CATEGORY-", 0) != 0) continue;
    if (const CategoryRule* named = FindCategory(rules, value)) return named;
    read += (read.empty() ? "" : ", ") + tag + " " + Compact(value);
  }
  const std::string op = Value(tags, "CATEGORY-OPERATOR");
  const std::string tx = Value(tags, "CATEGORY-TRANSMITTER");
  const std::string band = Value(tags, "CATEGORY-BAND");
  const std::string power = Value(tags, "CATEGORY-POWER");
  const std::string time = Value(tags, "CATEGORY-TIME");
  *why = read;
  if (op != "SINGLE-OP" && op != "MULTI-OP") return nullptr;

  const CategoryRule* match = nullptr;
  for (const CategoryRule& c : rules.categories) {
    if (!MayEnter(c, asian, japan) || c.who == Entrants::kJapan) continue;
    if ((op == "SINGLE-OP") != (c.operators == Operators::kSingle)) continue;
    if (c.operators == Operators::kMultiSingle && tx != "ONE") continue;
    if (c.operators == Operators::kMultiMulti && tx != "TWO" &&
        tx != "LIMITED" && tx != "UNLIMITED")
      continue;
    const std::string wantedBand =
        *c.band ? AsciiUpperText(c.band) : std::string("ALL");
    if (band != wantedBand &&
        !(band.empty() && !*c.band && c.operators != Operators::kSingle))
      continue;
    if (c.power == Power::kHigh && power != "HIGH") continue;
    if (c.power == Power::kLow && power != "LOW" && power != "QRP") continue;
    if ((time == "24-HOURS" ? 24 : time.empty() ? 0 : -1) != c.hours) continue;
    if (match != nullptr) return nullptr;
    match = &c;
  }
  if (match != nullptr) why->clear();
  return match;
}

}  // namespace sponsor
}  // namespace aadx

// The sponsor's (JARL's) rules of the All Asian DX contest, one table per
// year, as data: the period rule, bands, modes, exchange, point table,
// multiplier rules and the entry categories with what each means, each
// fact with the page it was read from. A year without a table of its own
// takes the nearest one: the latest for a later year, the earliest for an
// earlier one. Also the entrant's category as the scoring follows it, from
// JARL's code or a Cabrillo header's CATEGORY- lines.
#ifndef AADX_TOOLS_SPONSOR_RULE_BOOK_H_
#define AADX_TOOLS_SPONSOR_RULE_BOOK_H_

#include <string>
#include <utility>
#include <vector>

#include "tools/sponsor/contest_period.h"

namespace aadx {
namespace sponsor {

enum class Operators { kSingle, kMultiSingle, kMultiMulti };
enum class Power { kAny, kHigh, kLow };  // kAny: the category has no split
enum class Entrants { kEveryone, kAsian, kNonAsian, kJapan };

struct CategoryRule {
  const char* code;  // JARL's CATEGORY CODE, e.g. "SOABLP24"
  Operators operators;
  const char* band;  // "" all bands, else the one band, e.g. "20m"
  Power power;
  int hours;  // 0: the whole period; 24: the first 24 hours operated
  Entrants who;
  const char* note;  // what else the rules ask, or ""
};

// Points of one band: for an Asian entrant working an Asian station (of
// another entity) or a station outside Asia, for an entrant outside Asia
// working an Asian station. Other contacts score 0.
struct BandPoints {
  const char* band;  // "160m"
  int asianToAsia;
  int asianToOther;
  int otherToAsia;
};

enum class ExchangeRule { kTwoDigitAge };
enum class MultiplierRule { kDxccEntityPerBand, kAsianWpxPrefixPerBand };

// Where a fact was read.
struct Source {
  const char* facts;
  const char* where;
};

struct YearRules {
  int year;
  const char* name;  // "65th ALL ASIAN DX Contest"
  // Period: `hours` from 00:00 UTC on the n-th Saturday of the month.
  int cwMonth, cwSaturday, phoneMonth, phoneSaturday, hours;
  std::vector<BandPoints> bands;  // the contest bands, lowest first
  const char* modes;
  ExchangeRule exchange;
  const char* exchangeText;
  MultiplierRule asianMultipliers;  // for Asian entrants
  MultiplierRule otherMultipliers;  // for entrants outside Asia
  const char* multipliersText;
  std::vector<CategoryRule> categories;
  int restMinutes;  // a gap this long without a contact is rest (24-hour)
  std::vector<Source> sources;
};

// Every table, earliest first.
const std::vector<YearRules>& AllYearRules();

// The table for `year`: its own, else the nearest.
const YearRules& RulesForYear(int year);

// "rules of 2025", or "rules of 2025, the latest known (the contest is of
// 2026)" when `year` has no table of its own.
std::string RulesYearText(int year);

// The year of a UTC instant.
int YearOf(int64_t seconds);

// The category's code in `rules`, upper case, blanks ignored; null when
// the year has no such code.
const CategoryRule* FindCategory(const YearRules& rules,
                                 const std::string& code);

// "SO160HP, SO80HP, ..." in the table's order.
std::string CategoryCodes(const YearRules& rules);

// "single operator, 20 m only, high power" and who may enter.
std::string DescribeCategory(const CategoryRule& category);

// Whether the entrant may enter the category: `asian` by its continent,
// `japan` by its entity.
bool MayEnter(const CategoryRule& category, bool asian, bool japan);

// The entrant's category and where it came from; no rule: none given.
struct EntryCategory {
  const CategoryRule* rule = nullptr;
  std::string from;  // "--category", "the log's header"
};

using HeaderTags = std::vector<std::pair<std::string, std::string>>;

// The category a Cabrillo header names: a CATEGORY line or a CATEGORY-
// value that is one of the year's codes, else the one category matching
// CATEGORY-OPERATOR, -TRANSMITTER, -BAND, -POWER and -TIME that the
// entrant may enter. Null when none or more than one match; `why` then
// says which lines were read, or is empty when the header has none.
const CategoryRule* CategoryFromHeader(const YearRules& rules,
                                       const HeaderTags& tags, bool asian,
                                       bool japan, std::string* why);

}  // namespace sponsor
}  // namespace aadx

#endif  // AADX_TOOLS_SPONSOR_RULE_BOOK_H_

#include "tools/sponsor/sponsor_rules.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <set>
#include <tuple>
#include <utility>

#include "base/ascii.h"

namespace aadx {
namespace sponsor {

namespace {

struct ReasonText {
  const char* name;
  const char* description;
};
const ReasonText kReasonTexts[kReasonCount] = {
    {"wrong-band", "not a contest band (160, 80, 40, 20, 15, 10 m)"},
    {"wrong-mode", "not the contest's mode"},
    {"outside-period", "outside the contest period"},
    {"incomplete-exchange", "received age missing or not two digits"},
    {"dupe", "same call on the same band counted before"},
    {"maritime-mobile", "maritime mobile: 0 points, no multiplier"},
    {"unknown-station", "not in the country file: 0 points, no multiplier"},
    {"own-entity", "own DXCC entity: 0 points, no multiplier"},
    {"non-asian-station", "station outside Asia: 0 points, no multiplier"},
    {"non-asian-prefix",
     "prefix outside Asia that the plug-in counted as a multiplier"},
    {"plugin-refused",
     "counts, but the plug-in refuses it (no sent age, or a mode other than "
     "CW and SSB)"},
    {"after-24-hours",
     "after the first 24 hours of operating time: scores nothing"},
    {"other-band", "not the band of the single-band entry: scores nothing"},
};

std::string Compact(const std::string& text, bool upper) {
  std::string result;
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isspace(u)) continue;
    result += upper ? AsciiUpper(c) : AsciiLower(c);
  }
  return result;
}

int BandIndex(const YearRules& year, const std::string& band) {
  for (size_t i = 0; i < year.bands.size(); ++i) {
    if (band == year.bands[i].band) return static_cast<int>(i);
  }
  return -1;
}

// The minute of each contact of the contest on the operating-time clock:
// the first contact's minute is 1, the minutes between two contacts count
// unless they are rest.
class OperatingClock {
 public:
  explicit OperatingClock(int restMinutes) : restMinutes_(restMinutes) {}

  int Add(int64_t time, OperatingTime* operating) {
    const int64_t minute = time >= 0 ? time / 60 : (time - 59) / 60;
    if (count_ == 0) {
      count_ = 1;
      last_ = minute;
    } else if (minute > last_) {
      const int64_t empty = minute - last_ - 1;
      const int64_t before = count_;
      if (empty >= restMinutes_) {
        ++operating->rests;
        operating->restMinutes += static_cast<int>(empty);
        count_ += 1;
      } else {
        count_ += minute - last_;
      }
      const int64_t limit = operating->limitMinutes;
      if (operating->limited && before < limit && count_ >= limit)
        operating->limitEnd = (minute - (count_ - limit) + 1) * 60;
    }
    last_ = std::max(last_, minute);
    operating->minutes = static_cast<int>(count_);
    return static_cast<int>(count_);
  }

 private:
  int restMinutes_;
  int64_t count_ = 0;
  int64_t last_ = 0;
};

bool IsTwoDigitAge(const std::string& exchange) {
  const size_t begin = exchange.find_first_not_of(" \t");
  const size_t end = exchange.find_last_not_of(" \t");
  const std::string age =
      begin == std::string::npos ? "" : exchange.substr(begin, end - begin + 1);
  return age.size() == 2 && std::isdigit(static_cast<unsigned char>(age[0])) &&
         std::isdigit(static_cast<unsigned char>(age[1]));
}

// Which contacts gave the plug-in a new prefix on their band, as an entrant
// outside Asia: it refuses the WARC bands, modes other than "CW" and "SSB"
// and contacts without both exchanges, skips dupes (same call, band and
// mode, texts compared exactly, in the order received) and otherwise counts
// every contact's prefix, whatever the worked station's continent.
std::vector<bool> PluginNewPrefixes(const std::vector<Contact>& contacts) {
  std::vector<bool> result(contacts.size(), false);
  std::set<std::tuple<std::string, std::string, std::string>> stored;
  std::set<std::pair<std::string, std::string>> prefixes;
  for (size_t i = 0; i < contacts.size(); ++i) {
    const Contact& c = contacts[i];
    if (c.band == "30m" || c.band == "17m" || c.band == "12m") continue;
    if (c.mode != "CW" && c.mode != "SSB") continue;
    if (c.exchRcvd.empty() || c.exchSent.empty()) continue;
    const bool dupe = !stored.emplace(c.call, c.band, c.mode).second;
    if (dupe || c.call.empty()) continue;
    result[i] = prefixes.emplace(c.band, c.pluginPrefix).second;
  }
  return result;
}

// The first rule that keeps a contact out of the QSOs column, if any. A
// contact of the contest moves a time-limited entry's clock on.
bool FailsToCount(const Rules& rules, const YearRules& year, const Contact& c,
                  const std::string& band, OperatingClock* clock,
                  OperatingTime* operating, Reason* reason) {
  const CategoryRule* category = rules.category.rule;
  if (BandIndex(year, band) < 0) {
    *reason = Reason::kWrongBand;
  } else if (category != nullptr && *category->band && band != category->band) {
    *reason = Reason::kOtherBand;
  } else if (!IsContestModeText(c.mode, rules.mode)) {
    *reason = Reason::kWrongMode;
  } else if (c.time < rules.period.start || c.time >= rules.period.end) {
    *reason = Reason::kOutsidePeriod;
  } else if (operating->limited &&
             clock->Add(c.time, operating) > operating->limitMinutes) {
    *reason = Reason::kAfter24Hours;
  } else if (year.exchange == ExchangeRule::kTwoDigitAge &&
             !IsTwoDigitAge(c.exchRcvd)) {
    *reason = Reason::kIncompleteExchange;
  } else {
    return false;
  }
  return true;
}

// A counting contact's points and the multiplier it is worth (new on its
// band or not); the reasons it scores nothing go to `v`.
std::string PointsAndMultiplier(bool asian, const Entrant& entrant,
                                const Station& s, const BandPoints& points,
                                const YearRules& year, bool pluginNewPrefix,
                                Verdict* v) {
  if (s.maritime) {
    v->reasons.push_back(Reason::kMaritimeMobile);
  } else if (!s.located) {
    v->reasons.push_back(Reason::kUnknownStation);
  } else if (asian && s.dxcc == entrant.station.dxcc) {
    v->reasons.push_back(Reason::kOwnEntity);
  } else if (asian) {
    v->points = s.continent == "AS" ? points.asianToAsia : points.asianToOther;
    return year.asianMultipliers == MultiplierRule::kDxccEntityPerBand
               ? s.dxcc
               : s.prefix;
  } else if (s.continent != "AS") {
    v->reasons.push_back(Reason::kNonAsianStation);
    if (pluginNewPrefix) v->reasons.push_back(Reason::kNonAsianPrefix);
  } else {
    v->points = points.otherToAsia;
    return year.otherMultipliers == MultiplierRule::kAsianWpxPrefixPerBand
               ? s.prefix
               : s.dxcc;
  }
  return "";
}

}  // namespace

const char* ReasonName(Reason reason) {
  return kReasonTexts[static_cast<int>(reason)].name;
}

const char* ReasonDescription(Reason reason) {
  return kReasonTexts[static_cast<int>(reason)].description;
}

std::string NormalizeBand(const std::string& band) {
  return Compact(band, false);
}

bool IsContestBand(const std::string& normalizedBand) {
  return BandIndex(AllYearRules().back(), normalizedBand) >= 0;
}

bool IsContestModeText(const std::string& mode, ContestMode contest) {
  const std::string m = Compact(mode, true);
  if (contest == ContestMode::kCw) return m == "CW";
  static const char* const kPhone[] = {"SSB", "PH", "USB", "LSB", "AM", "FM"};
  for (const char* phone : kPhone) {
    if (m == phone) return true;
  }
  return false;
}

SponsorScore ScoreBySponsorRules(const Rules& rules, const Entrant& entrant,
                                 const std::vector<Contact>& contacts) {
  const bool asian = entrant.station.continent == "AS";
  const std::vector<bool> pluginNewPrefix =
      asian ? std::vector<bool>(contacts.size()) : PluginNewPrefixes(contacts);

  std::vector<size_t> order(contacts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return contacts[a].time < contacts[b].time;
  });

  const YearRules& year = RulesForYear(YearOf(rules.period.start));
  SponsorScore result;
  result.rulesYear = year.year;
  result.category = rules.category;
  OperatingTime& operating = result.operating;
  if (rules.category.rule != nullptr && rules.category.rule->hours > 0) {
    operating.limited = true;
    operating.limitMinutes = rules.category.rule->hours * 60;
  }
  OperatingClock clock(year.restMinutes);
  const size_t bandCount = year.bands.size();
  std::vector<BandScore> bands(bandCount);
  std::vector<bool> bandWorked(bandCount);
  std::set<std::pair<std::string, std::string>> countedCalls;
  std::set<std::pair<std::string, std::string>> multipliers;

  for (size_t index : order) {
    const Contact& c = contacts[index];
    CheckedContact checked{c, NormalizeBand(c.band), Verdict{}};
    Verdict& v = checked.verdict;
    const int slot = BandIndex(year, checked.band);
    if (slot >= 0) bandWorked[slot] = true;

    Reason reason;
    if (FailsToCount(rules, year, c, checked.band, &clock, &operating,
                     &reason)) {
      v.reasons.push_back(reason);
    } else if (!countedCalls.emplace(checked.band, Compact(c.call, true))
                    .second) {
      v.reasons.push_back(Reason::kDupe);
    } else {
      v.counts = true;
      const std::string multiplier =
          PointsAndMultiplier(asian, entrant, c.station, year.bands[slot], year,
                              pluginNewPrefix[index], &v);
      if (!multiplier.empty() &&
          multipliers.emplace(checked.band, multiplier).second) {
        v.newMultiplier = multiplier;
      }
      BandScore& band = bands[slot];
      ++band.qsos;
      band.points += v.points;
      if (!v.newMultiplier.empty()) ++band.multipliers;
      // The rules ask for the received exchange only and take any phone
      // mode; the plug-in wants both exchanges and "CW" or "SSB".
      if (c.exchSent.empty() || (c.mode != "CW" && c.mode != "SSB"))
        v.reasons.push_back(Reason::kPluginRefused);
    }
    for (Reason r : v.reasons) ++result.reasonCounts[static_cast<int>(r)];
    result.contacts.push_back(std::move(checked));
  }

  ScoreTable& table = result.table;
  table.total.band = "Total";
  for (size_t i = 0; i < bandCount; ++i) {
    if (!bandWorked[i]) continue;
    bands[i].band = year.bands[i].band;
    table.bands.push_back(bands[i]);
    table.total.qsos += bands[i].qsos;
    table.total.points += bands[i].points;
    table.total.multipliers += bands[i].multipliers;
  }
  table.score =
      static_cast<int64_t>(table.total.points) * table.total.multipliers;
  return result;
}

}  // namespace sponsor
}  // namespace aadx

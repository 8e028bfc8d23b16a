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

const char* const kContestBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
constexpr int kContestBandCount = 6;

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

int BandIndex(const std::string& band) {
  for (int i = 0; i < kContestBandCount; ++i) {
    if (band == kContestBands[i]) return i;
  }
  return -1;
}

// 3 on 160 m, 2 on 80 and 10 m, 1 on the other contest bands.
int BandFactor(const std::string& band) {
  if (band == "160m") return 3;
  if (band == "80m" || band == "10m") return 2;
  return 1;
}

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

// The first rule that keeps a contact out of the QSOs column, if any.
bool FailsToCount(const Rules& rules, const Contact& c, const std::string& band,
                  Reason* reason) {
  if (!IsContestBand(band)) {
    *reason = Reason::kWrongBand;
  } else if (!IsContestModeText(c.mode, rules.mode)) {
    *reason = Reason::kWrongMode;
  } else if (c.time < rules.period.start || c.time >= rules.period.end) {
    *reason = Reason::kOutsidePeriod;
  } else if (!IsTwoDigitAge(c.exchRcvd)) {
    *reason = Reason::kIncompleteExchange;
  } else {
    return false;
  }
  return true;
}

// A counting contact's points and the multiplier it is worth (new on its
// band or not); the reasons it scores nothing go to `v`.
std::string PointsAndMultiplier(bool asian, const Entrant& entrant,
                                const Station& s, int factor,
                                bool pluginNewPrefix, Verdict* v) {
  if (s.maritime) {
    v->reasons.push_back(Reason::kMaritimeMobile);
  } else if (!s.located) {
    v->reasons.push_back(Reason::kUnknownStation);
  } else if (asian && s.dxcc == entrant.station.dxcc) {
    v->reasons.push_back(Reason::kOwnEntity);
  } else if (asian) {
    v->points = (s.continent == "AS" ? 1 : 3) * factor;
    return s.dxcc;
  } else if (s.continent != "AS") {
    v->reasons.push_back(Reason::kNonAsianStation);
    if (pluginNewPrefix) v->reasons.push_back(Reason::kNonAsianPrefix);
  } else {
    v->points = factor;
    return s.prefix;
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
  return BandIndex(normalizedBand) >= 0;
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

  SponsorScore result;
  BandScore bands[kContestBandCount];
  bool bandWorked[kContestBandCount] = {};
  std::set<std::pair<std::string, std::string>> countedCalls;
  std::set<std::pair<std::string, std::string>> multipliers;

  for (size_t index : order) {
    const Contact& c = contacts[index];
    CheckedContact checked{c, NormalizeBand(c.band), Verdict{}};
    Verdict& v = checked.verdict;
    const int slot = BandIndex(checked.band);
    if (slot >= 0) bandWorked[slot] = true;

    Reason reason;
    if (FailsToCount(rules, c, checked.band, &reason)) {
      v.reasons.push_back(reason);
    } else if (!countedCalls.emplace(checked.band, Compact(c.call, true))
                    .second) {
      v.reasons.push_back(Reason::kDupe);
    } else {
      v.counts = true;
      const std::string multiplier = PointsAndMultiplier(
          asian, entrant, c.station, BandFactor(checked.band),
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
  for (int i = 0; i < kContestBandCount; ++i) {
    if (!bandWorked[i]) continue;
    bands[i].band = kContestBands[i];
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

// The All Asian DX contest scored by the sponsor's published rules of the
// contest's year (rule_book.h), beside (and independent of) the plug-in's
// own scoring: contest period, bands and mode, a two-digit age in the
// exchange, dupes in time order, DXCC entities with WAE entries folded, 0
// points for one's own entity and for maritime mobile stations, for
// entrants outside Asia only Asian stations with their WPX prefixes as
// multipliers, and the entrant's category: a single band's entry scores
// only that band, a 24-hour entry only its first 24 hours of operating
// time.
#ifndef AADX_TOOLS_SPONSOR_SPONSOR_RULES_H_
#define AADX_TOOLS_SPONSOR_SPONSOR_RULES_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/callsign/station.h"
#include "tools/sponsor/contest_period.h"
#include "tools/sponsor/rule_book.h"
#include "tools/sponsor/score_table.h"

namespace aadx {
namespace sponsor {

// Where a worked station or the entrant is, as the callsign library places
// it.
using callsign::Station;

// Why a contact does not count, scores nothing, or scores differently from
// the plug-in. The short names are stable: reports and JSON use them.
enum class Reason {
  kWrongBand,           // not 160, 80, 40, 20, 15 or 10 m
  kWrongMode,           // not the contest's mode
  kOutsidePeriod,       // before the start or at or after the end
  kIncompleteExchange,  // received age missing or not two digits
  kDupe,                // the same call on the same band counted before
  kMaritimeMobile,      // /MM: 0 points, no multiplier
  kUnknownStation,      // the country file does not place it: 0 points
  kOwnEntity,           // Asian entrant, own DXCC entity: 0 points
  kNonAsianStation,     // entrant outside Asia, station outside Asia
  kNonAsianPrefix,      // ...whose prefix the plug-in counted as a new mult
  kPluginRefused,       // counts, but the plug-in refuses it
  kAfter24Hours,        // a 24-hour entry's contact after its 24th hour
  kOtherBand,           // a single band's entry, contact on another band
};
constexpr int kReasonCount = 13;

// "wrong-band", "wrong-mode", "outside-period", "incomplete-exchange",
// "dupe", "maritime-mobile", "unknown-station", "own-entity",
// "non-asian-station", "non-asian-prefix", "plugin-refused",
// "after-24-hours", "other-band".
const char* ReasonName(Reason reason);
// One line for a person, e.g. "own DXCC entity: 0 points, no multiplier".
const char* ReasonDescription(Reason reason);

// One contact as logged.
struct Contact {
  int64_t time = 0;      // UTC seconds (UtcSeconds)
  std::string call;      // worked station
  std::string band;      // "20m"; case and blanks do not matter
  std::string mode;      // "CW", "SSB", "PH", ...; case does not matter
  std::string exchRcvd;  // the received age
  std::string exchSent;  // the sent exchange (the plug-in needs one)
  Station station;       // where the sponsor places the worked station
  // The worked station's prefix as the plug-in was given it: it decides
  // which prefixes the plug-in counted as multipliers.
  std::string pluginPrefix;
};

struct Entrant {
  std::string call;
  Station station;  // Asian entrant when its continent is "AS"
};

// The year's rules are those of the period's start (RulesForYear).
struct Rules {
  ContestMode mode = ContestMode::kCw;
  Period period;  // ContestPeriod(year, mode) unless overridden
  EntryCategory category{};
};

struct Verdict {
  bool counts = false;  // in the QSOs column
  int points = 0;
  std::string newMultiplier;  // DXCC entity or WPX prefix, new on its band
  std::vector<Reason> reasons;
};

struct CheckedContact {
  Contact contact;
  std::string band;  // normalized, "40m"
  Verdict verdict;
};

// A 24-hour entry's operating time: counted in minutes from the first
// contact's minute (the first minute is 1), a gap of `restMinutes` or more
// without a contact being rest that is not counted. Every contact of the
// contest (its bands and mode, in the period) counts, whether it scores or
// not.
struct OperatingTime {
  bool limited = false;  // the category has a time limit
  int limitMinutes = 0;  // 1440 for 24 hours
  int minutes = 0;       // up to and with the last contact's minute
  int rests = 0;
  int restMinutes = 0;
  int64_t limitEnd = 0;  // where the last counted minute ends; 0: not reached
};

struct SponsorScore {
  int rulesYear = 0;  // the table used (RulesForYear)
  EntryCategory category;
  OperatingTime operating;
  ScoreTable table;                      // contest bands that were worked
  std::vector<CheckedContact> contacts;  // in time order
  std::array<int, kReasonCount> reasonCounts{};  // contacts per reason
  int reasonCount(Reason r) const { return reasonCounts[static_cast<int>(r)]; }
};

// Scores `contacts`, given in the order the plug-in received them (log
// order); contacts at the same time keep that order.
SponsorScore ScoreBySponsorRules(const Rules& rules, const Entrant& entrant,
                                 const std::vector<Contact>& contacts);

// "160m" for " 160M"; the text unchanged (lower-cased, blanks removed) when
// it is no contest band.
std::string NormalizeBand(const std::string& band);
// A band of the latest rules.
bool IsContestBand(const std::string& normalizedBand);
bool IsContestModeText(const std::string& mode, ContestMode contest);

}  // namespace sponsor
}  // namespace aadx

#endif  // AADX_TOOLS_SPONSOR_SPONSOR_RULES_H_

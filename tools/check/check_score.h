// Each checked log scored by the sponsor's rules of the contest's year and
// the category its header names: as claimed, and after the cross-check with
// the busted, not-in-log and busted-exchange QSOs taken out, less a penalty
// for each busted call and not-in-log.
#ifndef AADX_TOOLS_CHECK_CHECK_SCORE_H_
#define AADX_TOOLS_CHECK_CHECK_SCORE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tools/callsign/station.h"
#include "tools/check/contest_logs.h"
#include "tools/sponsor/score_table.h"

namespace aadx {
namespace check {

struct ScoreOptions {
  int year = 0;     // 0: the year of the contest's first QSO
  int penalty = 0;  // more QSOs' points taken per busted call and NIL
};

struct LogScore {
  int log = -1;           // in ContestLogs::logs
  std::string category;   // JARL's code, or "" when the header names none
  bool ranked = true;     // false for a check log
  std::string continent;  // of the entrant's call, "" when not located
  std::string country;    // its entity's name
  sponsor::ScoreTable claimed;
  sponsor::ScoreTable checked;  // before the penalty
  int64_t penaltyPoints = 0;
  int64_t finalScore = 0;  // checked points less the penalty, times mults
  // Per QSO, in file order: its points in the checked score, and the
  // sponsor's reasons ("dupe", "outside-period", ...) joined by '+'.
  std::vector<int> points;
  std::vector<std::string> reasons;
};

struct ContestScores {
  int year = 0;                // the rules' year
  std::vector<LogScore> logs;  // one per checked log, in the logs' order
};

ContestScores ScoreContest(const ContestLogs& contest,
                           const callsign::StationLocator& locator,
                           const ScoreOptions& options);

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_CHECK_SCORE_H_

// What the cross-check writes: a report for each entrant, the ranking per
// category, and one CSV row per QSO line of every checked log.
#ifndef AADX_TOOLS_CHECK_CHECK_OUTPUT_H_
#define AADX_TOOLS_CHECK_CHECK_OUTPUT_H_

#include <string>
#include <vector>

#include "tools/check/check_score.h"
#include "tools/check/contest_logs.h"

namespace aadx {
namespace check {

// The entrant's report: claimed and checked score, busted calls, not in
// log, busted exchanges, uniques, dupes, who miscopied the entrant's call
// and exchange, and the clock offset.
std::string FormatLogReport(const ContestLogs& contest,
                            const ContestScores& scores, const LogScore& score);
// Every checked log's report, in the scores' order.
std::vector<std::string> FormatLogReports(const ContestLogs& contest,
                                          const ContestScores& scores);

// "category,rank,call,file,claimed_score,checked_score,qsos,points,
// multipliers,penalty_points": ranked logs by category (none named: "",
// after the others) then score; check logs last with rank "check".
std::string FormatResultsCsv(const ContestLogs& contest,
                             const ContestScores& scores);

// A static page (nothing loaded from elsewhere) of the ranked logs: per
// category, then per continent and per country, each by category.
std::string FormatResultsHtml(const ContestLogs& contest,
                              const ContestScores& scores);

// "log,line,check,correct_call,sent_exchange,reason,points", one row per
// QSO line of every checked log.
std::string FormatVerdictsCsv(const ContestLogs& contest,
                              const ContestScores& scores);

// "+60 min", "-3 min", "0 min".
std::string FormatOffset(int64_t seconds);

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_CHECK_OUTPUT_H_

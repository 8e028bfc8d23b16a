// The cross-check kept in an SQLite database that a sponsor can query with
// any SQLite tool: the logs, their QSO lines with verdicts, the matches
// between lines and the scores. The tables are made anew on each run.
#ifndef AADX_TOOLS_CHECK_CHECK_STORE_H_
#define AADX_TOOLS_CHECK_CHECK_STORE_H_

#include <string>

#include "tools/check/check_score.h"
#include "tools/check/contest_logs.h"

namespace aadx {
namespace check {

// The tables, as SQL.
extern const char kCheckSchema[];

// Writes everything to the database at `path` (created when missing).
// False with `error` set when it cannot.
bool WriteCheckDatabase(const std::string& path, const ContestLogs& contest,
                        const ContestScores& scores, std::string* error);

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_CHECK_STORE_H_

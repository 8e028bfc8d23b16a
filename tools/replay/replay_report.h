// The text aadx-replay prints when a replay is done.
#ifndef AADX_TOOLS_REPLAY_REPLAY_REPORT_H_
#define AADX_TOOLS_REPLAY_REPLAY_REPORT_H_

#include <string>

#include "tools/replay/replay_session.h"

namespace aadx {
namespace replay {

// The plug-in's summary (its CR LF line ends as plain line feeds; across a
// year end its title names the start's year, and the Run lines say so), then
// `afterSummary` (the sponsor's score, if any) after a blank line, the
// counts of what happened to the records, the call checks, and where the
// plug-in's files are.
std::string FormatReport(const SessionResult& result,
                         const std::string& afterSummary = "");

// Why a record was skipped, from its message, without the place and the
// quoted bytes: "bad QSO_DATE" for `x.adi: record 3 (line 5): bad QSO_DATE
// "2021"; skipped`.
std::string SkipReason(const std::string& message);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_REPLAY_REPORT_H_

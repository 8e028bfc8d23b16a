// The sponsor's check of one replay: the contacts the plug-in was given,
// scored again by the sponsor's rules, the texts aadx-replay prints after
// the plug-in's summary, and the files it writes beside the plug-in's.
#ifndef AADX_TOOLS_REPLAY_REPLAY_CHECK_H_
#define AADX_TOOLS_REPLAY_REPLAY_CHECK_H_

#include <string>

#include "tools/replay/replay_options.h"
#include "tools/replay/replay_session.h"
#include "tools/sponsor/score_table.h"
#include "tools/sponsor/sponsor_rules.h"

namespace aadx {
namespace replay {

// The check report's name in the output folder, beside err.txt.
extern const char kCheckReportName[];

struct ReplayCheck {
  std::string problem;  // why there is no sponsor's score; empty: scored
  sponsor::Rules rules;
  sponsor::Entrant entrant;
  bool pluginRead = false;  // the plug-in's summary was read into `plugin`
  sponsor::ScoreTable plugin;
  sponsor::SponsorScore sponsor;
};

// Scores the session's contacts by the sponsor's rules. The contest's mode
// is the replay's, else the one the plug-in's summary names; the period is
// the contest's in the year of the first contact (or of --start), with
// --start and --end in its place where given; the rules are that year's,
// the category the session's. The entrant's continent is
// the one the plug-in was given; its entity comes from the country file.
ReplayCheck CheckReplay(const ReplayOptions& options,
                        const SessionResult& session);

// The sponsor's table and the reconciliation with the plug-in's score, or
// why they are missing.
std::string FormatReplayCheck(const ReplayCheck& check);

// Writes the check report (CR LF lines) into the output folder and, with
// --json, the JSON file, and lists them in `session->files`. Fails when a
// file cannot be written, or --json is asked for without both scores.
bool WriteReplayCheckFiles(const ReplayOptions& options,
                           const ReplayCheck& check, SessionResult* session,
                           std::string* error);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_REPLAY_CHECK_H_

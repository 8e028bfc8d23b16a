// Everything a replay passes to the plug-in, worked out before the library
// is touched: the own station, the contest dates and mode, and every
// contact and call check with its prefix, entity and continent complete.
#ifndef AADX_TOOLS_REPLAY_REPLAY_PLAN_H_
#define AADX_TOOLS_REPLAY_REPLAY_PLAN_H_

#include <optional>
#include <string>
#include <vector>

#include "tools/callsign/cty_file.h"
#include "tools/callsign/station_resolver.h"
#include "tools/logs/log_contact.h"
#include "tools/replay/cabrillo_header.h"
#include "tools/replay/replay_options.h"

namespace aadx {
namespace replay {

struct PlannedCheck {
  std::string call;
  std::string band;
  std::string mode;
  std::string prefix;
  std::string dxcc;
  std::string continent;
};

struct ReplayPlan {
  std::string ownCall;
  std::string ownContinent;
  std::optional<logs::QsoTime> start;  // none: the host's null date-time
  std::optional<logs::QsoTime> end;
  std::string contestMode;      // "CW", "SSB" or empty: settings left alone
  std::string contestModeFrom;  // what decided the mode, for the report
  bool exportCabrillo = false;
  std::vector<logs::LogContact> contacts;  // in time order
  std::vector<PlannedCheck> checks;
  int recordsRead = 0;
  int outOfOrder = 0;                // contacts logged before an earlier one
  std::vector<std::string> skipped;  // one message per skipped record
  int excludedQsos = 0;              // of the skipped, the logs' own exclusions
  int qtcLines = 0;
  std::vector<std::string> warnings;
  callsign::ResolutionCounts resolution;
  HeaderPlan header;
  TagValues logHeader;  // the input logs' header tags, in file order
};

// Builds the plan from the options and the logs read, whose contacts it
// takes over. `cty` may be null. Fails when the own callsign or continent
// cannot be told, or when no contact is in the contest's modes. A log of
// another contest is scored all the same, with a warning naming it.
bool BuildReplayPlan(const ReplayOptions& options,
                     std::vector<logs::ParsedLog> logs,
                     const callsign::CtyFile* cty, ReplayPlan* plan,
                     std::string* error);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_REPLAY_PLAN_H_

// Drives the plug-in's exports through one replay, in the host logger's
// calling order: ResetStats0, AddData0 for every contact, CheckCall0 for
// every check, GetResult0 last.
#ifndef AADX_TOOLS_REPLAY_REPLAY_RUN_H_
#define AADX_TOOLS_REPLAY_REPLAY_RUN_H_

#include <functional>
#include <string>
#include <vector>

#include "loader/plugin_library.h"
#include "tools/replay/replay_plan.h"

namespace aadx {
namespace replay {

struct CheckOutcome {
  PlannedCheck check;
  int result = 0;  // CheckCall0's classification
};

struct ReplayOutcome {
  std::string summary;  // GetResult0's text, byte for byte
  int resultStatus = 0;
  int sent = 0;     // AddData0 calls
  int refused = 0;  // AddData0 results of 0
  int dupes = 0;    // stored again with the call, band and mode of another
  std::vector<CheckOutcome> checks;
};

// Called after each contact with the number done and the total.
using ProgressFn = std::function<void(size_t done, size_t total)>;

// Runs `plan` through `exports` in the current directory, where the
// plug-in writes its files. `progress` may be empty.
ReplayOutcome RunReplay(const ReplayPlan& plan, const PluginExports& exports,
                        const ProgressFn& progress);

// What CheckCall0's result means, e.g. "2 (new multiplier)".
std::string DescribeCheckResult(int result);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_REPLAY_RUN_H_

// One whole replay as the command line asks for it: read the logs and the
// country file, work out the plan, load the plug-in library, prepare the
// output folder and its settings file, run the exports in that folder, and
// find the files the plug-in wrote.
#ifndef AADX_TOOLS_REPLAY_REPLAY_SESSION_H_
#define AADX_TOOLS_REPLAY_REPLAY_SESSION_H_

#include <string>
#include <vector>

#include "tools/replay/replay_options.h"
#include "tools/replay/replay_plan.h"
#include "tools/replay/replay_run.h"

namespace aadx {
namespace replay {

struct OutputFile {
  std::string what;      // "UBN report", "Settings", "Cabrillo log"
  std::string path;      // absolute
  bool written = false;  // present and written during this replay
};

struct SessionResult {
  int exit_code = 0;  // 0 replayed, 2 error
  std::string error;  // set with exit code 2
  std::string library_path;
  std::string cty_path;  // empty: no country file
  std::string out_dir;   // absolute
  ReplayPlan plan;
  ReplayOutcome outcome;
  std::vector<OutputFile> files;
};

// The name the plug-in gives its Cabrillo file for `own_call`: "/" and
// "\" become "_", blanks around are dropped, "QZRX" when nothing is left.
std::string CabrilloFileName(const std::string& own_call);

// Where the country file is looked for when --cty is not given.
std::vector<std::string> DefaultCountryFiles();

SessionResult RunReplaySession(const ReplayOptions& options,
                               const ProgressFn& progress);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_REPLAY_SESSION_H_

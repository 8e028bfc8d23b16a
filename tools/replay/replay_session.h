// One whole replay as the command line asks for it: read the logs and the
// country file, work out the plan, load the plug-in library, prepare the
// output folder and its settings file, run the exports in that folder, and
// find the files the plug-in wrote. An export run checks that the Cabrillo
// log is there whole.
#ifndef AADX_TOOLS_REPLAY_REPLAY_SESSION_H_
#define AADX_TOOLS_REPLAY_REPLAY_SESSION_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/replay/replay_options.h"
#include "tools/replay/replay_plan.h"
#include "tools/replay/replay_run.h"
#include "tools/sponsor/rule_book.h"

namespace aadx {
namespace replay {

struct OutputFile {
  std::string what;       // "UBN report", "Settings", "Cabrillo log", "File"
  std::string path;       // absolute
  bool written = false;   // created or changed during the replay
  std::string problem{};  // why it is not what the run should leave, if so
};

// Exit codes: 0 replayed; 2 bad input or setup, nothing replayed; 3
// replayed, but the Cabrillo log asked for was not produced whole.
constexpr int kExitBadInput = 2;
constexpr int kExitNoCabrilloLog = 3;

struct SessionResult {
  int exitCode = 0;                // 0, kExitBadInput, kExitNoCabrilloLog
  std::string error;               // set with a nonzero exit code
  std::vector<std::string> notes;  // for the operator, also on errors
  std::string libraryPath;
  std::string ctyPath;  // empty: no country file
  std::shared_ptr<const callsign::CtyFile>
      cty;             // the country file read, or null
  std::string outDir;  // absolute
  ReplayPlan plan;
  sponsor::EntryCategory category;         // for the sponsor's rules
  std::vector<std::string> categoryNotes;  // on the entrant's category
  ReplayOutcome outcome;
  std::vector<OutputFile> files;
};

// Told how far a stage has come: "Reading" a log in bytes, "Replaying" in
// contacts.
using StageProgressFn =
    std::function<void(const char* stage, uint64_t done, uint64_t total)>;

// Where the country file is looked for when --cty is not given.
std::vector<std::string> DefaultCountryFiles();

SessionResult RunReplaySession(const ReplayOptions& options,
                               const StageProgressFn& progress);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_REPLAY_SESSION_H_

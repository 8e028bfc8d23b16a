// The command line of aadx-replay.
#ifndef AADX_TOOLS_REPLAY_REPLAY_OPTIONS_H_
#define AADX_TOOLS_REPLAY_REPLAY_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "tools/logs/qso_time.h"
#include "tools/replay/cabrillo_header.h"

namespace aadx {
namespace replay {

struct CallCheckRequest {
  std::string call;
  std::string band;
  std::string mode;  // empty: the contest's mode
};

struct ReplayOptions {
  std::vector<std::string> logs;
  std::string library;  // empty: the plug-in library beside the tool
  std::string ctyFile;  // empty: the default country file, if present
  std::string ownCall;
  std::string ownContinent;
  std::optional<logs::QsoTime> start;
  std::optional<logs::QsoTime> end;
  bool endHasTime = false;  // --end named a time of day, not only a date
  std::string contestMode;  // "CW", "SSB" or empty: from the log
  bool cabrillo = false;
  std::string settingsFile;
  std::string outDir;  // empty: a fresh folder under replay-out/
  std::vector<CallCheckRequest> checks;
  std::string jsonFile;      // --json: both scores as one JSON object
  TagValues header;          // --header TAG=VALUE, tags upper case
  std::string category;      // --category CODE, upper case: JARL's code
  bool logStations = false;  // --log-dxcc: the log's DXCC and CONT
  bool logPrefix = false;    // --log-pfx: the log's PFX
  bool quiet = false;
};

enum class OptionsOutcome { kRun, kHelp, kVersion, kError };

// The tool's version, printed by --version.
extern const char kReplayVersion[];

// Parses the arguments after the program name. "--name value" and
// "--name=value" are both accepted.
OptionsOutcome ParseReplayOptions(const std::vector<std::string>& args,
                                  ReplayOptions* options, std::string* error);

// Reads "YYYY-MM-DD", optionally followed by a blank or 'T' and "HH:MM" or
// "HHMM".
bool ParseDateTimeOption(const std::string& text, logs::QsoTime* time);

std::string ReplayUsage();

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_REPLAY_OPTIONS_H_

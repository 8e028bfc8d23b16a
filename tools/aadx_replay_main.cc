// aadx-replay: replays a contest log through the Stats plug-in library as
// the host logger would, and prints the summary it returns.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/replay/progress_bar.h"
#include "tools/replay/replay_options.h"
#include "tools/replay/replay_report.h"
#include "tools/replay/replay_session.h"

namespace {

// Logs longer than this get a progress bar when stderr is a terminal.
constexpr size_t kProgressThreshold = 3000;

int Run(const std::vector<std::string>& args) {
  using namespace aadx::replay;
  ReplayOptions options;
  std::string error;
  switch (ParseReplayOptions(args, &options, &error)) {
    case OptionsOutcome::kHelp:
      std::fputs(ReplayUsage().c_str(), stdout);
      return 0;
    case OptionsOutcome::kError:
      std::fprintf(stderr, "aadx-replay: %s (see aadx-replay --help)\n",
                   error.c_str());
      return 2;
    case OptionsOutcome::kRun:
      break;
  }

  ProgressBar bar(stderr, StderrIsTerminal(), kProgressThreshold);
  SessionResult result = RunReplaySession(
      options, [&bar](size_t done, size_t total) { bar.Update(done, total); });
  bar.Finish();

  if (!options.quiet) {
    for (const std::string& message : result.plan.skipped) {
      std::fprintf(stderr, "aadx-replay: %s\n", message.c_str());
    }
  }
  if (result.exit_code != 0) {
    std::fprintf(stderr, "aadx-replay: %s\n", result.error.c_str());
    return result.exit_code;
  }
  std::fputs(FormatReport(result).c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "aadx-replay: %s\n", e.what());
    return 2;
  }
}

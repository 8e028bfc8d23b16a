// aadx-replay: scores a contest log through the Stats plug-in library,
// calling its exports as the host logger would, prints the summary it
// returns, and beside it the score by the sponsor's rules. Exit status 0
// when replayed, 2 for bad input, 3 when the Cabrillo log asked for with
// --cabrillo was not produced.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/replay/progress_bar.h"
#include "tools/replay/replay_check.h"
#include "tools/replay/replay_options.h"
#include "tools/replay/replay_report.h"
#include "tools/replay/replay_session.h"

namespace {

// Skipped records are listed up to this many; the counts give the rest.
constexpr size_t kListedProblems = 20;

void PrintAll(const std::vector<std::string>& messages,
              size_t limit = SIZE_MAX) {
  for (size_t i = 0; i < messages.size() && i < limit; ++i) {
    std::fprintf(stderr, "aadx-replay: %s\n", messages[i].c_str());
  }
  if (messages.size() > limit) {
    std::fprintf(stderr, "aadx-replay: ... and %s more skipped records\n",
                 std::to_string(messages.size() - limit).c_str());
  }
}

int Run(const std::vector<std::string>& args) {
  using namespace aadx::replay;
  ReplayOptions options;
  std::string error;
  switch (ParseReplayOptions(args, &options, &error)) {
    case OptionsOutcome::kHelp:
      std::fputs(ReplayUsage().c_str(), stdout);
      return 0;
    case OptionsOutcome::kVersion:
      std::printf("aadx-replay %s\n", kReplayVersion);
      return 0;
    case OptionsOutcome::kError:
      std::fprintf(stderr, "aadx-replay: %s (see aadx-replay --help)\n",
                   error.c_str());
      return 2;
    case OptionsOutcome::kRun:
      break;
  }

  ProgressBar bar(stderr, StderrIsTerminal());
  StageProgressFn progress;
  if (!options.quiet) {
    progress = [&bar](const char* stage, uint64_t done, uint64_t total) {
      bar.Update(stage, done, total);
    };
  }
  SessionResult result = RunReplaySession(options, progress);
  bar.Finish();

  if (!options.quiet) PrintAll(result.plan.skipped, kListedProblems);
  PrintAll(result.plan.warnings);
  PrintAll(result.notes, kListedProblems);
  PrintAll(result.categoryNotes);
  if (result.exitCode == kExitBadInput) {
    std::fprintf(stderr, "aadx-replay: %s\n", result.error.c_str());
    return result.exitCode;
  }
  const aadx::replay::ReplayCheck check =
      aadx::replay::CheckReplay(options, result);
  const bool written =
      aadx::replay::WriteReplayCheckFiles(options, check, &result, &error);
  std::fputs(
      FormatReport(result, aadx::replay::FormatReplayCheck(check)).c_str(),
      stdout);
  if (!written) {
    std::fprintf(stderr, "aadx-replay: %s\n", error.c_str());
    return kExitBadInput;
  }
  // A replay whose Cabrillo log is missing is reported in full, then fails.
  if (result.exitCode != 0) {
    std::fflush(stdout);
    std::fprintf(stderr, "aadx-replay: %s\n", result.error.c_str());
  }
  return result.exitCode;
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

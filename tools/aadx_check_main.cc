// aadx-check: the sponsor's cross-check of every log of a folder, with a
// report for each entrant, the results and an SQLite database. Exit status
// 0 when checked, 2 for bad input or output that cannot be written.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/check/check_run.h"

namespace {

int Run(const std::vector<std::string>& args) {
  using namespace aadx::check;
  CheckOptions options;
  std::string error;
  switch (ParseCheckOptions(args, &options, &error)) {
    case CheckOutcome::kHelp:
      std::fputs(CheckUsage().c_str(), stdout);
      return 0;
    case CheckOutcome::kVersion:
      std::printf("aadx-check %s\n", kCheckVersion);
      return 0;
    case CheckOutcome::kError:
      std::fprintf(stderr, "aadx-check: %s (see aadx-check --help)\n",
                   error.c_str());
      return 2;
    case CheckOutcome::kRun:
      break;
  }
  options.progress = [](const std::string& line) {
    std::fprintf(stderr, "aadx-check: %s\n", line.c_str());
  };
  const CheckRunResult result = RunCheck(options);
  for (const std::string& notice : result.notices)
    std::fprintf(stderr, "aadx-check: %s\n", notice.c_str());
  if (result.exitCode != 0) {
    std::fprintf(stderr, "aadx-check: %s\n", result.error.c_str());
    return result.exitCode;
  }
  std::fputs(result.summary.c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "aadx-check: %s\n", e.what());
    return 2;
  }
}

// The aadx-check command: its options and one run from the folder of logs
// to the database, the reports and the results.
#ifndef AADX_TOOLS_CHECK_CHECK_RUN_H_
#define AADX_TOOLS_CHECK_CHECK_RUN_H_

#include <functional>
#include <string>
#include <vector>

namespace aadx {
namespace check {

extern const char kCheckVersion[];

struct CheckOptions {
  std::string logDir;
  std::string outDir = "aadx-check";
  std::string dbFile;        // default outDir/check.db
  std::string verdictsFile;  // none by default
  std::string ctyFile;       // default: the system's country file
  int year = 0;              // 0: the contest's own
  int penalty = 0;
  // Hears a line after each step of a long run (a contest of 50,000 QSO
  // lines or more): what is done and the seconds since the start.
  std::function<void(const std::string&)> progress;
};

enum class CheckOutcome { kRun, kHelp, kVersion, kError };

CheckOutcome ParseCheckOptions(const std::vector<std::string>& args,
                               CheckOptions* options, std::string* error);
std::string CheckUsage();

struct CheckRunResult {
  int exitCode = 0;  // 0 checked, 2 bad input or unwritable output
  std::string error;
  std::vector<std::string> notices;  // files not checked, and why
  std::string summary;               // for stdout
};

CheckRunResult RunCheck(const CheckOptions& options);

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_CHECK_RUN_H_

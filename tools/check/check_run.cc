#include "tools/check/check_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

#include "base/whole_file.h"
#include "tools/callsign/cty_file.h"
#include "tools/callsign/station.h"
#include "tools/check/check_output.h"
#include "tools/check/check_score.h"
#include "tools/check/check_store.h"
#include "tools/check/contest_logs.h"
#include "tools/check/matcher.h"
#include "tools/logs/input_file.h"

namespace aadx {
namespace check {

const char kCheckVersion[] = "0.1";

namespace fs = std::filesystem;

namespace {

const char kSystemCountryFile[] = "/usr/share/hamradio-files/cty.dat";

bool ParseNumber(const std::string& text, int low, int high, int* value) {
  if (text.empty() || text.size() > 6) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  *value = std::stoi(text);
  return *value >= low && *value <= high;
}

// Whole or not at all: an earlier file of that name stays as it was when
// the new one cannot be written.
bool WriteText(const fs::path& path, const std::string& text,
               std::string* error) {
  if (WriteFileWhole(path.string(), text).ok()) return true;
  *error = path.string() + ": cannot be written";
  return false;
}

CheckRunResult Fail(CheckRunResult result, const std::string& error) {
  result.exitCode = 2;
  result.error = error;
  return result;
}

}  // namespace

std::string CheckUsage() {
  return "Usage: aadx-check LOGDIR [--out DIR] [--db FILE] "
         "[--verdicts FILE.csv]\n"
         "                  [--year Y] [--penalty N] [--cty FILE]\n"
         "Cross-checks every All Asian DX log in LOGDIR (Cabrillo or ADIF) "
         "and writes\n"
         "DIR/check.db, DIR/results.csv and DIR/reports/CALL.txt "
         "(DIR: ./aadx-check).\n"
         "  --db FILE        the SQLite database (default DIR/check.db)\n"
         "  --verdicts FILE  one CSV row per QSO line of every log\n"
         "  --year Y         the rules of year Y (default: the logs' year)\n"
         "  --penalty N      N more QSOs' points off per busted call and "
         "not-in-log\n"
         "  --cty FILE       the country file (default " +
         std::string(kSystemCountryFile) + ")\n";
}

CheckOutcome ParseCheckOptions(const std::vector<std::string>& args,
                               CheckOptions* options, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") return CheckOutcome::kHelp;
    if (arg == "--version") return CheckOutcome::kVersion;
    if (arg.rfind("--", 0) == 0) {
      if (i + 1 >= args.size()) {
        *error = arg + " needs a value";
        return CheckOutcome::kError;
      }
      const std::string& value = args[++i];
      if (arg == "--out") {
        options->outDir = value;
      } else if (arg == "--db") {
        options->dbFile = value;
      } else if (arg == "--verdicts") {
        options->verdictsFile = value;
      } else if (arg == "--cty") {
        options->ctyFile = value;
      } else if (arg == "--year") {
        if (!ParseNumber(value, 1900, 9999, &options->year)) {
          *error = "--year " + value + ": not a year";
          return CheckOutcome::kError;
        }
      } else if (arg == "--penalty") {
        if (!ParseNumber(value, 0, 100, &options->penalty)) {
          *error = "--penalty " + value + ": not a number from 0 to 100";
          return CheckOutcome::kError;
        }
      } else {
        *error = arg + ": no such option";
        return CheckOutcome::kError;
      }
    } else if (options->logDir.empty()) {
      options->logDir = arg;
    } else {
      *error = arg + ": one folder of logs only";
      return CheckOutcome::kError;
    }
  }
  if (options->logDir.empty()) {
    *error = "no folder of logs given";
    return CheckOutcome::kError;
  }
  return CheckOutcome::kRun;
}

CheckRunResult RunCheck(const CheckOptions& options) {
  const auto start = std::chrono::steady_clock::now();
  CheckRunResult result;
  std::error_code ec;
  if (!fs::is_directory(options.logDir, ec))
    return Fail(result, options.logDir + ": not a folder of logs");
  const std::string ctyPath =
      options.ctyFile.empty() ? kSystemCountryFile : options.ctyFile;
  std::string error = logs::InputFileProblem(ctyPath, "country file", false);
  callsign::CtyFile cty;
  if (!error.empty() || !cty.Load(ctyPath, &error)) return Fail(result, error);

  ContestLogs contest;
  if (!ReadContestFolder(options.logDir, &contest, &error))
    return Fail(result, error);
  result.notices = contest.notices;
  size_t lines = 0;
  for (const EntryLog& log : contest.logs) {
    if (log.status == LogStatus::kChecked) lines += log.qsos.size();
  }
  auto progress = [&](const std::string& done) {
    if (!options.progress || lines < 50000) return;
    const std::chrono::duration<double> spent =
        std::chrono::steady_clock::now() - start;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, " (%.1f s)", spent.count());
    options.progress(done + seconds);
  };
  progress("read " + std::to_string(contest.logs.size()) + " files, " +
           std::to_string(lines) + " QSO lines");
  CrossCheck(&contest);
  progress("cross-checked");
  const callsign::CtyStationLocator locator(cty);
  const ContestScores scores =
      ScoreContest(contest, locator, {options.year, options.penalty});
  progress("scored");

  const fs::path out(options.outDir);
  fs::create_directories(out / "reports", ec);
  if (ec)
    return Fail(result, options.outDir + ": cannot be made: " + ec.message());
  const std::vector<std::string> reports = FormatLogReports(contest, scores);
  for (size_t r = 0; r < reports.size(); ++r) {
    const EntryLog& log = contest.logs[scores.logs[r].log];
    std::string name = log.call;
    for (char& c : name) {
      if (c == '/' || c == '\\') c = '_';
    }
    if (!WriteText(out / "reports" / (name + ".txt"), reports[r], &error))
      return Fail(result, error);
  }
  progress("reports written");
  if (!WriteText(out / "results.csv", FormatResultsCsv(contest, scores),
                 &error) ||
      !WriteText(out / "results.html", FormatResultsHtml(contest, scores),
                 &error))
    return Fail(result, error);
  if (!options.verdictsFile.empty() &&
      !WriteText(options.verdictsFile, FormatVerdictsCsv(contest, scores),
                 &error))
    return Fail(result, error);
  const std::string db =
      options.dbFile.empty() ? (out / "check.db").string() : options.dbFile;
  if (!WriteCheckDatabase(db, contest, scores, &error))
    return Fail(result, db + ": " + error);
  progress("database written");

  std::map<std::string, int> verdicts;
  int qsos = 0;
  for (const LogScore& s : scores.logs) {
    for (const Qso& q : contest.logs[s.log].qsos) {
      ++verdicts[CheckName(q.check)];
      ++qsos;
    }
  }
  std::string& text = result.summary;
  text = (contest.mode == "SSB" ? "AADX-SSB " : "AADX-CW ") +
         std::to_string(scores.year) + ": " +
         std::to_string(scores.logs.size()) + " logs checked, " +
         std::to_string(contest.logs.size() - scores.logs.size()) +
         " files not checked, " + std::to_string(qsos) + " QSO lines\n";
  for (const auto& [name, count] : verdicts)
    text += "  " + name + " " + std::to_string(count) + "\n";
  text += "Database   " + db + "\nResults    " +
          (out / "results.csv").string() + "\nPage       " +
          (out / "results.html").string() + "\nReports    " +
          (out / "reports").string() + "\n";
  if (!options.verdictsFile.empty())
    text += "Verdicts   " + options.verdictsFile + "\n";
  return result;
}

}  // namespace check
}  // namespace aadx

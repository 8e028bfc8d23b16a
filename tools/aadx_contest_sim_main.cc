// aadx-contest-sim: writes a simulated All Asian DX CW contest with known
// truth for the cross-check's benchmark, or measures a run of aadx-check
// against that truth.
//   aadx-contest-sim --logs N [--seed S] [--lines-per-log M] --out DIR
//       writes DIR/logs/*.log, DIR/truth.csv and DIR/qsos.csv
//   aadx-contest-sim --compare TRUTH.csv VERDICTS.csv
//       prints each verdict class's precision and recall
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/check/contest_simulator.h"

namespace {

namespace fs = std::filesystem;
using namespace aadx::check;

const char kUsage[] =
    "Usage: aadx-contest-sim --logs N [--seed S] [--lines-per-log M] --out "
    "DIR\n"
    "       aadx-contest-sim --compare TRUTH.csv VERDICTS.csv\n";

bool ReadText(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  *text = all.str();
  return static_cast<bool>(in);
}

bool WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

bool Number(const std::string& text, long long low, long long high,
            long long* value) {
  if (text.empty() || text.size() > 12 ||
      text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  *value = std::stoll(text);
  return *value >= low && *value <= high;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "--compare") {
    std::string truth, verdicts;
    for (int i : {1, 2}) {
      if (!ReadText(args[i], i == 1 ? &truth : &verdicts)) {
        std::fprintf(stderr, "aadx-contest-sim: %s: cannot be read\n",
                     args[i].c_str());
        return 2;
      }
    }
    std::fputs(FormatComparison(CompareWithTruth(truth, verdicts)).c_str(),
               stdout);
    return 0;
  }
  SimulationOptions options;
  std::string out;
  for (size_t i = 0; i < args.size(); ++i) {
    long long value = 0;
    const std::string& arg = args[i];
    const std::string next = i + 1 < args.size() ? args[i + 1] : "";
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--out" && !next.empty()) {
      out = next;
    } else if (arg == "--logs" && Number(next, 2, 100000, &value)) {
      options.logs = static_cast<int>(value);
    } else if (arg == "--seed" && Number(next, 0, 1LL << 40, &value)) {
      options.seed = static_cast<uint64_t>(value);
    } else if (arg == "--lines-per-log" && Number(next, 1, 100000, &value)) {
      options.qsoLinesPerLog = static_cast<int>(value);
    } else {
      std::fprintf(stderr, "aadx-contest-sim: %s %s: bad option\n%s",
                   arg.c_str(), next.c_str(), kUsage);
      return 2;
    }
    ++i;
  }
  if (out.empty()) {
    std::fprintf(stderr, "aadx-contest-sim: --out DIR is needed\n%s", kUsage);
    return 2;
  }
  const SimulatedContest contest = SimulateContest(options);
  std::string error;
  if (!WriteSimulatedLogs(contest, (fs::path(out) / "logs").string(), &error)) {
    std::fprintf(stderr, "aadx-contest-sim: %s\n", error.c_str());
    return 2;
  }
  if (!WriteText(fs::path(out) / "truth.csv", FormatTruthCsv(contest)) ||
      !WriteText(fs::path(out) / "qsos.csv", FormatQsoCsv(contest))) {
    std::fprintf(stderr, "aadx-contest-sim: %s: cannot be written\n",
                 out.c_str());
    return 2;
  }
  std::printf("%zu logs, %zu QSO lines in %s/logs\n", contest.files.size(),
              contest.truth.size(), out.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "aadx-contest-sim: %s\n", e.what());
    return 2;
  }
}

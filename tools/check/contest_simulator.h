// A simulated All Asian DX CW contest with known truth, for measuring the
// cross-check: stations in Asia and elsewhere, some of which send no log,
// clocks off by minutes or an hour, calls busted by Morse confusions,
// miscopied ages, QSOs one side did not log, and dupes. The same seed
// gives the same contest.
#ifndef AADX_TOOLS_CHECK_CONTEST_SIMULATOR_H_
#define AADX_TOOLS_CHECK_CONTEST_SIMULATOR_H_

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/check/contest_logs.h"

namespace aadx {
namespace check {

struct SimulationOptions {
  uint64_t seed = 1;
  int logs = 40;                     // stations that send a log
  double silentShare = 0.6;          // stations that send none, per log sent
  int qsoLinesPerLog = 150;          // about, on average
  double notLoggedRate = 0.02;       // per QSO: one side did not log it
  double bustedCallRate = 0.02;      // one side miscopied the call
  double bustedExchangeRate = 0.01;  // one side miscopied the age
  double dupeRate = 0.01;            // the two worked again on the band
  double doubleEntryRate = 0.005;    // one side logged the QSO twice
  int year = 2025;
};

// One QSO line of a simulated log and the verdict a perfect checker gives
// it.
struct TruthLine {
  std::string file;
  int line = 0;
  Check check = Check::kOk;
  std::string correctCall;   // busted-call
  std::string sentExchange;  // busted-exchange
  // The line as logged, for other tools.
  int64_t time = 0;
  std::string band, call, exchSent, exchRcvd;
};

struct SimulatedContest {
  std::vector<std::pair<std::string, std::string>> files;  // name, text
  std::map<std::string, int64_t> clockOffsets;  // file -> seconds ahead
  std::vector<TruthLine> truth;                 // by file, then line
};

SimulatedContest SimulateContest(const SimulationOptions& options);

// Writes the logs into `folder` (made when missing); false with `error`.
bool WriteSimulatedLogs(const SimulatedContest& contest,
                        const std::string& folder, std::string* error);

// "log,line,check,correct_call,sent_exchange", the columns the checker's
// verdicts CSV begins with.
std::string FormatTruthCsv(const SimulatedContest& contest);
// "log,line,time,band,mode,call,exch_sent,exch_rcvd": every QSO line.
std::string FormatQsoCsv(const SimulatedContest& contest);

// The checker's verdicts measured against the truth, per verdict class.
struct ClassFigures {
  int64_t truth = 0;  // lines the truth gives the class
  int64_t found = 0;  // lines the checker gives it
  int64_t right = 0;  // both, with the same right call or sent exchange
  double Precision() const;
  double Recall() const;
};
struct TruthComparison {
  std::map<Check, ClassFigures> classes;  // every class
  int64_t lines = 0;
  int64_t missing = 0;    // truth lines the verdicts lack
  int64_t correct = 0;    // lines the truth finds ok, unique or unchecked
  int64_t penalised = 0;  // ...that the checker removes
};

// Both texts with a header row and the columns log, line, check,
// correct_call, sent_exchange first.
TruthComparison CompareWithTruth(const std::string& truthCsv,
                                 const std::string& verdictsCsv);
std::string FormatComparison(const TruthComparison& comparison);

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_CONTEST_SIMULATOR_H_

// The logs of one contest as the checker holds them: every file of a
// folder read with the log readers, the contest's mode decided by the
// logs, files of another contest or mode set aside, unreadable ones
// reported, and of two logs from one station the later file kept.
#ifndef AADX_TOOLS_CHECK_CONTEST_LOGS_H_
#define AADX_TOOLS_CHECK_CONTEST_LOGS_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace aadx {
namespace check {

// The verdict of one QSO line after the cross-check.
enum class Check {
  kOk,
  kDupe,
  kBustedCall,
  kBustedExchange,
  kNotInLog,
  kUnique,
  kUnchecked,
};
// "ok", "dupe", "busted-call", "busted-exchange", "not-in-log", "unique",
// "unchecked".
const char* CheckName(Check check);
// Whether the QSO is taken out of the checked score.
bool Removed(Check check);

// One QSO line of a log.
struct Qso {
  int line = 0;          // 1-based line of the file
  int64_t time = 0;      // UTC seconds as logged
  std::string call;      // the worked station as logged
  std::string band;      // "20m"
  std::string mode;      // "CW", "SSB", ...
  std::string exchSent;  // the age sent
  std::string exchRcvd;  // the age received
  // Set by the cross-check.
  Check check = Check::kOk;
  std::string correctCall;   // busted-call: the call the other log has
  std::string sentExchange;  // busted-exchange: what the other log sent
  int otherLog = -1;         // the matching line's log and QSO, if any
  int otherQso = -1;
};

enum class LogStatus {
  kChecked,   // checked and ranked
  kSetAside,  // another contest or mode
  kReplaced,  // a later file of the same station counts
  kBad,       // unreadable, empty, binary or without contacts
};
const char* LogStatusName(LogStatus status);

struct EntryLog {
  std::string file;  // the file's name in the folder
  std::string path;
  std::string call;  // upper case
  LogStatus status = LogStatus::kChecked;
  std::string note;  // why set aside, replaced or bad
  std::vector<std::pair<std::string, std::string>> header;
  std::vector<Qso> qsos;    // in file order
  int64_t clockOffset = 0;  // seconds the log's clock is ahead
};

struct ContestLogs {
  std::string mode;            // "CW" or "SSB"
  std::vector<EntryLog> logs;  // every file, by name
  // One line per file not checked, naming it and why.
  std::vector<std::string> notices;
};

// Reads every plain file of `folder` (not its subfolders). False with
// `error` set when the folder cannot be listed.
bool ReadContestFolder(const std::string& folder, ContestLogs* contest,
                       std::string* error);

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_CONTEST_LOGS_H_

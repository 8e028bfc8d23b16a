#include "tools/check/contest_logs.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "base/ascii.h"
#include "tools/logs/contact_source.h"
#include "tools/logs/log_values.h"
#include "tools/sponsor/contest_period.h"

namespace aadx {
namespace check {

namespace fs = std::filesystem;

const char* CheckName(Check check) {
  switch (check) {
    case Check::kOk:
      return "ok";
    case Check::kDupe:
      return "dupe";
    case Check::kBustedCall:
      return "busted-call";
    case Check::kBustedExchange:
      return "busted-exchange";
    case Check::kNotInLog:
      return "not-in-log";
    case Check::kUnique:
      return "unique";
    case Check::kUnchecked:
      return "unchecked";
  }
  return "?";
}

bool Removed(Check check) {
  return check == Check::kBustedCall || check == Check::kBustedExchange ||
         check == Check::kNotInLog;
}

const char* LogStatusName(LogStatus status) {
  switch (status) {
    case LogStatus::kChecked:
      return "checked";
    case LogStatus::kSetAside:
      return "set-aside";
    case LogStatus::kReplaced:
      return "replaced";
    case LogStatus::kBad:
      return "bad";
  }
  return "?";
}

namespace {

// "CW" or "SSB" as the log names the contest, else by most of its
// contacts; `other` names another contest the log is of.
std::string ModeOfLog(const logs::ParsedLog& log, std::string* other) {
  if (!log.contestMode.empty()) return log.contestMode;
  for (const auto& [name, count] : log.contests) {
    if (!logs::IsAllAsianContest(name) && count > 0) {
      *other = name;
      return "";
    }
  }
  int cw = 0, phone = 0;
  for (const logs::LogContact& c : log.contacts) {
    if (c.mode == "CW") ++cw;
    if (c.mode == "SSB") ++phone;
  }
  return logs::ModeOfMostContacts(cw, phone);
}

EntryLog ToEntry(const fs::path& path, const logs::ParsedLog& parsed) {
  EntryLog log;
  log.file = path.filename().string();
  log.path = path.string();
  log.call = AsciiUpperText(logs::TrimBlanks(parsed.ownCall));
  if (log.call.empty()) log.call = AsciiUpperText(path.stem().string());
  log.header = parsed.header;
  for (const logs::LogContact& c : parsed.contacts) {
    Qso qso;
    qso.line = c.line;
    qso.time = sponsor::UtcSeconds(c.time);
    qso.call = c.call;
    qso.band = c.band;
    qso.mode = c.mode;
    qso.exchSent = c.exchSent;
    qso.exchRcvd = c.exchRcvd;
    log.qsos.push_back(std::move(qso));
  }
  return log;
}

}  // namespace

bool ReadContestFolder(const std::string& folder, ContestLogs* contest,
                       std::string* error) {
  std::error_code ec;
  std::vector<fs::path> files;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->is_regular_file(ec)) files.push_back(it->path());
  }
  if (ec) {
    *error = folder + ": the folder cannot be read: " + ec.message();
    return false;
  }
  std::sort(files.begin(), files.end());

  std::vector<std::string> modes;
  std::vector<fs::file_time_type> times;
  std::map<std::string, int> logsOfMode;
  for (const fs::path& path : files) {
    logs::ParsedLog parsed;
    std::string problem;
    EntryLog log;
    std::string mode, other;
    if (!logs::ReadLogFile(path.string(), &parsed, &problem)) {
      log.file = path.filename().string();
      log.path = path.string();
      log.status = LogStatus::kBad;
      // The notice names the file already.
      const std::string prefix = path.string() + ": ";
      log.note = problem.rfind(prefix, 0) == 0 ? problem.substr(prefix.size())
                                               : problem;
    } else {
      log = ToEntry(path, parsed);
      mode = ModeOfLog(parsed, &other);
      if (log.qsos.empty()) {
        log.status = LogStatus::kBad;
        log.note = "no contacts in the log";
      } else if (!other.empty()) {
        log.status = LogStatus::kSetAside;
        log.note = "a log of another contest, " + other;
      } else if (mode.empty()) {
        log.status = LogStatus::kSetAside;
        log.note = "no contact in CW or phone";
      } else {
        ++logsOfMode[mode];
      }
    }
    modes.push_back(mode);
    times.push_back(fs::last_write_time(path, ec));
    contest->logs.push_back(std::move(log));
  }

  contest->mode = "CW";
  if (logsOfMode["SSB"] > logsOfMode["CW"]) contest->mode = "SSB";
  const std::string name = contest->mode == "CW" ? "AADX-CW" : "AADX-SSB";
  std::map<std::string, size_t> latest;  // call -> the log that counts
  for (size_t i = 0; i < contest->logs.size(); ++i) {
    EntryLog& log = contest->logs[i];
    if (log.status != LogStatus::kChecked) continue;
    if (modes[i] != contest->mode) {
      log.status = LogStatus::kSetAside;
      log.note = "a log of " +
                 std::string(modes[i] == "CW" ? "AADX-CW" : "AADX-SSB") +
                 ", the folder's logs are of " + name;
      continue;
    }
    auto [it, added] = latest.emplace(log.call, i);
    if (added) continue;
    size_t older = it->second, newer = i;
    if (times[i] < times[older]) std::swap(older, newer);
    it->second = newer;
    contest->logs[older].status = LogStatus::kReplaced;
    contest->logs[older].note = "another log of " + log.call + ", " +
                                contest->logs[newer].file +
                                ", is later and counts";
  }
  for (const EntryLog& log : contest->logs) {
    if (log.status != LogStatus::kChecked)
      contest->notices.push_back(log.file + ": " + LogStatusName(log.status) +
                                 ": " + log.note);
  }
  return true;
}

}  // namespace check
}  // namespace aadx

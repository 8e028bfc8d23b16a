#include "tools/replay/replay_plan.h"

#include <algorithm>
#include <map>
#include <utility>

#include "tools/callsign/wpx_prefix.h"
#include "tools/logs/log_values.h"

namespace aadx {
namespace replay {

namespace {

std::string OwnCallOf(const ReplayOptions& options,
                      const std::vector<logs::ParsedLog>& logs) {
  if (!options.ownCall.empty()) return options.ownCall;
  for (const logs::ParsedLog& log : logs) {
    if (!log.ownCall.empty()) return log.ownCall;
  }
  for (const logs::ParsedLog& log : logs) {
    for (const logs::LogContact& contact : log.contacts) {
      if (!contact.ownCall.empty()) return contact.ownCall;
    }
  }
  return "";
}

// The All Asian DX contest named in a log, else the mode most of its
// contacts use; `from` says which decided.
std::string ChooseContestMode(const ReplayOptions& options,
                              const std::vector<logs::ParsedLog>& logs,
                              std::string* from) {
  if (!options.contestMode.empty()) {
    *from = "--contest";
    return options.contestMode;
  }
  for (const logs::ParsedLog& log : logs) {
    if (log.contestMode.empty()) continue;
    *from = "the log's contest name";
    for (const auto& [name, contacts] : log.contests) {
      if (logs::IsAllAsianContest(name)) *from = "the log names " + name;
    }
    return log.contestMode;
  }
  int cw = 0;
  int ssb = 0;
  for (const logs::ParsedLog& log : logs) {
    for (const logs::LogContact& contact : log.contacts) {
      if (contact.mode == "CW") ++cw;
      if (contact.mode == "SSB") ++ssb;
    }
  }
  if (cw == 0 && ssb == 0) {
    *from = "the plug-in's settings: no CW or SSB contact tells";
    return "";
  }
  *from = "the mode of most contacts: " + std::to_string(cw) + " CW, " +
          std::to_string(ssb) + " SSB";
  return logs::ModeOfMostContacts(cw, ssb);
}

// The contests a log names that are not the All Asian DX, with their
// contacts, e.g. "CQ-WW-CW (120 contacts)"; empty when there are none.
std::string OtherContests(const logs::ParsedLog& log) {
  std::string text;
  for (const auto& [name, contacts] : log.contests) {
    if (logs::IsAllAsianContest(name)) continue;
    text += (text.empty() ? "" : ", ") + name + " (" +
            std::to_string(contacts) + " contacts)";
  }
  return text;
}

// Why nothing of `contacts` can be scored, or empty when some can: every
// contact is in a mode that is neither CW nor phone (SSB, AM, FM), e.g.
// "no contact in CW or phone, the contest's modes: 2 FT8, 1 RTTY".
std::string NothingToScore(const std::vector<logs::LogContact>& contacts) {
  std::map<std::string, int> others;
  for (const logs::LogContact& contact : contacts) {
    const std::string& m = contact.mode;
    if (m == "CW" || m == "SSB" || m == "AM" || m == "FM") return "";
    ++others[m.empty() ? "without a mode" : m];
  }
  std::vector<std::pair<int, std::string>> sorted;
  for (const auto& [mode, n] : others) sorted.emplace_back(-n, mode);
  std::sort(sorted.begin(), sorted.end());
  std::string text = "no contact in CW or phone, the contest's modes:";
  for (size_t i = 0; i < sorted.size(); ++i) {
    text += (i == 0 ? " " : ", ") + std::to_string(-sorted[i].first) + " " +
            sorted[i].second;
  }
  return text + "; nothing to score";
}

// Warns when the log's own entity came for some contacts only: the others
// got the country file's label, which may name the same country otherwise.
void WarnOfMixedLabels(const callsign::ResolutionCounts& n,
                       std::vector<std::string>* warnings) {
  if (n.dxccFromLog == 0 || n.dxccFromLog == n.records) return;
  warnings->push_back("DXCC entity from the log for " +
                      std::to_string(n.dxccFromLog) + " of " +
                      std::to_string(n.records) +
                      " contacts, the country file for the rest: one "
                      "country may count as two multipliers");
}

}  // namespace

bool BuildReplayPlan(const ReplayOptions& options,
                     std::vector<logs::ParsedLog> logs,
                     const callsign::CtyFile* cty, ReplayPlan* plan,
                     std::string* error) {
  ReplayPlan p;
  p.ownCall = OwnCallOf(options, logs);
  if (p.ownCall.empty()) {
    *error = "the log names no own callsign: give --call CALL";
    return false;
  }
  p.ownContinent = options.ownContinent;
  if (p.ownContinent.empty()) {
    callsign::CtyResolution own;
    if (cty == nullptr || !cty->Resolve(p.ownCall, &own)) {
      *error = "cannot tell the continent of " + p.ownCall +
               (cty == nullptr ? " without a country file"
                               : " from the country file") +
               ": give --continent CODE";
      return false;
    }
    p.ownContinent = own.continent;
  }
  p.contestMode = ChooseContestMode(options, logs, &p.contestModeFrom);
  const std::string contestName =
      p.contestMode.empty() ? std::string("the All Asian DX contest")
                            : (p.contestMode == "CW" ? "AADX-CW" : "AADX-SSB");
  std::string others;
  for (const logs::ParsedLog& log : logs) {
    const std::string named = OtherContests(log);
    if (named.empty()) continue;
    others += (others.empty() ? "" : ", ") + named;
    p.warnings.push_back(log.file + ": a log of another contest, " + named +
                         ", not the All Asian DX; scored as " + contestName +
                         " all the same");
  }
  p.exportCabrillo = options.cabrillo;

  callsign::StationResolver resolver(
      cty, callsign::StationSources{options.logPrefix, options.logStations});
  TagValues logHeader;
  for (logs::ParsedLog& log : logs) {
    p.recordsRead += log.recordsRead;
    p.skipped.insert(p.skipped.end(), log.problems.begin(), log.problems.end());
    p.excludedQsos += log.excludedQsos;
    p.qtcLines += log.qtcLines;
    p.warnings.insert(p.warnings.end(), log.notes.begin(), log.notes.end());
    logHeader.insert(logHeader.end(), log.header.begin(), log.header.end());
    for (size_t i = 0; i < log.contacts.size(); ++i) {
      logs::LogContact& contact = log.contacts[i];
      if (i > 0 && contact.time < log.contacts[i - 1].time) ++p.outOfOrder;
      resolver.Complete(&contact);
      if (!p.start || contact.time < *p.start) p.start = contact.time;
      if (!p.end || *p.end < contact.time) p.end = contact.time;
      p.contacts.push_back(std::move(contact));
    }
    log.contacts.clear();
    log.contacts.shrink_to_fit();
  }
  const std::string nothing = NothingToScore(p.contacts);
  if (!nothing.empty()) {
    *error = (logs.size() == 1 ? logs[0].file : std::string("the logs")) +
             ": " + (others.empty() ? "" : "a log of " + others + ", ") +
             nothing;
    return false;
  }
  // The host passes its log in time order; equal times keep file order.
  std::stable_sort(p.contacts.begin(), p.contacts.end(),
                   [](const logs::LogContact& a, const logs::LogContact& b) {
                     return a.time < b.time;
                   });
  p.resolution = resolver.counts();
  if (options.logStations && cty != nullptr)
    WarnOfMixedLabels(p.resolution, &p.warnings);
  if (p.outOfOrder > 0) {
    p.warnings.push_back(std::to_string(p.outOfOrder) +
                         " contacts come before an earlier one in the log; "
                         "replayed in time order");
  }
  p.header = PlanCabrilloHeader(logHeader, options.header);
  p.logHeader = logHeader;
  if (!p.exportCabrillo && !options.header.empty()) {
    p.warnings.push_back("--header has effect only with --cabrillo");
  }
  if (options.start) p.start = options.start;
  if (options.end) p.end = options.end;

  for (const CallCheckRequest& request : options.checks) {
    PlannedCheck check;
    check.call = request.call;
    check.band = request.band;
    check.mode = request.mode.empty() ? p.contestMode : request.mode;
    check.prefix = callsign::WpxPrefix(request.call);
    callsign::CtyResolution found;
    if (cty != nullptr && cty->Resolve(request.call, &found)) {
      check.dxcc = found.dxcc;
      check.continent = found.continent;
    }
    p.checks.push_back(check);
  }
  *plan = std::move(p);
  return true;
}

}  // namespace replay
}  // namespace aadx

#include "tools/replay/replay_plan.h"

#include "tools/replay/wpx_prefix.h"

namespace aadx {
namespace replay {

namespace {

std::string OwnCallOf(const ReplayOptions& options,
                      const std::vector<ParsedLog>& logs) {
  if (!options.own_call.empty()) return options.own_call;
  for (const ParsedLog& log : logs) {
    if (!log.own_call.empty()) return log.own_call;
  }
  for (const ParsedLog& log : logs) {
    for (const LogContact& contact : log.contacts) {
      if (!contact.own_call.empty()) return contact.own_call;
    }
  }
  return "";
}

// The contest named in a log, else the mode most of its contacts use.
std::string ChooseContestMode(const ReplayOptions& options,
                              const std::vector<ParsedLog>& logs) {
  if (!options.contest_mode.empty()) return options.contest_mode;
  for (const ParsedLog& log : logs) {
    if (!log.contest_mode.empty()) return log.contest_mode;
  }
  int cw = 0;
  int ssb = 0;
  for (const ParsedLog& log : logs) {
    for (const LogContact& contact : log.contacts) {
      if (contact.mode == "CW") ++cw;
      if (contact.mode == "SSB") ++ssb;
    }
  }
  if (cw == 0 && ssb == 0) return "";
  return cw > ssb ? "CW" : "SSB";
}

}  // namespace

bool BuildReplayPlan(const ReplayOptions& options,
                     const std::vector<ParsedLog>& logs, const CtyFile* cty,
                     ReplayPlan* plan, std::string* error) {
  ReplayPlan p;
  p.own_call = OwnCallOf(options, logs);
  if (p.own_call.empty()) {
    *error = "the log names no own callsign: give --call CALL";
    return false;
  }
  p.own_continent = options.own_continent;
  if (p.own_continent.empty()) {
    CtyResolution own;
    if (cty == nullptr || !cty->Resolve(p.own_call, &own)) {
      *error = "cannot tell the continent of " + p.own_call +
               (cty == nullptr ? " without a country file"
                               : " from the country file") +
               ": give --continent CODE";
      return false;
    }
    p.own_continent = own.continent;
  }
  p.contest_mode = ChooseContestMode(options, logs);
  p.export_cabrillo = options.cabrillo;

  StationResolver resolver(cty);
  for (const ParsedLog& log : logs) {
    p.records_read += log.records_read;
    p.skipped.insert(p.skipped.end(), log.problems.begin(), log.problems.end());
    for (LogContact contact : log.contacts) {
      resolver.Complete(&contact);
      if (!p.start || contact.time < *p.start) p.start = contact.time;
      if (!p.end || *p.end < contact.time) p.end = contact.time;
      p.contacts.push_back(contact);
    }
  }
  p.resolution = resolver.counts();
  if (options.start) p.start = options.start;
  if (options.end) p.end = options.end;

  for (const CallCheckRequest& request : options.checks) {
    PlannedCheck check;
    check.call = request.call;
    check.band = request.band;
    check.mode = request.mode.empty() ? p.contest_mode : request.mode;
    check.prefix = WpxPrefix(request.call);
    CtyResolution found;
    if (cty != nullptr && cty->Resolve(request.call, &found)) {
      check.dxcc = found.dxcc;
      check.continent = found.continent;
    }
    p.checks.push_back(check);
  }
  *plan = p;
  return true;
}

}  // namespace replay
}  // namespace aadx

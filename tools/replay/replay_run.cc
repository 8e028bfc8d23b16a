#include "tools/replay/replay_run.h"

#include <set>
#include <tuple>

#include "base/ole_date.h"
#include "loader/host_calls.h"

namespace aadx {
namespace replay {

namespace {

StatsOleDate HostDate(const std::optional<logs::QsoTime>& time) {
  StatsOleDate date{0.0, kOleDateNull};
  if (time &&
      OleDateFromCalendar(time->year, time->month, time->day, time->hour,
                          time->minute, time->second, &date.days)) {
    date.status = kOleDateValid;
  }
  return date;
}

// The contact as the host passes it, logged by ownCall.
ContactArgs HostContact(const std::string& ownCall, const logs::LogContact& c) {
  const StatsOleDate time = HostDate(c.time);
  return UnpackContact(ownCall.c_str(), c.call.c_str(), &time, c.freqHz,
                       c.mode.c_str(), c.rstSent.c_str(), c.rstRcvd.c_str(),
                       c.exchSent.c_str(), c.exchRcvd.c_str(), c.prefix.c_str(),
                       c.dxcc.c_str(), c.continent.c_str(), c.band.c_str());
}

}  // namespace

ReplayOutcome RunReplay(const ReplayPlan& plan, const PluginExports& exports,
                        const ProgressFn& progress) {
  ReplayOutcome outcome;

  ResetArgs reset;
  reset.exportFlag = plan.exportCabrillo ? 1 : 0;
  reset.ownCall = plan.ownCall;
  reset.contestStart = HostDate(plan.start);
  reset.contestEnd = HostDate(plan.end);
  reset.ownContinent = plan.ownContinent;
  CallResetStats(exports, reset);

  // The plug-in stores a dupe like any other contact; the host side tells
  // them apart the same way it does, by call, band and mode.
  std::set<std::tuple<std::string, std::string, std::string>> stored;
  const size_t total = plan.contacts.size();
  for (size_t i = 0; i < total; ++i) {
    const logs::LogContact& c = plan.contacts[i];
    ++outcome.sent;
    if (CallAddData(exports, HostContact(plan.ownCall, c)) == 0) {
      ++outcome.refused;
    } else if (!stored.emplace(c.call, c.band, c.mode).second) {
      ++outcome.dupes;
    }
    if (progress) progress(i + 1, total);
  }

  for (const PlannedCheck& check : plan.checks) {
    CallQuery query;
    query.call = check.call;
    query.mode = check.mode;
    query.prefix = check.prefix;
    query.dxcc = check.dxcc;
    query.continent = check.continent;
    query.band = check.band;
    query.band2 = check.band;
    outcome.checks.push_back(
        CheckOutcome{check, CallCheckCall(exports, query)});
  }

  int status = 0;
  const char* summary = exports.GetResult0(&status);
  outcome.summary = summary != nullptr ? summary : "";
  outcome.resultStatus = status;
  return outcome;
}

std::string DescribeCheckResult(int result) {
  const char* meaning = "unexpected result";
  switch (result) {
    case 0:
      meaning = "duplicate";
      break;
    case 1:
      meaning = "counts, no new multiplier";
      break;
    case 2:
      meaning = "counts, new multiplier";
      break;
    case 4:
      meaning = "does not count";
      break;
  }
  return std::to_string(result) + " (" + meaning + ")";
}

}  // namespace replay
}  // namespace aadx

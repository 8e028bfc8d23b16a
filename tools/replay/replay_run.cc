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

}  // namespace

ReplayOutcome RunReplay(const ReplayPlan& plan, const PluginExports& exports,
                        const ProgressFn& progress) {
  ReplayOutcome outcome;

  HostReset reset;
  reset.exportFlag = plan.exportCabrillo ? 1 : 0;
  reset.ownCall = plan.ownCall;
  reset.start = HostDate(plan.start);
  reset.end = HostDate(plan.end);
  reset.ownContinent = plan.ownContinent;
  CallResetStats(exports, reset);

  // The plug-in stores a dupe like any other contact; the host side tells
  // them apart the same way it does, by call, band and mode.
  std::set<std::tuple<std::string, std::string, std::string>> stored;
  const size_t total = plan.contacts.size();
  for (size_t i = 0; i < total; ++i) {
    const logs::LogContact& c = plan.contacts[i];
    HostContact contact;
    contact.ownCall = plan.ownCall;
    contact.call = c.call;
    contact.time = HostDate(c.time);
    contact.freqHz = c.freqHz;
    contact.mode = c.mode;
    contact.rstSent = c.rstSent;
    contact.rstRcvd = c.rstRcvd;
    contact.exchSent = c.exchSent;
    contact.exchRcvd = c.exchRcvd;
    contact.prefix = c.prefix;
    contact.dxcc = c.dxcc;
    contact.continent = c.continent;
    contact.band = c.band;
    ++outcome.sent;
    if (CallAddData(exports, contact) == 0) {
      ++outcome.refused;
    } else if (!stored.emplace(c.call, c.band, c.mode).second) {
      ++outcome.dupes;
    }
    if (progress) progress(i + 1, total);
  }

  for (const PlannedCheck& check : plan.checks) {
    HostCallQuery query;
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

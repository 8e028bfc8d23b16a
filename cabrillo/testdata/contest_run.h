// A small contest passed to the built plug-in as the host passes it: an
// export reset, every contact, the result request.
#ifndef AADX_CABRILLO_TESTDATA_CONTEST_RUN_H_
#define AADX_CABRILLO_TESTDATA_CONTEST_RUN_H_

#include <string>

#include "cabrillo/testdata/small_contests.h"
#include "loader/host_calls.h"
#include "tests/test_contacts.h"

namespace aadx {

inline ContactArgs ToContactArgs(const SmallContest& contest,
                                 const ContestContact& c) {
  const StatsOleDate time = c.Time();
  return UnpackContact(contest.ownCall.c_str(), c.call.c_str(), &time,
                       c.freqKHz * 1000, c.mode.c_str(), c.rstSent.c_str(),
                       c.rstRcvd.c_str(), c.exchSent.c_str(),
                       c.exchRcvd.c_str(), c.prefix.c_str(), c.dxcc.c_str(),
                       c.continent.c_str(), c.band.c_str());
}

// ResetStats0 for the contest, contest days 19 and 20 June 2021.
inline int ResetForContest(const PluginExports& plugin,
                           const SmallContest& contest, int exportFlag) {
  return CallResetStats(
      plugin, TestReset(contest.ownContinent, contest.ownCall, exportFlag));
}

// AddData0 for every contact; the number the plug-in stored.
inline int AddContestContacts(const PluginExports& plugin,
                              const SmallContest& contest) {
  int stored = 0;
  for (const ContestContact& c : contest.contacts) {
    stored += CallAddData(plugin, ToContactArgs(contest, c));
  }
  return stored;
}

inline std::string RequestResult(const PluginExports& plugin) {
  int status = 0;
  const char* text = plugin.GetResult0(&status);
  return text != nullptr ? text : "";
}

}  // namespace aadx

#endif  // AADX_CABRILLO_TESTDATA_CONTEST_RUN_H_

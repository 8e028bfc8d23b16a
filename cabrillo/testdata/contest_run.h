// A small contest passed to the built plug-in as the host passes it: an
// export reset, every contact, the result request.
#ifndef AADX_CABRILLO_TESTDATA_CONTEST_RUN_H_
#define AADX_CABRILLO_TESTDATA_CONTEST_RUN_H_

#include <string>

#include "cabrillo/testdata/small_contests.h"
#include "loader/host_calls.h"
#include "tests/test_contacts.h"

namespace aadx {

inline HostContact ToHostContact(const SmallContest& contest,
                                 const ContestContact& c) {
  HostContact h;
  h.ownCall = contest.ownCall;
  h.call = c.call;
  h.time = c.Time();
  h.freqHz = c.freqKHz * 1000;
  h.mode = c.mode;
  h.rstSent = c.rstSent;
  h.rstRcvd = c.rstRcvd;
  h.exchSent = c.exchSent;
  h.exchRcvd = c.exchRcvd;
  h.prefix = c.prefix;
  h.dxcc = c.dxcc;
  h.continent = c.continent;
  h.band = c.band;
  return h;
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
    stored += CallAddData(plugin, ToHostContact(contest, c));
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

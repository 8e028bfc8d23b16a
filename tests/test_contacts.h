// The tests' standard contact, call check and reset, as the core's Plugin
// receives them and as the loader passes them to the exports.
#ifndef AADX_TESTS_TEST_CONTACTS_H_
#define AADX_TESTS_TEST_CONTACTS_H_

#include <string>

#include "plugin/host_args.h"

namespace aadx {

// 19 June 2021 00:05, the standard contact's time.
constexpr double kTestContactTime = 44366.003472222222;

// A valid CW contact on band at 14025 kHz, logged by OWNCALL: 599 both
// ways, 45 sent and 30 received, from dxcc (prefix dxcc + "1") in Asia.
inline ContactArgs TestContact(const std::string& call,
                               const std::string& dxcc = "JA",
                               const std::string& band = "20m") {
  const StatsOleDate time = {kTestContactTime, kOleDateValid};
  const std::string prefix = dxcc + "1";
  return UnpackContact("OWNCALL", call.c_str(), &time, 14025000, "CW", "599",
                       "599", "45", "30", prefix.c_str(), dxcc.c_str(), "AS",
                       band.c_str());
}

// A CW call check of call on band (both band texts), by default of a
// station in JA1 and Asia.
inline CallQuery TestQuery(const std::string& call,
                           const std::string& band = "20m",
                           const std::string& prefix = "JA1",
                           const std::string& dxcc = "JA",
                           const std::string& continent = "AS") {
  return UnpackCallQuery(call.c_str(), "CW", prefix.c_str(), dxcc.c_str(),
                         continent.c_str(), band.c_str(), band.c_str());
}

// An ordinary reset (no export unless asked) with contest days 19 and 20
// June 2021.
inline ResetArgs TestReset(const std::string& continent = "AS",
                           const std::string& ownCall = "OWNCALL",
                           int exportFlag = 0) {
  const StatsOleDate start = {44366.0, kOleDateValid};
  const StatsOleDate end = {44367.5, kOleDateValid};
  return UnpackReset(exportFlag, ownCall.c_str(), &start, &end,
                     continent.c_str());
}

}  // namespace aadx

#endif  // AADX_TESTS_TEST_CONTACTS_H_

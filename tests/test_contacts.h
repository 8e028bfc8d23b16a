// The tests' standard contact and reset, for every layer: as the host
// passes them to the exports (HostContact, HostReset) and as the core's
// Plugin receives them (ContactArgs, ResetArgs).
#ifndef AADX_TESTS_TEST_CONTACTS_H_
#define AADX_TESTS_TEST_CONTACTS_H_

#include <string>

#include "loader/host_calls.h"
#include "plugin/plugin.h"

namespace aadx {

// 19 June 2021 00:05, the standard contact's time.
constexpr double kTestContactTime = 44366.003472222222;

// A valid CW contact on band at 14025 kHz, logged by OWNCALL: 599 both
// ways, 45 sent and 30 received, from dxcc (prefix dxcc + "1") in Asia.
inline HostContact TestContact(const std::string& call,
                               const std::string& dxcc = "JA",
                               const std::string& band = "20m") {
  HostContact c;
  c.ownCall = "OWNCALL";
  c.call = call;
  c.time = {kTestContactTime, kOleDateValid};
  c.freqHz = 14025000;
  c.mode = "CW";
  c.rstSent = "599";
  c.rstRcvd = "599";
  c.exchSent = "45";
  c.exchRcvd = "30";
  c.prefix = dxcc + "1";
  c.dxcc = dxcc;
  c.continent = "AS";
  c.band = band;
  return c;
}

// An ordinary reset (no export unless asked) with contest days 19 and 20
// June 2021.
inline HostReset TestReset(const std::string& continent = "AS",
                           const std::string& ownCall = "OWNCALL",
                           int exportFlag = 0) {
  HostReset r;
  r.exportFlag = exportFlag;
  r.ownCall = ownCall;
  r.ownContinent = continent;
  r.start = {44366.0, kOleDateValid};
  r.end = {44367.5, kOleDateValid};
  return r;
}

// The same values as the exports unpack them for the core.
inline ContactArgs ToContactArgs(const HostContact& h) {
  ContactArgs c;
  c.ownCall = h.ownCall;
  c.freqHz = h.freqHz;
  c.info.call = h.call;
  c.info.dxcc = h.dxcc;
  c.info.prefix = h.prefix;
  c.info.continent = h.continent;
  c.info.band = h.band;
  c.info.mode = h.mode;
  c.info.rstRcvd = h.rstRcvd;
  c.info.rstSent = h.rstSent;
  c.info.exchRcvd = h.exchRcvd;
  c.info.exchSent = h.exchSent;
  c.info.freqKHz = static_cast<int32_t>(h.freqHz / 1000);
  c.info.time = h.time;
  return c;
}

inline ResetArgs ToResetArgs(const HostReset& h) {
  ResetArgs r;
  r.exportFlag = h.exportFlag;
  r.ownCall = h.ownCall;
  r.contestStart = h.start;
  r.contestEnd = h.end;
  r.ownContinent = h.ownContinent;
  return r;
}

}  // namespace aadx

#endif  // AADX_TESTS_TEST_CONTACTS_H_

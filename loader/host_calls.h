// The exports called with the host's full argument lists, from a few named
// values. The arguments the plug-in ignores get the plausible fillers a
// host would pass.
#ifndef AADX_LOADER_HOST_CALLS_H_
#define AADX_LOADER_HOST_CALLS_H_

#include <string>

#include "loader/plugin_library.h"

namespace aadx {

// One contact as AddData0 / RemoveData0 receive it. A null text pointer is
// passed for any field listed in nullFields ("call", "mode", ...).
struct HostContact {
  std::string ownCall;
  std::string call;
  StatsOleDate time = {0.0, kOleDateValid};
  unsigned freqHz = 0;
  std::string mode;
  std::string rstSent;
  std::string rstRcvd;
  std::string exchSent;
  std::string exchRcvd;
  std::string prefix;
  std::string dxcc;
  std::string continent;
  std::string band;
  bool nullTexts = false;  // pass every text argument as a null pointer
  bool nullTime = false;   // pass the date-time pointer as null
};

struct HostCallQuery {
  std::string call;
  std::string mode;
  std::string prefix;
  std::string dxcc;
  std::string continent;
  std::string band;
  std::string band2;
  bool nullBand2 = false;
  bool nullTexts = false;
};

struct HostReset {
  int exportFlag = 0;
  std::string ownCall;
  StatsOleDate start = {0.0, kOleDateNull};
  StatsOleDate end = {0.0, kOleDateNull};
  std::string ownContinent;
  bool nullTexts = false;
};

int CallAddData(const PluginExports& e, const HostContact& c);
int CallRemoveData(const PluginExports& e, const HostContact& c);
int CallCheckCall(const PluginExports& e, const HostCallQuery& q);
int CallResetStats(const PluginExports& e, const HostReset& r);

}  // namespace aadx

#endif  // AADX_LOADER_HOST_CALLS_H_

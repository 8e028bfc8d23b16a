// The plug-in as one object: what each export does, on the state it keeps
// between calls. The exports unpack the host's arguments and call in here.
#ifndef AADX_PLUGIN_PLUGIN_H_
#define AADX_PLUGIN_PLUGIN_H_

#include <string>

#include "base/plugin_state.h"
#include "base/qso_store.h"
#include "base/settings.h"
#include "cabrillo/cabrillo_log.h"
#include "plugin/platform.h"

namespace aadx {

// What AddData0 and RemoveData0 read of their 33 arguments.
struct ContactArgs {
  std::string ownCall;
  unsigned freqHz = 0;
  CInfo info;  // every field but dupe, filled from the arguments
};

// What CheckCall0 reads of its 28 arguments. The band gate needs to know
// whether the host passed the two band texts at all.
struct CallQuery {
  std::string call;
  std::string mode;
  std::string prefix;
  std::string dxcc;
  std::string continent;
  std::string band;
  std::string band2;
  bool hasBand = false;
  bool hasBand2 = false;
};

// What ResetStats0 reads of its 23 arguments.
struct ResetArgs {
  int exportFlag = 0;
  std::string ownCall;
  StatsOleDate contestStart = {0.0, kOleDateNull};
  StatsOleDate contestEnd = {0.0, kOleDateNull};
  std::string ownContinent;
};

class Plugin {
 public:
  explicit Plugin(const Platform& platform);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  int AddData(const ContactArgs& contact);     // 1 stored, 0 refused
  int RemoveData(const ContactArgs& contact);  // always 1
  int CheckCall(const CallQuery& query);       // 0, 1, 2 or 4
  int ResetStats(const ResetArgs& args);       // always 1
  // The summary text; stays valid until the next call. status may be null.
  const char* GetResult(int* status);
  void SetupSet();
  // Library unload: closes the Multiplier window before the state goes.
  void Shutdown();

  PluginState& state() { return state_; }

 private:
  void WriteCabrilloLog();

  Platform platform_;
  PluginState state_;
  Settings settings_;
  CabrilloLog cabrillo_;
};

// The process-wide instance the exports use.
Plugin& ThePlugin();

}  // namespace aadx

#endif  // AADX_PLUGIN_PLUGIN_H_

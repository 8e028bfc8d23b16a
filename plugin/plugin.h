// The plug-in as one object: what each export does, on the state it keeps
// between calls. The exports unpack the host's arguments and call in here.
#ifndef AADX_PLUGIN_PLUGIN_H_
#define AADX_PLUGIN_PLUGIN_H_

#include <memory>
#include <string>

#include "base/plugin_state.h"
#include "base/qso_store.h"
#include "base/settings.h"
#include "cabrillo/cabrillo_log.h"
#include "plugin/host_args.h"
#include "plugin/platform.h"

namespace aadx {

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

  Desktop* const desktop_;
  HostLink* const hostLink_;
  PluginState state_;
  Settings settings_;
  CabrilloLog cabrillo_;
  // Made last and so destroyed first, before the state it shows.
  const std::unique_ptr<MultiplierWindow> window_;
};

// The process-wide instance the exports use.
Plugin& ThePlugin();

}  // namespace aadx

#endif  // AADX_PLUGIN_PLUGIN_H_

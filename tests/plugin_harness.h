// A Plugin on fake platform services in a fresh current folder, with
// shorthands for the calls the host makes.
#ifndef AADX_TESTS_PLUGIN_HARNESS_H_
#define AADX_TESTS_PLUGIN_HARNESS_H_

#include <memory>
#include <string>

#include "plugin/plugin.h"
#include "tests/fakes.h"
#include "tests/test_util.h"

namespace aadx {

struct PluginHarness {
  ScopedTempDir dir;
  FakePlatform fakes;
  std::unique_ptr<Plugin> plugin{new Plugin(fakes.platform())};

  void Reset(const std::string& continent, int exportFlag = 0,
             const std::string& ownCall = "OWNCALL") {
    ResetArgs args;
    args.exportFlag = exportFlag;
    args.ownCall = ownCall;
    args.ownContinent = continent;
    args.contestStart = {44366.0, kOleDateValid};
    args.contestEnd = {44367.5, kOleDateValid};
    plugin->ResetStats(args);
  }

  int Add(const std::string& call, const std::string& band,
          const std::string& mode = "CW", const std::string& prefix = "JA1",
          const std::string& dxcc = "JA", const std::string& continent = "AS") {
    ContactArgs c;
    c.ownCall = "OWNCALL";
    c.freqHz = 14025000;
    c.info.call = call;
    c.info.band = band;
    c.info.mode = mode;
    c.info.prefix = prefix;
    c.info.dxcc = dxcc;
    c.info.continent = continent;
    c.info.exchSent = "45";
    c.info.exchRcvd = "30";
    c.info.rstSent = c.info.rstRcvd = "599";
    c.info.freqKHz = 14025;
    c.info.time = {44366.003472222222, kOleDateValid};
    return plugin->AddData(c);
  }

  std::string Result() { return plugin->GetResult(nullptr); }
};

}  // namespace aadx

#endif  // AADX_TESTS_PLUGIN_HARNESS_H_

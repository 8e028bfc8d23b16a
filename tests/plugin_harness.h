// A Plugin on fake platform services in a fresh current folder, with
// shorthands for the calls the host makes.
#ifndef AADX_TESTS_PLUGIN_HARNESS_H_
#define AADX_TESTS_PLUGIN_HARNESS_H_

#include <memory>
#include <string>

#include "plugin/plugin.h"
#include "tests/fakes.h"
#include "tests/test_contacts.h"
#include "tests/test_util.h"

namespace aadx {

struct PluginHarness {
  ScopedTempDir dir;
  FakePlatform fakes;
  std::unique_ptr<Plugin> plugin{new Plugin(fakes.platform())};

  void Reset(const std::string& continent, int exportFlag = 0,
             const std::string& ownCall = "OWNCALL") {
    plugin->ResetStats(TestReset(continent, ownCall, exportFlag));
  }

  int Add(const std::string& call, const std::string& band,
          const std::string& mode = "CW", const std::string& prefix = "JA1",
          const std::string& dxcc = "JA", const std::string& continent = "AS") {
    ContactArgs c = TestContact(call, dxcc, band);
    c.info.mode = mode;
    c.info.prefix = prefix;
    c.info.continent = continent;
    return plugin->AddData(c);
  }

  std::string Result() { return plugin->GetResult(nullptr); }
};

}  // namespace aadx

#endif  // AADX_TESTS_PLUGIN_HARNESS_H_

// A fresh plug-in for each test: the library loaded by path as the host
// loads it, in a fresh current folder.
#ifndef AADX_TESTS_EXPORTS_PLUGIN_FIXTURE_H_
#define AADX_TESTS_EXPORTS_PLUGIN_FIXTURE_H_

#include <gtest/gtest.h>

#include <memory>

#include "loader/host_calls.h"
#include "loader/plugin_library.h"
#include "tests/test_contacts.h"
#include "tests/test_util.h"

namespace aadx {

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(library_.Load(LibraryPath(), &error)) << error;
  }
  void TearDown() override { library_.Unload(); }

  const PluginExports& plugin() const { return library_.exports(); }

  // 19 June 2021 00:05 and 20 June 2021 23:59.
  static constexpr double kJune19At0005 = 44366.003472222222;
  static constexpr double kJune20At2359 = 44367.999305555556;

  // An ordinary reset: no export, the given continent, contest dates of
  // 19 and 20 June 2021.
  void Reset(const std::string& continent = "AS",
             const std::string& ownCall = "OWNCALL", int exportFlag = 0) {
    ASSERT_EQ(
        CallResetStats(plugin(), TestReset(continent, ownCall, exportFlag)), 1);
  }

  // A valid CW contact on 20m with the numbers 45 sent and 30 received.
  static ContactArgs Contact(const std::string& call) {
    return TestContact(call);
  }

  std::string Result() {
    int status = 0;
    const char* text = plugin().GetResult0(&status);
    EXPECT_EQ(status, -1);
    return text ? text : "(null)";
  }

  ScopedTempDir dir_;

 private:
  static std::string LibraryPath() { return AADX_PLUGIN_PATH; }
  PluginLibrary library_;
};

}  // namespace aadx

#endif  // AADX_TESTS_EXPORTS_PLUGIN_FIXTURE_H_

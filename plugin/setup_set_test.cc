// SetupSet0 through the plug-in: the dialog's two values reach the settings
// on OK, and a choice that cannot be saved is told to the operator.
#include <gtest/gtest.h>

#include "tests/plugin_harness.h"

namespace aadx {
namespace {

TEST(SetupSetTest, OkSavesBothValuesOrSaysThatTheyWereNotSaved) {
  struct Case {
    bool ok, writesFail;
    const char *master, *mode;  // the settings afterwards
    int messages;
    bool cw;  // the mode flag afterwards
  } cases[] = {
      {true, false, "1", "SSB", 0, false},
      {false, false, "", "", 0, true},  // Cancel: the dialog's "CW"
      {true, true, "", "", 1, false},
  };
  for (const Case& c : cases) {
    PluginHarness h;
    h.fakes.desktop.profileWritesFail = c.writesFail;
    h.fakes.desktop.onSetup = [&](int* window, std::string* mode) {
      *window = 1;
      *mode = "SSB";
      return c.ok;
    };
    h.plugin->SetupSet();
    EXPECT_EQ(ReadSetting("Master"), c.master);
    EXPECT_EQ(ReadSetting("Mode"), c.mode);
    ASSERT_EQ(h.fakes.desktop.messages.size(), size_t(c.messages));
    if (c.messages > 0) {
      EXPECT_EQ(h.fakes.desktop.messages[0],
                "Setup: cannot write Plugins\\AADX.ini");
      EXPECT_EQ(h.fakes.desktop.icons[0], MessageIcon::kWarning);
    }
    h.plugin->state().shared.WithLock(
        [&](const SharedFields& s) { EXPECT_EQ(s.modeFlag != 0, c.cw); });
  }
}

}  // namespace
}  // namespace aadx

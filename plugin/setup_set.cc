// SetupSet0: the contest setup dialog edits "Master" and "Mode".
#include "plugin/plugin.h"

namespace aadx {

void Plugin::SetupSet() {
  int masterValue = settings_.ReadInt("Master");
  // The dialog always opens with "CW", whatever "Mode" holds; on any ending
  // but OK the mode flag is set from that "CW".
  std::string modeText = "CW";
  bool cw = true;
  if (platform_.dialogs->RunSetupDialog(&masterValue, &modeText)) {
    settings_.WriteInt("Master", masterValue);
    settings_.WriteText("Mode", modeText);
    cw = modeText == "CW";
  }
  state_.shared.WithLock([&](SharedFields& s) { s.modeFlag = cw ? 1 : 0; });
}

}  // namespace aadx

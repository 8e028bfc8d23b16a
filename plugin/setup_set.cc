// SetupSet0: the contest setup dialog edits "Master" and "Mode".
#include "plugin/plugin.h"

namespace aadx {

void Plugin::SetupSet() {
  state_.masterValue = settings_.ReadInt("Master");
  // The dialog always opens with "CW", whatever "Mode" holds.
  state_.modeText = "CW";
  int windowFlag = state_.masterValue;
  std::string modeText = state_.modeText;
  if (platform_.dialogs->RunSetupDialog(&windowFlag, &modeText)) {
    state_.masterValue = windowFlag;
    state_.modeText = modeText;
    settings_.WriteInt("Master", state_.masterValue);
    settings_.WriteText("Mode", state_.modeText);
  }
  std::lock_guard<std::mutex> lock(state_.mu);
  state_.modeFlag = state_.modeText == "CW" ? 1 : 0;
}

}  // namespace aadx

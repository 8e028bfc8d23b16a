// SetupSet0: the contest setup dialog edits "Master" and "Mode".
#include "plugin/plugin.h"

namespace aadx {

void Plugin::SetupSet() {
  int masterValue = settings_.ReadInt("Master");
  // The dialog always opens with "CW", whatever "Mode" holds; on any ending
  // but OK the mode flag is set from that "CW".
  std::string modeText = "CW";
  bool cw = true;
  if (desktop_->RunSetupDialog(&masterValue, &modeText)) {
    Status master = settings_.WriteInt("Master", masterValue);
    Status mode = settings_.WriteText("Mode", modeText);
    cw = modeText == "CW";
    // The operator pressed OK: a choice that did not reach the settings
    // file would come back changed at the next load, so say so now.
    const Status& failed = master.ok() ? mode : master;
    if (!failed.ok()) {
      desktop_->ShowMessage(failed.message(), "Setup", MessageIcon::kWarning);
    }
  }
  state_.shared.WithLock([&](SharedFields& s) { s.modeFlag = cw ? 1 : 0; });
}

}  // namespace aadx

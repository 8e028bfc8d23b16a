// ResetStats0: opens a new contest run.
#include "base/ole_date.h"
#include "plugin/plugin.h"
#include "scoring/ubn_report.h"

namespace aadx {

int Plugin::ResetStats(const ResetArgs& args) {
  state_.startDateText =
      FormatOleDate(&args.contestStart, OleDateText::kDayMonth);
  state_.endDateText = FormatOleDate(&args.contestEnd, OleDateText::kDate);
  state_.ownContinent = args.ownContinent;
  state_.contestantCall = args.ownCall;
  state_.shared.WithLock([&](SharedFields& s) {
    s.store.Clear();
    s.asiaFlag = args.ownContinent == "AS" ? 1 : 0;
    for (int i = 0; i < kBandSlots; ++i) {
      s.bandRows[i] = BandRow{kContestBands[i], "-", "-", "-", "-"};
    }
  });
  // The store starts without bands; the score lists those actually logged.
  state_.bandOrder.clear();

  state_.exportFlag = args.exportFlag;
  if (state_.exportFlag != 0) {
    // The dialog is modal: no lock is held while it is open, so the
    // Multiplier window keeps running.
    cabrillo_.SetupHeader(args.ownCall, &state_.exportFlag);
    // The window toggle below may fire once more when these cannot be
    // saved; there is no one to tell during a reset.
    settings_.WriteText("Start", "1").IgnoreError();
  }

  bool cw = settings_.ReadText("Mode") == "CW";
  state_.shared.WithLock([&](SharedFields& s) { s.modeFlag = cw ? 1 : 0; });
  StartUbnReport(cw);

  // The window comes up on every other ordinary reset, never on an export.
  if (settings_.ReadInt("Start") != 0) {
    settings_.WriteText("Start", "0").IgnoreError();
  } else if (!window_->IsRunning()) {
    window_->Start();
    settings_.WriteText("Start", "1").IgnoreError();
  }
  return 1;
}

}  // namespace aadx

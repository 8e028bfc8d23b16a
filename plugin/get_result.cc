// GetResult0: the summary for the host, the claimed score and, in an export
// run, the Cabrillo log.
#include "plugin/host_session.h"
#include "plugin/plugin.h"
#include "scoring/score.h"
#include "scoring/summary.h"

namespace aadx {

const char* Plugin::GetResult(int* status) {
  SummaryHeader header;
  ScoreResult score;
  state_.shared.WithLock([&](SharedFields& s) {
    header.cw = s.modeFlag != 0;
    header.asia = s.asiaFlag != 0;
    score =
        ComputeScore(&state_.bandOrder, s.store, header.asia,
                     state_.ownContinent, &s.bandDxccLists, &s.bandPrefixLists);
  });
  header.startDate = state_.startDateText;
  header.endDate = state_.endDateText;
  header.contestant = state_.contestantCall;
  state_.resultText = FormatSummary(header, score);

  // The key is rewritten only when it would change: the host asks for the
  // result after every contact, and each write rewrites the whole file.
  const std::string claimed = std::to_string(score.score);
  if (settings_.ReadText("Claimed") != claimed) {
    // Only a record for the operator; the next result tries again.
    settings_.WriteText("Claimed", claimed).IgnoreError();
  }
  state_.claimedScore = score.score;

  if (state_.exportFlag != 0) WriteCabrilloLog();
  if (status != nullptr) *status = -1;
  if (state_.talqGood == 0) {
    SendModeMacroOnce(hostLink_, &settings_, header.cw, &state_.talqGood);
  }
  return state_.resultText.c_str();
}

void Plugin::WriteCabrilloLog() {
  bool cw;
  std::vector<CInfo> records;
  state_.shared.WithLock([&](const SharedFields& s) {
    cw = s.modeFlag != 0;
    records = s.store.records();
  });
  cabrillo_.RebuildQsoLines(records, cw);
  Status written = cabrillo_.WriteLog(state_.claimedScore, cw);
  desktop_->ShowMessage(
      cabrillo_.Notice(written), "Output",
      written.ok() ? MessageIcon::kInformation : MessageIcon::kWarning);
}

}  // namespace aadx

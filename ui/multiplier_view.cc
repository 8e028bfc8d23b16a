#include "ui/multiplier_view.h"

#include <cmath>
#include <cstdio>
#include <mutex>

#include "base/ole_date.h"

namespace aadx {
namespace {

// A band row's texts 1 to 4 before the typed call's QSOs fill them.
const char kBlankCell[] = "   -";

// Fills both %s of a title pattern.
std::string FormatTitle(const char* pattern, const std::string& first,
                        const std::string& second) {
  int n = std::snprintf(nullptr, 0, pattern, first.c_str(), second.c_str());
  if (n <= 0) return std::string();
  std::string text(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(&text[0], text.size(), pattern, first.c_str(), second.c_str());
  text.resize(static_cast<size_t>(n));
  return text;
}

bool EndsEarly(const std::string& entry) {
  return entry.find('?') != std::string::npos || entry.size() == 1 ||
         entry.size() == 2;
}

}  // namespace

int BandSlotOfFrequency(double hz) {
  double mhz = std::trunc(hz / 1000000.0);  // NaN stays NaN: no slot
  static const double kWholeMhz[kBandSlots] = {1, 3, 7, 14, 21, 28};
  for (int slot = 0; slot < kBandSlots; ++slot) {
    if (mhz == kWholeMhz[slot]) return slot;
  }
  return -1;
}

std::string WorkedTitle(bool cw, const std::string& call) {
  return std::string(cw ? "AADX-CW" : "AADX-SSB") + " worked with " + call;
}

std::string IdleTitle(bool asia, bool cw, const std::string& bandText) {
  const char* pattern;
  if (asia) {
    pattern =
        cw ? "AADX-CW %s DXCC worked on %s " : "AADX-SSB %s DXCC worked on %s ";
  } else {
    pattern = cw ? "AADX-CW %s Prefix worked on %s "
                 : "AADX-SSB %s Prefix worked on %s ";
  }
  const std::string subject;  // never set by any operation
  return FormatTitle(pattern, subject, bandText);
}

bool MultiplierPoller::FillBandRows(const std::string& call) {
  return state_->WithLock([&](SharedFields& s) {
    for (BandRow& row : s.bandRows) {
      for (int i = 1; i < 5; ++i) row[i] = kBlankCell;
    }
    if (!call.empty()) {
      // Store order, so a later QSO on a band overwrites an earlier one;
      // dupes count as much as any other QSO here.
      s.store.ForEachOfCall(call, [&](const CInfo& q) {
        int slot = BandSlotOf(q.band);
        if (slot < 0) return;
        BandRow& row = s.bandRows[slot];
        row[1] = q.mode;
        row[2] = FormatOleDate(&q.time, OleDateText::kHourMinute);
        row[3] = q.exchRcvd;
      });
    }
    return s.modeFlag != 0;
  });
}

TickResult MultiplierPoller::Tick() {
  TickResult result;
  if (!host_->HasHost()) {
    result.end = TickEnd::kNoHost;
    return result;
  }

  std::string entry;
  if (!host_->ReadEntryText(&entry)) {
    result.end = TickEnd::kHostFailed;
    return result;
  }
  state_->WithLock([&](SharedFields& s) { s.typedCall = entry; });
  // The operator is still typing (or asking with "?"): the grid shows the
  // new text at its next repaint, the rows and the title stay as they are.
  if (EndsEarly(entry)) {
    result.end = TickEnd::kShortEntry;
    return result;
  }

  bool cw = FillBandRows(entry);
  if (!entry.empty()) {
    result.setTitle = true;
    result.title = WorkedTitle(cw, entry);
  }

  double hz = 0.0;
  if (!host_->ReadHostFrequency(&hz)) {
    result.end = TickEnd::kHostFailed;
    return result;
  }
  if (std::fabs(hz - macroFrequency_) > kRetuneHz) {
    // Only a macro the host accepted counts as sent; a refused one is
    // tried again at the next tick that gets this far.
    if (!host_->RunHostMacro("<SP1>")) {
      result.end = TickEnd::kHostFailed;
      return result;
    }
    macroFrequency_ = hz;
  }

  int slot = BandSlotOfFrequency(hz);
  bool asia;
  state_->WithLock([&](SharedFields& s) {
    s.currentBandSlot = slot;
    asia = s.asiaFlag != 0;
    cw = s.modeFlag != 0;
  });
  if (entry.empty()) {
    result.setTitle = true;
    result.title = IdleTitle(asia, cw, slot < 0 ? "" : kContestBands[slot]);
  }
  result.end = TickEnd::kCompleted;
  return result;
}

}  // namespace aadx

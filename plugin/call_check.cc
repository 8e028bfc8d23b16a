// CheckCall0: how a callsign being typed would count, before it is logged.
#include <string>

#include "base/ascii.h"
#include "plugin/host_session.h"
#include "plugin/plugin.h"

namespace aadx {

int Plugin::CheckCall(const CallQuery& q) {
  // The host asks about another band than the entry's: cannot count, and
  // nothing else happens (no host contact, no timer).
  if (q.hasBand && q.hasBand2 && !EqualIgnoringAsciiCase(q.band, q.band2))
    return 4;

  RefreshHostLink(hostLink_, window_.get(), &state_.hostState);

  if (q.dxcc.empty()) return 1;
  return state_.shared.WithLock([&](const SharedFields& s) {
    if (s.asiaFlag == 0 && q.continent != "AS") return 4;
    if (s.store.WorkedOnBand(q.call, q.band)) return 0;
    if (s.store.PrefixWorkedOnBand(q.prefix, q.band)) return 1;
    return 2;
  });
}

}  // namespace aadx

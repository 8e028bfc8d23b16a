// CheckCall0: how a callsign being typed would count, before it is logged.
#include <cctype>
#include <string>

#include "plugin/host_session.h"
#include "plugin/plugin.h"

namespace aadx {
namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

int Plugin::CheckCall(const CallQuery& q) {
  // The host asks about another band than the entry's: cannot count, and
  // nothing else happens (no host contact, no timer).
  if (q.hasBand && q.hasBand2 && !EqualIgnoringCase(q.band, q.band2)) return 4;

  RefreshHostLink(platform_.hostLink, platform_.window, &state_.hostState);

  if (q.dxcc.empty()) return 1;
  return state_.shared.WithLock([&](const SharedFields& s) {
    if (s.asiaFlag == 0 && q.continent != "AS") return 4;
    for (const CInfo& r : s.store.records()) {
      if (r.call == q.call && r.band == q.band) return 0;
    }
    for (const CInfo& r : s.store.records()) {
      if (r.band == q.band && r.prefix == q.prefix) return 1;
    }
    return 2;
  });
}

}  // namespace aadx

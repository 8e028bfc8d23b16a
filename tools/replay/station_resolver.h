// Completes what a log does not say about a worked station: its prefix by
// the WPX rules, its DXCC entity and continent from the country file.
// Values given in the log are kept.
#ifndef AADX_TOOLS_REPLAY_STATION_RESOLVER_H_
#define AADX_TOOLS_REPLAY_STATION_RESOLVER_H_

#include "tools/replay/cty_file.h"
#include "tools/replay/log_contact.h"

namespace aadx {
namespace replay {

struct ResolutionCounts {
  int prefix_from_log = 0;
  int prefix_derived = 0;
  int dxcc_from_log = 0;
  int dxcc_from_country_file = 0;
  int dxcc_unknown = 0;
  int continent_from_log = 0;
  int continent_from_country_file = 0;
  int continent_unknown = 0;
};

class StationResolver {
 public:
  // `cty` may be null: then entity and continent stay as the log has them.
  explicit StationResolver(const CtyFile* cty) : cty_(cty) {}

  // Fills the empty `prefix`, `dxcc` and `continent` of `contact`.
  void Complete(LogContact* contact);

  const ResolutionCounts& counts() const { return counts_; }

 private:
  const CtyFile* cty_;
  ResolutionCounts counts_;
};

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_STATION_RESOLVER_H_

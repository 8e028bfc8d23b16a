// Decides what the plug-in hears about a worked station: its prefix by the
// WPX rules, its DXCC entity and continent from the country file, so that
// one country always carries one label. On request the log's own PFX, DXCC
// (or COUNTRY) and CONT win where a record has them.
#ifndef AADX_TOOLS_CALLSIGN_STATION_RESOLVER_H_
#define AADX_TOOLS_CALLSIGN_STATION_RESOLVER_H_

#include "tools/callsign/cty_file.h"
#include "tools/logs/log_contact.h"

namespace aadx {
namespace callsign {

struct ResolutionCounts {
  int records = 0;
  int prefixFromLog = 0;
  int prefixDerived = 0;
  int dxccFromLog = 0;
  int dxccFromCountryFile = 0;
  int dxccUnknown = 0;
  int continentFromLog = 0;
  int continentFromCountryFile = 0;
  int continentUnknown = 0;
};

struct StationSources {
  bool logPrefix = false;    // the log's PFX where given
  bool logStations = false;  // the log's DXCC/COUNTRY and CONT where given
};

class StationResolver {
 public:
  // `cty` may be null: then entity and continent are the log's, if any.
  StationResolver(const CtyFile* cty, StationSources sources)
      : cty_(cty), sources_(sources) {}

  // Sets `prefix`, `dxcc` and `continent` of `contact` to what the plug-in
  // is to hear. Without the country file's answer the log's value is kept.
  void Complete(logs::LogContact* contact);

  const ResolutionCounts& counts() const { return counts_; }

 private:
  const CtyFile* cty_;
  StationSources sources_;
  ResolutionCounts counts_;
};

}  // namespace callsign
}  // namespace aadx

#endif  // AADX_TOOLS_CALLSIGN_STATION_RESOLVER_H_

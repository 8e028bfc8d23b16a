#include "tools/callsign/station_resolver.h"

#include "tools/callsign/wpx_prefix.h"

namespace aadx {
namespace callsign {

namespace {

// Chooses between the log's `value` and the country file's `found` (valid
// when `resolved`), counting where the answer came from.
void Choose(std::string* value, bool preferLog, bool resolved,
            const std::string& found, int* fromLog, int* fromFile,
            int* unknown) {
  if (!value->empty() && (preferLog || !resolved)) {
    ++*fromLog;
  } else if (resolved) {
    *value = found;
    ++*fromFile;
  } else {
    ++*unknown;
  }
}

}  // namespace

void StationResolver::Complete(logs::LogContact* contact) {
  ++counts_.records;
  if (sources_.logPrefix && !contact->prefix.empty()) {
    ++counts_.prefixFromLog;
  } else {
    contact->prefix = WpxPrefix(contact->call);
    ++counts_.prefixDerived;
  }

  CtyResolution found;
  const bool resolved = cty_ != nullptr && cty_->Resolve(contact->call, &found);
  Choose(&contact->dxcc, sources_.logStations, resolved, found.dxcc,
         &counts_.dxccFromLog, &counts_.dxccFromCountryFile,
         &counts_.dxccUnknown);
  Choose(&contact->continent, sources_.logStations, resolved, found.continent,
         &counts_.continentFromLog, &counts_.continentFromCountryFile,
         &counts_.continentUnknown);
}

}  // namespace callsign
}  // namespace aadx

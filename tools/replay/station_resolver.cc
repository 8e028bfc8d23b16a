#include "tools/replay/station_resolver.h"

#include "tools/replay/wpx_prefix.h"

namespace aadx {
namespace replay {

namespace {

// Chooses between the log's `value` and the country file's `found` (valid
// when `resolved`), counting where the answer came from.
void Choose(std::string* value, bool prefer_log, bool resolved,
            const std::string& found, int* from_log, int* from_file,
            int* unknown) {
  if (!value->empty() && (prefer_log || !resolved)) {
    ++*from_log;
  } else if (resolved) {
    *value = found;
    ++*from_file;
  } else {
    ++*unknown;
  }
}

}  // namespace

void StationResolver::Complete(LogContact* contact) {
  ++counts_.records;
  if (sources_.log_prefix && !contact->prefix.empty()) {
    ++counts_.prefix_from_log;
  } else {
    contact->prefix = WpxPrefix(contact->call);
    ++counts_.prefix_derived;
  }

  CtyResolution found;
  const bool resolved = cty_ != nullptr && cty_->Resolve(contact->call, &found);
  Choose(&contact->dxcc, sources_.log_stations, resolved, found.dxcc,
         &counts_.dxcc_from_log, &counts_.dxcc_from_country_file,
         &counts_.dxcc_unknown);
  Choose(&contact->continent, sources_.log_stations, resolved, found.continent,
         &counts_.continent_from_log, &counts_.continent_from_country_file,
         &counts_.continent_unknown);
}

}  // namespace replay
}  // namespace aadx

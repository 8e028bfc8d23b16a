#include "tools/replay/station_resolver.h"

#include "tools/replay/wpx_prefix.h"

namespace aadx {
namespace replay {

void StationResolver::Complete(LogContact* contact) {
  if (contact->prefix.empty()) {
    contact->prefix = WpxPrefix(contact->call);
    ++counts_.prefix_derived;
  } else {
    ++counts_.prefix_from_log;
  }

  CtyResolution found;
  const bool resolved = (contact->dxcc.empty() || contact->continent.empty()) &&
                        cty_ != nullptr && cty_->Resolve(contact->call, &found);

  if (!contact->dxcc.empty()) {
    ++counts_.dxcc_from_log;
  } else if (resolved) {
    contact->dxcc = found.dxcc;
    ++counts_.dxcc_from_country_file;
  } else {
    ++counts_.dxcc_unknown;
  }

  if (!contact->continent.empty()) {
    ++counts_.continent_from_log;
  } else if (resolved) {
    contact->continent = found.continent;
    ++counts_.continent_from_country_file;
  } else {
    ++counts_.continent_unknown;
  }
}

}  // namespace replay
}  // namespace aadx

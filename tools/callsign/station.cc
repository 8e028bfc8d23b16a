#include "tools/callsign/station.h"

#include <cctype>

#include "base/ascii.h"
#include "tools/callsign/cty_file.h"
#include "tools/callsign/wpx_prefix.h"

namespace aadx {
namespace callsign {

bool IsMaritimeMobile(const std::string& call) {
  // Only the last part: in "MM/W6PNG" the MM is Scotland's prefix.
  size_t slash = call.rfind('/');
  if (slash == std::string::npos) return false;
  std::string part;
  for (size_t i = slash + 1; i < call.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(call[i]);
    if (!std::isspace(c)) part += AsciiUpper(call[i]);
  }
  return part == "MM";
}

Station CtyStationLocator::Locate(const std::string& call) const {
  Station station;
  station.prefix = WpxPrefix(call);
  station.maritime = IsMaritimeMobile(call);
  CtyResolution found;
  // An exact-call entry could name an entity for a maritime call; the
  // station is still at sea.
  if (station.maritime || !cty_.Resolve(call, &found)) return station;
  station.located = true;
  station.dxcc = found.dxcc;
  station.dxccName = found.dxccName;
  station.continent = found.continent;
  return station;
}

}  // namespace callsign
}  // namespace aadx

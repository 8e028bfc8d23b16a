// Where a station is for the sponsor's rules: its DXCC entity (European-only
// WAE entries folded into their DXCC entity), its continent and its WPX
// prefix. A maritime mobile station is in no entity and on no continent.
#ifndef AADX_TOOLS_CALLSIGN_STATION_H_
#define AADX_TOOLS_CALLSIGN_STATION_H_

#include <string>

namespace aadx {
namespace callsign {

class CtyFile;

struct Station {
  bool located = false;   // entity and continent known
  bool maritime = false;  // "/MM": no entity, no continent
  std::string dxcc;       // the entity's primary prefix, e.g. "I"
  std::string dxccName;   // e.g. "Italy"
  std::string continent;  // e.g. "EU"
  std::string prefix;     // WPX prefix, e.g. "IT9"
};

// Finds where a callsign is; tests and other sources of entities replace it.
class StationLocator {
 public:
  virtual ~StationLocator() = default;
  virtual Station Locate(const std::string& call) const = 0;
};

// A locator backed by a country file. The file must outlive the locator.
class CtyStationLocator : public StationLocator {
 public:
  explicit CtyStationLocator(const CtyFile& cty) : cty_(cty) {}
  Station Locate(const std::string& call) const override;

 private:
  const CtyFile& cty_;
};

// True when the call's last '/' part is "MM" (any case, blanks ignored):
// "W1AW/MM" is at sea, "MM/W6PNG" is in Scotland.
bool IsMaritimeMobile(const std::string& call);

}  // namespace callsign
}  // namespace aadx

#endif  // AADX_TOOLS_CALLSIGN_STATION_H_

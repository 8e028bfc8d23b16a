// Amateur bands by frequency, named as the host logger names them ("20m").
#ifndef AADX_TOOLS_LOGS_BAND_PLAN_H_
#define AADX_TOOLS_LOGS_BAND_PLAN_H_

#include <cstdint>
#include <string>

namespace aadx {
namespace logs {

// The band that holds `khz`, or "" outside every band.
std::string BandOfKhz(uint32_t khz);

// The lower edge of `band` in kHz (the Cabrillo convention for a contact
// logged by band only), or 0 for an unknown band.
uint32_t BandEdgeKhz(const std::string& band);

// A band name as a log writes it ("20M", " 20m") in the host's spelling
// ("20m"): lower case, no blanks.
std::string NormalizeBand(const std::string& band);

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_BAND_PLAN_H_

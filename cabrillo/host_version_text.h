// The text form of the host logger's file version for the CREATED-BY line.
#ifndef AADX_CABRILLO_HOST_VERSION_TEXT_H_
#define AADX_CABRILLO_HOST_VERSION_TEXT_H_

#include <cstdint>
#include <string>

namespace aadx {

// From the two 32-bit words of a fixed file version (most and least
// significant): "major.minor" for major version 2 ("2.20"), otherwise
// "major.minor.third" ("3.1.5"). The fourth part is never shown.
std::string HostVersionText(uint32_t versionMs, uint32_t versionLs);

}  // namespace aadx

#endif  // AADX_CABRILLO_HOST_VERSION_TEXT_H_

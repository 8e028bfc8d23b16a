// The host logger's version for the Cabrillo CREATED-BY line, as text.
// Desktop::HostVersionText finds the host executable and reads its version
// resource; this is how its two numbers become the text.
#ifndef AADX_CABRILLO_HOST_VERSION_H_
#define AADX_CABRILLO_HOST_VERSION_H_

#include <cstdint>
#include <string>

namespace aadx {

// The version text from the two 32-bit words of a fixed file version (most
// and least significant): "major.minor" for major version 2 ("2.20"),
// otherwise "major.minor.third" ("3.1.5"). The fourth part is never shown.
inline std::string HostVersionText(uint32_t versionMs, uint32_t versionLs) {
  std::string text = std::to_string(versionMs >> 16) + "." +
                     std::to_string(versionMs & 0xffff);
  if ((versionMs >> 16) != 2) text += "." + std::to_string(versionLs >> 16);
  return text;
}

}  // namespace aadx

#endif  // AADX_CABRILLO_HOST_VERSION_H_

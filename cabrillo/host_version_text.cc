#include "cabrillo/host_version_text.h"

namespace aadx {

std::string HostVersionText(uint32_t versionMs, uint32_t versionLs) {
  std::string text = std::to_string(versionMs >> 16) + "." +
                     std::to_string(versionMs & 0xffff);
  if ((versionMs >> 16) != 2) text += "." + std::to_string(versionLs >> 16);
  return text;
}

}  // namespace aadx

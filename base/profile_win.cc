// Windows profile: GetPrivateProfileStringA / WritePrivateProfileStringA.
#include <windows.h>

#include <vector>

#include "base/profile.h"

namespace aadx {
namespace {

class WindowsProfile : public Profile {
 public:
  std::string Read(const std::string& file, const std::string& section,
                   const std::string& key, const std::string& def) override {
    // The API truncates silently when the buffer is too small, returning
    // size - 1: grow until the value fits so long texts survive.
    std::vector<char> buffer(128);
    for (;;) {
      DWORD n = GetPrivateProfileStringA(
          section.c_str(), key.c_str(), def.c_str(), buffer.data(),
          static_cast<DWORD>(buffer.size()), file.c_str());
      if (n + 1 < buffer.size() || buffer.size() >= (1u << 24)) {
        return std::string(buffer.data(), n);
      }
      buffer.resize(buffer.size() * 2);
    }
  }
  bool Write(const std::string& file, const std::string& section,
             const std::string& key, const std::string& value) override {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(),
                                      value.c_str(), file.c_str()) != 0;
  }
};

}  // namespace

Profile* DefaultProfile() {
  static WindowsProfile profile;
  return &profile;
}

}  // namespace aadx

// POSIX profile: our INI code, behaving like the Windows profile API.
#include "base/ini_file.h"
#include "base/profile.h"

namespace aadx {
namespace {

class IniProfile : public Profile {
 public:
  std::string Read(const std::string& file, const std::string& section,
                   const std::string& key, const std::string& def) override {
    std::string value;
    return IniReadFile(file, section, key, &value) ? value : def;
  }
  bool Write(const std::string& file, const std::string& section,
             const std::string& key, const std::string& value) override {
    return IniWriteFile(file, section, key, value);
  }
};

}  // namespace

Profile* DefaultProfile() {
  static IniProfile profile;
  return &profile;
}

}  // namespace aadx

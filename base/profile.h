// Where settings are kept: the Windows profile API on Windows, our own INI
// code elsewhere. The core reaches it only through this interface, so tests
// can replace it.
#ifndef AADX_BASE_PROFILE_H_
#define AADX_BASE_PROFILE_H_

#include <string>

namespace aadx {

class Profile {
 public:
  virtual ~Profile() = default;

  // Returns the value of key in section of the profile file, or def when the
  // file or key is missing. Values of any length are returned whole.
  virtual std::string Read(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& def) = 0;

  // Sets key in section to value; false when the file cannot be written.
  virtual bool Write(const std::string& file, const std::string& section,
                     const std::string& key, const std::string& value) = 0;
};

// The platform's profile, owned by the library.
Profile* DefaultProfile();

}  // namespace aadx

#endif  // AADX_BASE_PROFILE_H_

// The plug-in's settings: every key lives in section "Settings" of the
// relative file "Plugins\AADX.ini", passed unchanged to the desktop's profile.
#ifndef AADX_BASE_SETTINGS_H_
#define AADX_BASE_SETTINGS_H_

#include <string>

#include "base/desktop.h"
#include "base/status.h"

namespace aadx {

extern const char kSettingsFile[];
extern const char kSettingsSection[];

// Decimal conversion as the C library's atoi does it (leading blanks, sign,
// digits), clamped to the int range; 0 when there are no digits.
int ParseDecimal(const std::string& text);

// value with each line break (CR LF, a lone CR or a lone LF) as one blank:
// a settings value is one line of the file, and a break inside it would
// start a line of its own, a new key or section.
std::string SingleLineValue(const std::string& value);

class Settings {
 public:
  explicit Settings(Desktop* desktop) : desktop_(desktop) {}

  std::string ReadText(const std::string& key, const std::string& def = "");
  int ReadInt(const std::string& key);
  // The value is written as SingleLineValue makes it. When the file could
  // not be written it holds what it held before.
  Status WriteText(const std::string& key, const std::string& value);
  Status WriteInt(const std::string& key, int value);

 private:
  Desktop* desktop_;
};

}  // namespace aadx

#endif  // AADX_BASE_SETTINGS_H_

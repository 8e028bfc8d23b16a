#include "base/settings.h"

#include <climits>
#include <cstdlib>

namespace aadx {

const char kSettingsFile[] = "Plugins\\AADX.ini";
const char kSettingsSection[] = "Settings";

int ParseDecimal(const std::string& text) {
  long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::string SingleLineValue(const std::string& value) {
  std::string line;
  line.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
      line += ' ';
    } else {
      line += c;
    }
  }
  return line;
}

std::string Settings::ReadText(const std::string& key, const std::string& def) {
  return desktop_->ReadProfile(kSettingsFile, kSettingsSection, key, def);
}

int Settings::ReadInt(const std::string& key) {
  return ParseDecimal(ReadText(key));
}

Status Settings::WriteText(const std::string& key, const std::string& value) {
  return desktop_->WriteProfile(kSettingsFile, kSettingsSection, key,
                                SingleLineValue(value));
}

Status Settings::WriteInt(const std::string& key, int value) {
  return WriteText(key, std::to_string(value));
}

}  // namespace aadx

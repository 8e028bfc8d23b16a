// Sets one key of the plug-in's INI settings file the way the Windows
// profile functions would: the first matching key (section and key names
// compared ignoring case and surrounding blanks) gets the new value, a new
// key goes at the end of its section, a new section at the end of the
// file, and every other line stays as it was.
#ifndef AADX_TOOLS_REPLAY_SETTINGS_FILE_H_
#define AADX_TOOLS_REPLAY_SETTINGS_FILE_H_

#include <string>

namespace aadx {
namespace replay {

// Returns the INI text `ini` with `key` in `section` set to `value`. New
// lines take the line end the text already uses, CR LF in a new text.
std::string WithSetting(const std::string& ini, const std::string& section,
                        const std::string& key, const std::string& value);

// Applies WithSetting to the file at `path` (created when missing).
bool WriteSetting(const std::string& path, const std::string& section,
                  const std::string& key, const std::string& value,
                  std::string* error);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_SETTINGS_FILE_H_

#include "tests/test_util.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#include "base/settings.h"

namespace aadx {

namespace fs = std::filesystem;

ScopedTempDir::ScopedTempDir(Contents contents)
    : previous_(fs::current_path()) {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = fs::temp_directory_path() / ("aadx-test-" + std::to_string(stamp) +
                                       "-" + std::to_string(counter++));
  fs::create_directories(contents == kEmpty ? path_ : path_ / "Plugins");
  fs::current_path(path_);
}

ScopedTempDir::~ScopedTempDir() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(path_, ignored);
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool FileExists(const fs::path& path) { return fs::exists(path); }

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

fs::path SettingsFilePath() {
  return fs::current_path() / "Plugins" / "AADX.ini";
}

std::string ReadSetting(const std::string& key, const std::string& absent) {
  return Settings(DefaultProfile()).ReadText(key, absent);
}

void WriteSetting(const std::string& key, const std::string& value) {
  Settings(DefaultProfile()).WriteText(key, value);
}

}  // namespace aadx

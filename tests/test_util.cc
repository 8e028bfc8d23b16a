#include "tests/test_util.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

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

#ifndef _WIN32
ScopedFileSizeLimit::ScopedFileSizeLimit(long long bytes) {
  previousHandler_ = signal(SIGXFSZ, SIG_IGN);
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  previousSoft_ = static_cast<long long>(limit.rlim_cur);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  EXPECT_EQ(0, setrlimit(RLIMIT_FSIZE, &limit));
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(previousSoft_);
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, previousHandler_);
}
#endif

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
  return Settings(DefaultDesktop()).ReadText(key, absent);
}

void WriteSetting(const std::string& key, const std::string& value) {
  EXPECT_TRUE(Settings(DefaultDesktop()).WriteText(key, value).ok()) << key;
}

}  // namespace aadx

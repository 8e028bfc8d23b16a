// Helpers shared by the unit tests.
#ifndef AADX_TESTS_TEST_UTIL_H_
#define AADX_TESTS_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/plugin_state.h"

namespace aadx {

// A fresh folder that is the current directory while the object lives (the
// plug-in writes its files relative to it), with a "Plugins" subfolder for
// the settings file unless it is to start empty.
class ScopedTempDir {
 public:
  enum Contents { kWithPluginsFolder, kEmpty };
  explicit ScopedTempDir(Contents contents = kWithPluginsFolder);
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
bool FileExists(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path,
                    const std::string& bytes);

// The settings file as the plug-in names it, resolved the way this
// platform's profile layer resolves it.
std::filesystem::path SettingsFilePath();

// A key of the plug-in's settings, read and written through this platform's
// real profile layer (the Windows profile API on Windows); absent is what a
// missing key reads as.
std::string ReadSetting(const std::string& key, const std::string& absent = "");
void WriteSetting(const std::string& key, const std::string& value);

#ifndef _WIN32
// While the object lives, no file of this process may grow past bytes, and
// a write that would passes fails (instead of raising SIGXFSZ): a full disk
// on demand.
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(long long bytes);
  ~ScopedFileSizeLimit();
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  long long previousSoft_;
  void (*previousHandler_)(int);
};
#endif

// A text and what a function of texts is to make of it.
struct TextCase {
  std::string in;
  std::string out;
};

// Checks fn(in) == out for every case, naming the input of a failing one.
template <typename Fn>
void ExpectTexts(Fn fn, const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) {
    EXPECT_EQ(c.out, fn(c.in)) << "for \"" << c.in << "\"";
  }
}

// The fields between bars, a record on one line: one EXPECT_EQ checks every
// field and shows them all when it fails.
inline std::string BarJoined(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    line += (i == 0 ? "" : "|") + fields[i];
  }
  return line;
}

// One line per item, made by line (e.g. with BarJoined).
template <typename T, typename Fn>
std::vector<std::string> LinesOf(const std::vector<T>& items, Fn line) {
  std::vector<std::string> lines;
  for (const T& item : items) lines.push_back(line(item));
  return lines;
}

// A copy of the fields the window thread shares, taken under their lock.
inline SharedFields CopyFields(SharedState* state) {
  return state->WithLock([](const SharedFields& f) { return f; });
}

}  // namespace aadx

#endif  // AADX_TESTS_TEST_UTIL_H_

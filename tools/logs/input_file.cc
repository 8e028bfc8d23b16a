#include "tools/logs/input_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace aadx {
namespace logs {

namespace fs = std::filesystem;

std::string InputFileProblem(const std::string& path, const std::string& what,
                             bool emptyOk) {
  std::error_code ec;
  fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return path + ": no such file";
  if (fs::is_directory(status)) return path + ": is a folder, not a " + what;
  if (!fs::is_regular_file(status)) return path + ": not a plain file";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return path + ": cannot be read (" + std::strerror(errno) + ")";
  }
  bool empty = std::fgetc(file) == EOF;
  std::fclose(file);
  if (empty && !emptyOk) return path + ": is empty, not a " + what;
  return "";
}

std::string BinaryDataProblem(const std::string& head) {
  for (size_t i = 0; i < head.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(head[i]);
    // Tab, line ends, form feed and the DOS end-of-file mark occur in text.
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' &&
        c != 0x1a) {
      char byte[8];
      std::snprintf(byte, sizeof byte, "0x%02X", c);
      return std::string("holds binary data (byte ") + byte + " at offset " +
             std::to_string(i) + "), not a log";
    }
  }
  return "";
}

}  // namespace logs
}  // namespace aadx

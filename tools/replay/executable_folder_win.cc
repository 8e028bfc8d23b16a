#include <windows.h>

#include <string>

#include "tools/replay/executable_folder.h"

namespace aadx {
namespace replay {

std::string ExecutableFolder() {
  char path[MAX_PATH + 1] = "";
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  std::string full(path, length);
  size_t separator = full.find_last_of("\\/");
  return separator == std::string::npos ? "" : full.substr(0, separator);
}

}  // namespace replay
}  // namespace aadx

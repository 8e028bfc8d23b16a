#include <filesystem>
#include <system_error>

#include "tools/replay/executable_folder.h"

namespace aadx {
namespace replay {

std::string ExecutableFolder() {
  std::error_code ec;
  std::filesystem::path self =
      std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "";
  return self.parent_path().string();
}

}  // namespace replay
}  // namespace aadx

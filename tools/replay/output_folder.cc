#include "tools/replay/output_folder.h"

#include <filesystem>
#include <system_error>

namespace aadx {
namespace replay {

namespace fs = std::filesystem;

std::string FreshFolder(const std::string& parent, const std::string& stem) {
  fs::path base = fs::path(parent) / stem;
  std::error_code ec;
  if (!fs::exists(base, ec)) return base.string();
  for (int n = 2;; ++n) {
    fs::path candidate = fs::path(parent) / (stem + "-" + std::to_string(n));
    if (!fs::exists(candidate, ec)) return candidate.string();
  }
}

bool PrepareOutputFolder(const std::string& dir, std::string* absolute,
                         std::string* error) {
  std::error_code ec;
  fs::create_directories(fs::path(dir) / "Plugins", ec);
  if (ec || !fs::is_directory(fs::path(dir) / "Plugins", ec)) {
    *error = dir + ": cannot create the output folder";
    return false;
  }
  *absolute = fs::absolute(dir, ec).lexically_normal().string();
  if (ec) {
    *error = dir + ": " + ec.message();
    return false;
  }
  if (absolute->size() > 1 &&
      (absolute->back() == '/' || absolute->back() == '\\')) {
    absolute->pop_back();
  }
  return true;
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& dir) {
  std::error_code ec;
  previous_ = fs::current_path(ec).string();
  if (ec) {
    error_ = "cannot tell the current directory: " + ec.message();
    return;
  }
  fs::current_path(dir, ec);
  if (ec) {
    error_ = dir + ": cannot change into it: " + ec.message();
    return;
  }
  ok_ = true;
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
  if (!ok_) return;
  std::error_code ec;
  fs::current_path(previous_, ec);
}

}  // namespace replay
}  // namespace aadx

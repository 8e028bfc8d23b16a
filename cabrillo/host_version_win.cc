// The host logger's version on Windows: the first "*.exe" in the current
// folder whose name holds "Talq", and the fixed file version of its version
// resource. An executable without a readable version resource gives no
// version, like a folder without one: the CREATED-BY line then names the
// logger without a number.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "cabrillo/host_version.h"

namespace aadx {
namespace {

// The name of the first matching entry, in the order the search returns
// them; empty when none matches.
std::string FindHostExecutable() {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA("*.exe", &entry);
  if (search == INVALID_HANDLE_VALUE) return "";
  std::string found;
  do {
    if (std::strstr(entry.cFileName, "Talq") != nullptr) {
      found = entry.cFileName;
      break;
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return found;
}

std::string ReadFixedVersion(const std::string& fileName) {
  // A bare name would be looked up along the library search path (the
  // host's own folder and the system folders first); the search above
  // looked in the current folder.
  std::string path = ".\\" + fileName;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return "";
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return "";
  void* value = nullptr;
  UINT length = 0;
  char root[] = "\\";
  if (!VerQueryValueA(block.data(), root, &value, &length) ||
      value == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
    return "";
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  if (info->dwSignature != 0xFEEF04BD) return "";
  return HostVersionText(info->dwFileVersionMS, info->dwFileVersionLS);
}

class WindowsHostVersion : public HostVersion {
 public:
  std::string Text() override {
    std::string host = FindHostExecutable();
    return host.empty() ? "" : ReadFixedVersion(host);
  }
};

}  // namespace

HostVersion* DefaultHostVersion() {
  static WindowsHostVersion version;
  return &version;
}

}  // namespace aadx

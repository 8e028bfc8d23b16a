#include <windows.h>

#include "loader/plugin_library.h"

namespace aadx {

const char* PluginLibrary::DefaultFileName() { return "Stats.dll"; }

bool PluginLibrary::Open(const std::string& path, std::string* error) {
  handle_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
  if (handle_ == nullptr) {
    *error =
        path + ": LoadLibraryA failed, error " + std::to_string(GetLastError());
  }
  return handle_ != nullptr;
}

void PluginLibrary::Unload() {
  if (handle_ != nullptr) FreeLibrary(reinterpret_cast<HMODULE>(handle_));
  handle_ = nullptr;
  exports_ = PluginExports();
}

void* PluginLibrary::Symbol(const char* name) {
  return reinterpret_cast<void*>(
      GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
}

}  // namespace aadx

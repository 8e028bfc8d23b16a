#include <dlfcn.h>

#include "loader/plugin_library.h"

namespace aadx {

const char* PluginLibrary::DefaultFileName() { return "libStats.so"; }

bool PluginLibrary::Open(const std::string& path, std::string* error) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = dlerror();
    *error = why ? why : path + ": cannot load";
  }
  return handle_ != nullptr;
}

void PluginLibrary::Unload() {
  if (handle_ != nullptr) dlclose(handle_);
  handle_ = nullptr;
  exports_ = PluginExports();
}

void* PluginLibrary::Symbol(const char* name) { return dlsym(handle_, name); }

}  // namespace aadx

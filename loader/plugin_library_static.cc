// The loader where the plug-in is linked into the program itself (the
// WebAssembly build, which cannot load libraries at run time): the exports
// are found by their plain names among the statically linked functions, so
// callers go through the same table as with a loaded library. The path is
// only a name here; "loading" cannot fail.
#include <cstring>

#include "loader/plugin_library.h"
#include "plugin/linked_exports.h"

namespace aadx {

namespace {

struct LinkedExport {
  const char* name;
  void* address;
};

// Any non-null handle: the program itself.
int linkedProgram = 0;

}  // namespace

const char* PluginLibrary::DefaultFileName() { return "libStats.so"; }

bool PluginLibrary::Open(const std::string&, std::string*) {
  handle_ = &linkedProgram;
  return true;
}

void PluginLibrary::Unload() {
  handle_ = nullptr;
  exports_ = PluginExports();
}

void* PluginLibrary::Symbol(const char* name) {
  static const LinkedExport kExports[] = {
      {"AddData0", reinterpret_cast<void*>(&AddData0)},
      {"RemoveData0", reinterpret_cast<void*>(&RemoveData0)},
      {"CheckCall0", reinterpret_cast<void*>(&CheckCall0)},
      {"ResetStats0", reinterpret_cast<void*>(&ResetStats0)},
      {"GetResult0", reinterpret_cast<void*>(&GetResult0)},
      {"GetSetName", reinterpret_cast<void*>(&GetSetName)},
      {"GetNumberOfSets", reinterpret_cast<void*>(&GetNumberOfSets)},
      {"SetupSet0", reinterpret_cast<void*>(&SetupSet0)},
      {"GetExchgCount0", reinterpret_cast<void*>(&GetExchgCount0)},
      {"IsValidExchg0", reinterpret_cast<void*>(&IsValidExchg0)},
  };
  for (const LinkedExport& e : kExports) {
    if (handle_ != nullptr && std::strcmp(e.name, name) == 0) return e.address;
  }
  return nullptr;
}

}  // namespace aadx

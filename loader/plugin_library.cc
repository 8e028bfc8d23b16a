#include "loader/plugin_library.h"

#include <type_traits>

namespace aadx {

PluginLibrary::~PluginLibrary() { Unload(); }

bool PluginLibrary::Load(const std::string& path, std::string* error) {
  Unload();
  if (!Open(path, error)) return false;
  bool ok = true;
  auto find = [&](auto* slot, const char* name) {
    void* symbol = Symbol(name);
    if (symbol == nullptr) {
      if (ok) *error = path + ": missing export " + name;
      ok = false;
    }
    *slot = reinterpret_cast<std::remove_pointer_t<decltype(slot)>>(symbol);
  };
  find(&exports_.AddData0, "AddData0");
  find(&exports_.RemoveData0, "RemoveData0");
  find(&exports_.CheckCall0, "CheckCall0");
  find(&exports_.ResetStats0, "ResetStats0");
  find(&exports_.GetResult0, "GetResult0");
  find(&exports_.GetSetName, "GetSetName");
  find(&exports_.GetNumberOfSets, "GetNumberOfSets");
  find(&exports_.SetupSet0, "SetupSet0");
  find(&exports_.GetExchgCount0, "GetExchgCount0");
  find(&exports_.IsValidExchg0, "IsValidExchg0");
  if (!ok) Unload();
  return ok;
}

}  // namespace aadx

// Loads the plug-in library the way the host does (by path, exports by
// their plain names) for test hosts and the replay tool.
#ifndef AADX_LOADER_PLUGIN_LIBRARY_H_
#define AADX_LOADER_PLUGIN_LIBRARY_H_

#include <string>

#include "plugin/stats_exports.h"

namespace aadx {

struct PluginExports {
  AddData0Fn AddData0 = nullptr;
  RemoveData0Fn RemoveData0 = nullptr;
  CheckCall0Fn CheckCall0 = nullptr;
  ResetStats0Fn ResetStats0 = nullptr;
  GetResult0Fn GetResult0 = nullptr;
  GetSetNameFn GetSetName = nullptr;
  GetNumberOfSetsFn GetNumberOfSets = nullptr;
  SetupSet0Fn SetupSet0 = nullptr;
  GetExchgCount0Fn GetExchgCount0 = nullptr;
  IsValidExchg0Fn IsValidExchg0 = nullptr;
};

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary();  // unloads the library
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Loads the library at path and finds all ten exports; false with *error
  // set when the library or any export is missing.
  bool Load(const std::string& path, std::string* error);
  void Unload();
  bool loaded() const { return handle_ != nullptr; }
  const PluginExports& exports() const { return exports_; }

  // The file name of the plug-in library on this platform.
  static const char* DefaultFileName();

 private:
  bool Open(const std::string& path, std::string* error);
  void* Symbol(const char* name);

  void* handle_ = nullptr;
  PluginExports exports_;
};

}  // namespace aadx

#endif  // AADX_LOADER_PLUGIN_LIBRARY_H_

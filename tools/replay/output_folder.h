// The folder a replay runs in: the plug-in writes "err.txt", its settings
// file "Plugins\AADX.ini" and the Cabrillo log into its current directory,
// as it does in the host logger's folder.
#ifndef AADX_TOOLS_REPLAY_OUTPUT_FOLDER_H_
#define AADX_TOOLS_REPLAY_OUTPUT_FOLDER_H_

#include <string>

namespace aadx {
namespace replay {

// A folder under `parent` named after `stem` that does not exist yet:
// parent/stem, else parent/stem-2, parent/stem-3, ...
std::string FreshFolder(const std::string& parent, const std::string& stem);

// Creates `dir` and its "Plugins" subfolder when missing. Sets `absolute`
// to the folder's absolute path.
bool PrepareOutputFolder(const std::string& dir, std::string* absolute,
                         std::string* error);

// Makes `dir` the current directory for the lifetime of the object and
// goes back to the previous one at the end.
class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::string& dir);
  ~ScopedCurrentDirectory();
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

  bool ok() const { return ok_; }
  const std::string& error() const { return error_; }

 private:
  std::string previous_;
  bool ok_ = false;
  std::string error_;
};

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_OUTPUT_FOLDER_H_

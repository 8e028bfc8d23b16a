// The folder of the running program, where the plug-in library and an
// optional cty.dat are looked for by default.
#ifndef AADX_TOOLS_REPLAY_EXECUTABLE_FOLDER_H_
#define AADX_TOOLS_REPLAY_EXECUTABLE_FOLDER_H_

#include <string>

namespace aadx {
namespace replay {

// The folder's path without a trailing separator, or "" when unknown.
std::string ExecutableFolder();

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_EXECUTABLE_FOLDER_H_

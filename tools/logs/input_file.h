// Plain answers for an input file that cannot be used, before anything is
// read from it.
#ifndef AADX_TOOLS_LOGS_INPUT_FILE_H_
#define AADX_TOOLS_LOGS_INPUT_FILE_H_

#include <string>

namespace aadx {
namespace logs {

// Why the file at `path` cannot serve as `what` ("log", "country file",
// "settings file"): missing, a folder, not a plain file, unreadable, or
// (unless `emptyOk`) empty. Empty when it can be read.
std::string InputFileProblem(const std::string& path, const std::string& what,
                             bool emptyOk);

// Why `head`, the first bytes of a file, is no text: the first byte that no
// text log holds, by offset. Empty for text.
std::string BinaryDataProblem(const std::string& head);

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_INPUT_FILE_H_

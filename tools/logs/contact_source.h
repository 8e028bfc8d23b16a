// Reads a contest log file in either format the tool accepts.
#ifndef AADX_TOOLS_LOGS_CONTACT_SOURCE_H_
#define AADX_TOOLS_LOGS_CONTACT_SOURCE_H_

#include <string>

#include "tools/logs/log_contact.h"

namespace aadx {
namespace logs {

enum class LogFormat { kUnknown, kAdif, kCabrillo };

// Tells the format by the first bytes of the file ("START-OF-LOG:" for
// Cabrillo, "<EOR>" or "<EOH>" for ADIF), else by the file name's extension.
LogFormat DetectLogFormat(const std::string& path, const std::string& head);

// Reads and parses the log at `path`, streaming it. Returns false with
// `error` set when the file is missing, a folder, unreadable, empty, binary
// or in neither format; malformed records are not errors but problems
// listed in `log`. `progress` (may be empty) hears the bytes read.
bool ReadLogFile(const std::string& path, ParsedLog* log, std::string* error,
                 const ByteProgressFn& progress = nullptr);

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_CONTACT_SOURCE_H_

// Files written whole or not at all. The text goes to a new file beside the
// target, which then takes the target's place in one step. When anything
// fails (a full disk, a read-only folder, a folder of that name) the target
// keeps what it held before and the new file is removed, so a settings file
// or a Cabrillo log is never left cut short. The bytes are not forced to the
// disk (the settings file is written after many contacts, and a sync costs
// milliseconds each time): what this guards against is a write that fails,
// not a power cut.
#ifndef AADX_BASE_WHOLE_FILE_H_
#define AADX_BASE_WHOLE_FILE_H_

#include <string>

#include "base/status.h"

namespace aadx {

// Replaces the file at path (a name for the C library; relative names
// resolve against the current folder) with content, byte for byte. OK when
// written; kNotCreated when the new file could not be made or could not take
// the target's place; kNotWritten when its bytes could not all be written
// out, as on a full disk. The message names path and says what failed.
Status WriteFileWhole(const std::string& path, const std::string& content);

}  // namespace aadx

#endif  // AADX_BASE_WHOLE_FILE_H_

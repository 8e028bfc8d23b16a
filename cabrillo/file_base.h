// The base name of the Cabrillo file, made from the callsign the host
// passes to the reset.
#ifndef AADX_CABRILLO_FILE_BASE_H_
#define AADX_CABRILLO_FILE_BASE_H_

#include <string>

namespace aadx {

// ownCall with "/" and backslash as "_", white space trimmed from both
// ends, and every character Windows refuses in a file name (: * ? " < > |
// and control characters) as "_"; "QZRX" when nothing is left. A name that
// Windows would take for a device (CON, PRN, AUX, NUL, COM1-COM9,
// LPT1-LPT9, in any case, also before a dot) gets "_" behind the device
// name, so the file always lands in the current folder.
std::string CabrilloFileBase(const std::string& ownCall);

}  // namespace aadx

#endif  // AADX_CABRILLO_FILE_BASE_H_

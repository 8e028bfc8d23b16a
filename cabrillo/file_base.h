// The base name of the Cabrillo file, made from the callsign the host
// passes to the reset.
#ifndef AADX_CABRILLO_FILE_BASE_H_
#define AADX_CABRILLO_FILE_BASE_H_

#include <cstddef>
#include <string>

namespace aadx {

// The longest base name: with ".cbr" 68 characters, which leaves a folder
// path of more than 190 characters below the 260 Windows allows for a
// path. A callsign is a dozen characters; anything longer is cut here.
constexpr size_t kFileBaseMaxLength = 64;

// ownCall with "/" and backslash as "_", white space trimmed from both
// ends, cut to kFileBaseMaxLength characters, and every character Windows
// refuses in a file name (: * ? " < > | and control characters) as "_"; "QZRX"
// when nothing is left. A name that Windows would take for a device (CON, PRN,
// AUX, NUL, CONIN$, CONOUT$, COM1-COM9 and LPT1-LPT9, also with the superscript
// digits 0xB9, 0xB2 and 0xB3, in any case, also before a dot) gets "_" behind
// the device name, so the file always lands in the current folder.
std::string CabrilloFileBase(const std::string& ownCall);

}  // namespace aadx

#endif  // AADX_CABRILLO_FILE_BASE_H_

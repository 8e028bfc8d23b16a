#include "cabrillo/file_base.h"

#include <cstring>

#include "base/ascii.h"

namespace aadx {
namespace {

bool IsBlank(char c) { return c != '\0' && std::strchr(" \t\n\v\f\r", c); }

bool RefusedInFileName(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7f || std::strchr(":*?\"<>|/\\", c) != nullptr;
}

// The port digit of COMn and LPTn: 1-9, and the superscripts one, two and
// three of the ANSI code page (0xB9, 0xB2, 0xB3), which Windows takes for
// the same ports.
bool IsPortDigit(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (c >= '1' && c <= '9') || u == 0xB9 || u == 0xB2 || u == 0xB3;
}

// Windows resolves these names to devices whatever follows the first dot
// and however they are spelt.
bool IsDeviceName(const std::string& stem) {
  std::string upper = AsciiUpperText(stem);
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL" ||
      upper == "CONIN$" || upper == "CONOUT$") {
    return true;
  }
  return upper.size() == 4 &&
         (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
         IsPortDigit(upper[3]);
}

}  // namespace

std::string CabrilloFileBase(const std::string& ownCall) {
  // Separators first, then the trim, as the name has always been made; the
  // other refused characters only after the trim, so blank control
  // characters at the ends are dropped rather than replaced.
  std::string base = ownCall;
  for (char& c : base) {
    if (c == '/' || c == '\\') c = '_';
  }
  size_t first = 0;
  while (first < base.size() && IsBlank(base[first])) ++first;
  size_t last = base.size();
  while (last > first && IsBlank(base[last - 1])) --last;
  base = base.substr(first, last - first);
  if (base.empty()) return "QZRX";
  if (base.size() > kFileBaseMaxLength) base.resize(kFileBaseMaxLength);

  for (char& c : base) {
    if (RefusedInFileName(c)) c = '_';
  }
  size_t dot = base.find('.');
  size_t stemEnd = dot == std::string::npos ? base.size() : dot;
  // Windows also ignores blanks before the dot ("CON .x" is the console).
  size_t stemLast = stemEnd;
  while (stemLast > 0 && base[stemLast - 1] == ' ') --stemLast;
  if (IsDeviceName(base.substr(0, stemLast))) base.insert(stemLast, "_");
  return base;
}

}  // namespace aadx

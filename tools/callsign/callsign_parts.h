// Splits a logged callsign into the home call and what a portable operation
// adds to it ("PA/N8BJQ", "N8BJQ/KH9", "K1TEO/8", "JA1ABC/P"). Both the WPX
// prefix rules and the country-file lookup start from this split.
#ifndef AADX_TOOLS_CALLSIGN_CALLSIGN_PARTS_H_
#define AADX_TOOLS_CALLSIGN_CALLSIGN_PARTS_H_

#include <string>

namespace aadx {
namespace callsign {

struct CallsignParts {
  std::string call;        // the whole call, upper case, blanks removed
  std::string base;        // the home call, e.g. "N8BJQ"
  std::string designator;  // a portable prefix such as "KH9" or "PA"
  char areaDigit = 0;      // a call-area suffix, e.g. '8' in "K1TEO/8"
  bool maritime = false;   // /MM or /AM: the station is in no DXCC entity
};

// Upper-cases `call` and splits it at '/'. Operating suffixes that say
// nothing about location (/P /M /MM /AM /A /E /J /QRP /QRPP) are dropped.
CallsignParts SplitCallsign(const std::string& call);

// Where the prefix of `text` ends: the first character always belongs to
// the prefix, then it runs up to and including the first group of digits
// after it ("HG19ABC" -> 4, "4X4AAA" -> 3). Returns 0 when no digit follows
// the first character.
size_t PrefixDigitsEnd(const std::string& text, size_t* digitsBegin);

}  // namespace callsign
}  // namespace aadx

#endif  // AADX_TOOLS_CALLSIGN_CALLSIGN_PARTS_H_

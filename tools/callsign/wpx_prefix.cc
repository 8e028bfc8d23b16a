#include "tools/callsign/wpx_prefix.h"

#include "tools/callsign/callsign_parts.h"

namespace aadx {
namespace callsign {

namespace {

// The letters and digits that start `text`; a text without a digit after
// its first character gets "0" after its first two characters.
std::string LeadingPrefix(const std::string& text) {
  size_t digitsBegin = 0;
  size_t end = PrefixDigitsEnd(text, &digitsBegin);
  if (end == 0) return text.substr(0, 2) + "0";
  return text.substr(0, end);
}

}  // namespace

std::string WpxPrefix(const std::string& call) {
  CallsignParts parts = SplitCallsign(call);
  if (!parts.designator.empty()) return LeadingPrefix(parts.designator);
  if (parts.base.empty()) return "";

  std::string prefix = LeadingPrefix(parts.base);
  if (parts.areaDigit != 0) {
    // The call-area digit takes the place of the home call's digits.
    size_t digitsBegin = 0;
    size_t end = PrefixDigitsEnd(prefix, &digitsBegin);
    if (end == 0) {
      prefix.back() = parts.areaDigit;
    } else {
      prefix = prefix.substr(0, digitsBegin) + parts.areaDigit;
    }
  }
  return prefix;
}

}  // namespace callsign
}  // namespace aadx

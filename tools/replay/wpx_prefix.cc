#include "tools/replay/wpx_prefix.h"

#include "tools/replay/callsign_parts.h"

namespace aadx {
namespace replay {

namespace {

// The letters and digits that start `text`; a text without a digit after
// its first character gets "0" after its first two characters.
std::string LeadingPrefix(const std::string& text) {
  size_t digits_begin = 0;
  size_t end = PrefixDigitsEnd(text, &digits_begin);
  if (end == 0) return text.substr(0, 2) + "0";
  return text.substr(0, end);
}

}  // namespace

std::string WpxPrefix(const std::string& call) {
  CallsignParts parts = SplitCallsign(call);
  if (!parts.designator.empty()) return LeadingPrefix(parts.designator);
  if (parts.base.empty()) return "";

  std::string prefix = LeadingPrefix(parts.base);
  if (parts.area_digit != 0) {
    // The call-area digit takes the place of the home call's digits.
    size_t digits_begin = 0;
    size_t end = PrefixDigitsEnd(prefix, &digits_begin);
    if (end == 0) {
      prefix.back() = parts.area_digit;
    } else {
      prefix = prefix.substr(0, digits_begin) + parts.area_digit;
    }
  }
  return prefix;
}

}  // namespace replay
}  // namespace aadx

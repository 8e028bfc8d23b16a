#include "base/ascii.h"

namespace aadx {

std::string AsciiUpperText(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = AsciiUpper(c);
  return upper;
}

bool StartsWithIgnoringAsciiCase(const std::string& text,
                                 const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
  }
  return true;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && StartsWithIgnoringAsciiCase(a, b);
}

}  // namespace aadx

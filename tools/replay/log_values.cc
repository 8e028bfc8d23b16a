#include "tools/replay/log_values.h"

#include <cctype>

namespace aadx {
namespace replay {

std::string TrimBlanks(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  return text.substr(begin, end - begin);
}

std::string ToUpper(const std::string& text) {
  std::string result = text;
  for (char& c : result)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

std::string NormalizeMode(const std::string& mode) {
  std::string m = ToUpper(TrimBlanks(mode));
  if (m == "SSB" || m == "USB" || m == "LSB" || m == "PH") return "SSB";
  return m;
}

std::string ContestModeOf(const std::string& contest) {
  std::string c = ToUpper(contest);
  if (c.find("CW") != std::string::npos) return "CW";
  if (c.find("SSB") != std::string::npos || c.find("PH") != std::string::npos)
    return "SSB";
  return "";
}

bool ParseMegahertz(const std::string& text, uint32_t* hz) {
  std::string t = TrimBlanks(text);
  uint64_t mhz = 0;
  uint64_t fraction = 0;
  size_t i = 0;
  size_t int_digits = 0;
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
    mhz = mhz * 10 + static_cast<uint64_t>(t[i] - '0');
    if (++int_digits > 5) return false;
    ++i;
  }
  size_t fraction_digits = 0;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
      if (fraction_digits < 6) {
        fraction = fraction * 10 + static_cast<uint64_t>(t[i] - '0');
        ++fraction_digits;
      }
      ++i;
    }
  }
  if (i != t.size() || (int_digits == 0 && fraction_digits == 0)) return false;
  for (size_t d = fraction_digits; d < 6; ++d) fraction *= 10;
  uint64_t value = mhz * 1000000 + fraction;
  if (value > UINT32_MAX) return false;
  *hz = static_cast<uint32_t>(value);
  return true;
}

}  // namespace replay
}  // namespace aadx

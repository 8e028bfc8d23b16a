#include "tools/logs/log_values.h"

#include <cctype>
#include <cstdio>

#include "base/ascii.h"

namespace aadx {
namespace logs {

std::string TrimBlanks(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  return text.substr(begin, end - begin);
}

std::string NormalizeMode(const std::string& mode, const std::string& submode) {
  std::string m = AsciiUpperText(TrimBlanks(mode));
  if (m.empty()) {
    std::string sub = AsciiUpperText(TrimBlanks(submode));
    if (sub == "USB" || sub == "LSB") return "SSB";
  }
  if (m == "SSB" || m == "USB" || m == "LSB" || m == "PH" || m == "PHONE")
    return "SSB";
  if (m == "CWR" || m == "CW-R") return "CW";
  return m;
}

bool LooksLikeReport(const std::string& token) {
  if (token.size() < 2 || token.size() > 3) return false;
  if (token[0] < '1' || token[0] > '5') return false;
  for (size_t i = 1; i < token.size(); ++i) {
    char c = AsciiUpper(token[i]);
    if (c != 'N' && (c < '1' || c > '9')) return false;
  }
  return true;
}

void SplitReportFromExchange(std::string* rst, std::string* exchange) {
  std::string text = TrimBlanks(*exchange);
  size_t blank = text.find_first_of(" \t");
  if (blank == std::string::npos) return;
  std::string report = text.substr(0, blank);
  std::string rest = TrimBlanks(text.substr(blank));
  if (!LooksLikeReport(report) || rest.empty() ||
      rest.find_first_of(" \t") != std::string::npos)
    return;
  if (rst->empty()) *rst = report;
  *exchange = rest;
}

std::string Excerpt(const std::string& bytes, size_t max) {
  std::string text = "\"";
  for (size_t i = 0; i < bytes.size() && i < max; ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      text += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      text += escaped;
    }
  }
  text += bytes.size() > max ? "\"..." : "\"";
  return text;
}

std::string ContestModeOf(const std::string& contest) {
  std::string c = AsciiUpperText(contest);
  if (c.find("CW") != std::string::npos) return "CW";
  if (c.find("SSB") != std::string::npos || c.find("PH") != std::string::npos)
    return "SSB";
  return "";
}

std::string ModeOfMostContacts(int cw, int ssb) {
  if (cw == 0 && ssb == 0) return "";
  return cw >= ssb ? "CW" : "SSB";
}

bool IsAllAsianContest(const std::string& contest) {
  std::string c;
  for (char ch : AsciiUpperText(contest)) {
    if (std::isalnum(static_cast<unsigned char>(ch))) c += ch;
  }
  if (c.find("AADX") != std::string::npos ||
      c.find("ALLASIAN") != std::string::npos)
    return true;
  for (const char* mode : {"CW", "SSB", "PH", "PHONE"}) {
    if (c == std::string("AA") + mode) return true;
  }
  return false;
}

namespace {

// A decimal number in a unit of 10^unitDigits Hz, at most maxWholeDigits
// before the point, read into Hz exactly; digits past the hertz dropped.
bool ParseDecimalHz(const std::string& text, size_t unitDigits,
                    size_t maxWholeDigits, uint32_t* hz) {
  std::string t = TrimBlanks(text);
  uint64_t whole = 0;
  uint64_t fraction = 0;
  size_t i = 0;
  size_t intDigits = 0;
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
    whole = whole * 10 + static_cast<uint64_t>(t[i] - '0');
    if (++intDigits > maxWholeDigits) return false;
    ++i;
  }
  size_t fractionDigits = 0;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
      if (fractionDigits < unitDigits) {
        fraction = fraction * 10 + static_cast<uint64_t>(t[i] - '0');
        ++fractionDigits;
      }
      ++i;
    }
  }
  if (i != t.size() || (intDigits == 0 && fractionDigits == 0)) return false;
  uint64_t unit = 1;
  for (size_t d = 0; d < unitDigits; ++d) unit *= 10;
  for (size_t d = fractionDigits; d < unitDigits; ++d) fraction *= 10;
  uint64_t value = whole * unit + fraction;
  if (value > UINT32_MAX) return false;
  *hz = static_cast<uint32_t>(value);
  return true;
}

}  // namespace

bool ParseMegahertz(const std::string& text, uint32_t* hz) {
  return ParseDecimalHz(text, 6, 5, hz);
}

bool ParseKilohertz(const std::string& text, uint32_t* hz) {
  return ParseDecimalHz(text, 3, 7, hz);
}

}  // namespace logs
}  // namespace aadx

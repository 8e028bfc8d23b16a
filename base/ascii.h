// ASCII case for names the plug-in compares loosely (bands, INI names,
// combo choices, device names). Only A-Z and a-z change case: every other
// byte, of whatever code page, stays as it is, whatever the C library's
// locale.
#ifndef AADX_BASE_ASCII_H_
#define AADX_BASE_ASCII_H_

#include <string>

namespace aadx {

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiUpperText(const std::string& text);
bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b);
bool StartsWithIgnoringAsciiCase(const std::string& text,
                                 const std::string& prefix);

}  // namespace aadx

#endif  // AADX_BASE_ASCII_H_

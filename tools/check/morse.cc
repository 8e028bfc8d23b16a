#include "tools/check/morse.h"

namespace aadx {
namespace check {

const char* MorseOf(char c) {
  static const char* const kLetters[26] = {
      ".-",   "-...", "-.-.", "-..",  ".",   "..-.", "--.",  "....", "..",
      ".---", "-.-",  ".-..", "--",   "-.",  "---",  ".--.", "--.-", ".-.",
      "...",  "-",    "..-",  "...-", ".--", "-..-", "-.--", "--.."};
  static const char* const kDigits[10] = {"-----", ".----", "..---", "...--",
                                          "....-", ".....", "-....", "--...",
                                          "---..", "----."};
  if (c >= 'A' && c <= 'Z') return kLetters[c - 'A'];
  if (c >= '0' && c <= '9') return kDigits[c - '0'];
  if (c == '/') return "-..-.";
  return "?";
}

char CharOfMorse(const std::string& morse) {
  for (char c = 'A'; c <= 'Z'; ++c) {
    if (morse == MorseOf(c)) return c;
  }
  for (char c = '0'; c <= '9'; ++c) {
    if (morse == MorseOf(c)) return c;
  }
  return 0;
}

}  // namespace check
}  // namespace aadx

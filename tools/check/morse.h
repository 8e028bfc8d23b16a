// Calls as Morse code, the form in which a CW operator miscopies them: the
// matcher compares calls by their elements, the contest simulator makes its
// busted calls from them.
#ifndef AADX_TOOLS_CHECK_MORSE_H_
#define AADX_TOOLS_CHECK_MORSE_H_

#include <string>

namespace aadx {
namespace check {

// The elements of one character: ".-" for 'A'; "-..-." for '/'; "?" for a
// character Morse has no code for here (lower case included).
const char* MorseOf(char c);

// The letter or digit whose elements are morse; 0 when none is.
char CharOfMorse(const std::string& morse);

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_MORSE_H_

#include "tools/callsign/wpx_prefix.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace callsign {
namespace {

// A portable designator with a digit is the prefix; one without a digit, or
// a call without one, gets a zero; a call area suffix replaces the digit;
// operating suffixes are ignored; a plain prefix runs to the end of the first
// digit group; case and blanks do not matter.
TEST(WpxPrefixTest, PrefixesOfPlainAndPortableCalls) {
  const std::vector<TextCase> cases = {
      {"N8BJQ/KH9", "KH9"}, {"K1ABC/VE3", "VE3"},
      {"PA/N8BJQ", "PA0"},  {"OE1ABC/DL", "DL0"},
      {"XEFTJW", "XE0"},    {"K1TEO/8", "K8"},
      {"HG19ABC/5", "HG5"}, {"JA1ABC/P", "JA1"},
      {"W1XYZ/M", "W1"},    {"DL2ABC/MM", "DL2"},
      {"G4ABC/QRP", "G4"},  {"N8BJQ/KH9/P", "KH9"},
      {"HG19ABC", "HG19"},  {"LY1000X", "LY1000"},
      {"4X4AAA", "4X4"},    {"3DA0BP", "3DA0"},
      {"2E0ABC", "2E0"},    {"WD8ABC", "WD8"},
      {" ja1abc ", "JA1"},  {"", ""},
      {"/P", ""},
  };
  ExpectTexts(WpxPrefix, cases);
}

}  // namespace
}  // namespace callsign
}  // namespace aadx

#include "tools/logs/log_values.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace logs {
namespace {

TEST(LogValuesTest, ModesTakeTheHostSpellingAndContestNamesTellTheMode) {
  const std::vector<TextCase> modes = {
      {"cw", "CW"},  {"SSB", "SSB"}, {"usb", "SSB"},   {"LSB", "SSB"},
      {"PH", "SSB"}, {" fm ", "FM"}, {"RTTY", "RTTY"}, {"", ""},
  };
  ExpectTexts([](const std::string& m) { return NormalizeMode(m); }, modes);
  const std::vector<TextCase> contests = {
      {"AADX-CW", "CW"},
      {"aadx-ssb", "SSB"},
      {"AA-PH", "SSB"},
      {"AADX", ""},
  };
  ExpectTexts(ContestModeOf, contests);
}

TEST(LogValuesTest, TheAllAsianDxIsKnownByItsNames) {
  const std::vector<TextCase> names = {
      {"AADX-CW", "yes"},       {"ALL-ASIAN-DX-PHONE", "yes"},
      {"all asian dx", "yes"},  {"AA-PH", "yes"},
      {"CQ-WW-CW", "no"},       {"AA-RTTY", "no"},
      {"JARL-AA-DX-CW", "yes"}, {"", "no"},
  };
  ExpectTexts(
      [](const std::string& name) {
        return IsAllAsianContest(name) ? "yes" : "no";
      },
      names);
}

TEST(LogValuesTest, MegahertzAreReadExactlyAndMalformedOnesRefused) {
  const struct {
    const char* text;
    uint32_t hz;
  } good[] = {
      {"14.025", 14025000u},       {"1.8305", 1830500u}, {"7", 7000000u},
      {" 21.0259999 ", 21025999u}, {".5", 500000u},
  };
  for (const auto& c : good) {
    uint32_t hz = 0;
    ASSERT_TRUE(ParseMegahertz(c.text, &hz)) << c.text;
    EXPECT_EQ(c.hz, hz) << c.text;
  }
  uint32_t hz = 7;
  for (const char* bad : {"", ".", "14,025", "14.025MHz", "-14.0", "5000"}) {
    EXPECT_FALSE(ParseMegahertz(bad, &hz)) << "\"" << bad << "\"";
  }
  EXPECT_EQ(7u, hz);
}

TEST(LogValuesTest, KilohertzAreReadExactly) {
  uint32_t hz = 0;
  ASSERT_TRUE(ParseKilohertz("14035.86", &hz));
  EXPECT_EQ(14035860u, hz);
  ASSERT_TRUE(ParseKilohertz("7012", &hz));
  EXPECT_EQ(7012000u, hz);
  for (const char* bad : {"14,035", "12345678", "4294968"}) {
    EXPECT_FALSE(ParseKilohertz(bad, &hz)) << bad;
  }
}

}  // namespace
}  // namespace logs
}  // namespace aadx

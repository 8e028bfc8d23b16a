// Helpers shared by the sponsor rule set's tests: the test country file,
// contacts written as one line each, and the two worked example logs.
#ifndef AADX_TOOLS_SPONSOR_SPONSOR_TEST_UTIL_H_
#define AADX_TOOLS_SPONSOR_SPONSOR_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/replay/cty_file.h"
#include "tools/sponsor/sponsor_rules.h"

namespace aadx {
namespace sponsor {
namespace sponsor_test {

inline const replay::CtyFile& TestCty() {
  static const replay::CtyFile* cty = [] {
    auto* file = new replay::CtyFile;
    std::string error;
    EXPECT_TRUE(file->Load(
        std::string(AADX_SPONSOR_TESTDATA_DIR) + "/sponsor_cty.dat", &error))
        << error;
    return file;
  }();
  return *cty;
}

inline Station Locate(const std::string& call) {
  return CtyStationLocator(TestCty()).Locate(call);
}

// "2021-06-19 0100"
inline int64_t At(const std::string& when) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0;
  EXPECT_EQ(5,
            std::sscanf(when.c_str(), "%d-%d-%d %2d%2d", &y, &mo, &d, &h, &mi))
      << when;
  return UtcSeconds(y, mo, d, h, mi);
}

// A contact as the replay tool would hand it over: the plug-in got the
// WPX prefix.
inline Contact Qso(const std::string& call, const std::string& band,
                   const std::string& when = "2021-06-19 1200",
                   const std::string& age = "30",
                   const std::string& mode = "CW") {
  Contact c;
  c.time = At(when);
  c.call = call;
  c.band = band;
  c.mode = mode;
  c.exch_rcvd = age;
  c.exch_sent = "45";
  c.station = Locate(call);
  c.plugin_prefix = c.station.prefix;
  return c;
}

inline Entrant EntrantOf(const std::string& call) {
  return Entrant{call, Locate(call)};
}

inline Rules Cw2021() {
  return Rules{ContestMode::kCw, ContestPeriod(2021, ContestMode::kCw)};
}

inline SponsorScore Score(const std::string& own,
                          const std::vector<Contact>& contacts,
                          const Rules& rules = Cw2021()) {
  return ScoreBySponsorRules(rules, EntrantOf(own), contacts);
}

// The first worked example (entrant JA1XYZ), in the order of its table;
// the contact after the period comes before the incomplete one in the log
// but after it in time.
inline std::vector<Contact> AsianExample() {
  return {
      Qso("DL1AA", "80m", "2021-06-19 0100"),
      Qso("DL1AA", "40m", "2021-06-19 0200"),
      Qso("DL1AA", "40m", "2021-06-19 0300"),
      Qso("JA2ABC", "40m", "2021-06-19 0400"),
      Qso("BY1AA", "40m", "2021-06-19 0500"),
      Qso("IT9ABC", "40m", "2021-06-19 0600"),
      Qso("I1ABC", "40m", "2021-06-19 0700"),
      Qso("UA9AA", "160m", "2021-06-19 1200"),
      Qso("W1AW/MM", "20m", "2021-06-20 0100"),
      Qso("K1ABC", "20m", "2021-06-21 0005"),
      Qso("HL1AB", "10m", "2021-06-20 2330", "7"),
  };
}

// The second worked example (entrant DL5XYZ).
inline std::vector<Contact> NonAsianExample() {
  return {
      Qso("JA1ABC", "80m", "2021-06-19 0100"),
      Qso("JA1ABC/7", "40m", "2021-06-19 0200"),
      Qso("JA7XYZ", "40m", "2021-06-19 0300"),
      Qso("DL1AA", "40m", "2021-06-19 0400"),
      Qso("4X1AB", "40m", "2021-06-19 0500"),
      Qso("UA9AA", "160m", "2021-06-19 1200"),
      Qso("9M6AA", "20m", "2021-06-20 0100"),
      Qso("HL1AB", "10m", "2021-06-20 0200"),
  };
}

}  // namespace sponsor_test
}  // namespace sponsor
}  // namespace aadx

#endif  // AADX_TOOLS_SPONSOR_SPONSOR_TEST_UTIL_H_

// Helpers shared by the sponsor rule set's tests: the test country file,
// contacts written as one line each, the two worked examples, and the texts
// they give, from the library and through aadx-replay alike.
#ifndef AADX_TOOLS_SPONSOR_SPONSOR_TEST_UTIL_H_
#define AADX_TOOLS_SPONSOR_SPONSOR_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/callsign/cty_file.h"
#include "tools/logs/contact_source.h"
#include "tools/sponsor/sponsor_rules.h"

namespace aadx {
namespace sponsor {
namespace sponsor_test {

inline const callsign::CtyFile& TestCty() {
  static const callsign::CtyFile* cty = [] {
    auto* file = new callsign::CtyFile;
    std::string error;
    EXPECT_TRUE(file->Load(
        std::string(AADX_TOOLS_TESTDATA_DIR) + "/sponsor_cty.dat", &error))
        << error;
    return file;
  }();
  return *cty;
}

inline Station Locate(const std::string& call) {
  return callsign::CtyStationLocator(TestCty()).Locate(call);
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
  c.exchRcvd = age;
  c.exchSent = "45";
  c.station = Locate(call);
  c.pluginPrefix = c.station.prefix;
  return c;
}

// The contacts of a test log, as the replay tool hands them over.
inline std::vector<Contact> LogContacts(const std::string& name) {
  logs::ParsedLog log;
  std::string error;
  EXPECT_TRUE(logs::ReadLogFile(
      std::string(AADX_TOOLS_TESTDATA_DIR) + "/" + name, &log, &error))
      << error;
  std::vector<Contact> contacts;
  for (const logs::LogContact& c : log.contacts) {
    const logs::QsoTime& t = c.time;
    Contact contact = Qso(c.call, c.band);
    contact.time = UtcSeconds(t.year, t.month, t.day, t.hour, t.minute);
    contact.exchRcvd = c.exchRcvd;
    contacts.push_back(contact);
  }
  return contacts;
}

// The rules of `year` for `mode`, entered in the category `code`.
inline Rules RulesOf(int year, const char* code = nullptr,
                     ContestMode mode = ContestMode::kCw) {
  const CategoryRule* category =
      code ? FindCategory(RulesForYear(year), code) : nullptr;
  EXPECT_TRUE(code == nullptr || category != nullptr) << code;
  return Rules{mode, ContestPeriod(year, mode), {category, "--category"}};
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

// The sponsor's tables and the reconciliations of the two worked examples,
// and the check report of the first.
constexpr char kAsianTable[] =
    "Score by the sponsor's rules (JARL), not the plug-in's\n"
    "  AADX-CW 2021-06-19 0000 to 2021-06-21 0000 UTC\n"
    "  Rules of 2024, the earliest known (the contest is of 2021)\n"
    "     Contestant: JA1XYZ\n"
    "     Category: none given (all bands, no time limit)\n"
    "Band\tQSOs\tPoints\tMults\n"
    "160m\t 1\t 3\t 1\n80m\t 1\t 6\t 1\n40m\t 5\t 10\t 3\n"
    "20m\t 1\t 0\t 0\n10m\t 0\t 0\t 0\n"
    "Total\t 8\t 19\t 5\n"
    "Sponsor's score = 19 * 5 = 95\n";
constexpr char kNonAsianTable[] =
    "Score by the sponsor's rules (JARL), not the plug-in's\n"
    "  AADX-CW 2021-06-19 0000 to 2021-06-21 0000 UTC\n"
    "  Rules of 2024, the earliest known (the contest is of 2021)\n"
    "     Contestant: DL5XYZ\n"
    "     Category: none given (all bands, no time limit)\n"
    "Band\tQSOs\tPoints\tMults\n"
    "160m\t 1\t 3\t 1\n80m\t 1\t 2\t 1\n40m\t 4\t 3\t 2\n"
    "20m\t 1\t 0\t 0\n10m\t 1\t 2\t 1\n"
    "Total\t 8\t 10\t 5\n"
    "Sponsor's score = 10 * 5 = 50\n";
// Against the plug-in's 28 * 9 = 252 and 10 * 7 = 70: it scores the own
// entity, the maritime mobile station, the contact after the period and
// the one-digit age, and counts non-Asian prefixes.
constexpr char kAsianReconciliation[] =
    "Plug-in's score and the sponsor's\n"
    "  plug-in's score           252\n"
    "  sponsor's score            95\n"
    "  plug-in - sponsor         157 (+165.3 %)\n"
    "Contacts by reason\n"
    "  outside-period              1  outside the contest period\n"
    "  incomplete-exchange         1  received age missing or not two "
    "digits\n"
    "  dupe                        1  same call on the same band counted "
    "before\n"
    "  maritime-mobile             1  maritime mobile: 0 points, no "
    "multiplier\n"
    "  own-entity                  1  own DXCC entity: 0 points, no "
    "multiplier\n";
constexpr char kNonAsianReconciliation[] =
    "Plug-in's score and the sponsor's\n"
    "  plug-in's score            70\n"
    "  sponsor's score            50\n"
    "  plug-in - sponsor          20 (+40.0 %)\n"
    "Contacts by reason\n"
    "  non-asian-station           2  station outside Asia: 0 points, no "
    "multiplier\n"
    "  non-asian-prefix            2  prefix outside Asia that the plug-in "
    "counted as a multiplier\n";
constexpr char kAsianCheckReport[] =
    "Check by the sponsor's rules (JARL): AADX-CW, JA1XYZ (JA, AS), "
    "2021-06-19 0000 to 2021-06-21 0000 UTC\n"
    "Rules of 2024, the earliest known (the contest is of 2021); category: "
    "none given (all bands, no time limit)\n"
    "Time             Band  Call          Entity  Cont  Prefix  Points  "
    "New mult  Reason\n"
    "2021-06-19 0100  80m   DL1AA         DL      EU    DL1          6  DL\n"
    "2021-06-19 0200  40m   DL1AA         DL      EU    DL1          3  DL\n"
    "2021-06-19 0300  40m   DL1AA         DL      EU    DL1          0     "
    "       dupe\n"
    "2021-06-19 0400  40m   JA2ABC        JA      AS    JA2          0     "
    "       own-entity\n"
    "2021-06-19 0500  40m   BY1AA         BY      AS    BY1          1  BY\n"
    "2021-06-19 0600  40m   IT9ABC        I       EU    IT9          3  I\n"
    "2021-06-19 0700  40m   I1ABC         I       EU    I1           3\n"
    "2021-06-19 1200  160m  UA9AA         UA9     AS    UA9          3  UA9\n"
    "2021-06-20 0100  20m   W1AW/MM       -       -     W1           0     "
    "       maritime-mobile\n"
    "2021-06-20 2330  10m   HL1AB         HL      AS    HL1          0     "
    "       incomplete-exchange\n"
    "2021-06-21 0005  20m   K1ABC         K       NA    K1           0     "
    "       outside-period\n"
    "8 QSOs, 19 points * 5 multipliers = 95\n";

}  // namespace sponsor_test
}  // namespace sponsor
}  // namespace aadx

#endif  // AADX_TOOLS_SPONSOR_SPONSOR_TEST_UTIL_H_

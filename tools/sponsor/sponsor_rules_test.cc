#include "tools/sponsor/sponsor_rules.h"

#include <gtest/gtest.h>

#include "tools/sponsor/sponsor_test_util.h"

namespace aadx {
namespace sponsor {
namespace {

using sponsor_test::Cw2021;
using sponsor_test::Qso;
using sponsor_test::Score;

struct Expected {
  const char* call;
  int points;
  const char* newMultiplier;
  const char* reasons;  // names joined by ","
};

std::string Reasons(const Verdict& v) {
  std::string text;
  for (Reason r : v.reasons)
    text += (text.empty() ? "" : ",") + std::string(ReasonName(r));
  return text;
}

void ExpectContacts(const SponsorScore& score,
                    const std::vector<Expected>& expected) {
  ASSERT_EQ(expected.size(), score.contacts.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const CheckedContact& c = score.contacts[i];
    SCOPED_TRACE(std::to_string(i) + " " + c.contact.call);
    EXPECT_EQ(expected[i].call, c.contact.call);
    EXPECT_EQ(expected[i].points, c.verdict.points);
    EXPECT_EQ(expected[i].newMultiplier, c.verdict.newMultiplier);
    EXPECT_EQ(expected[i].reasons, Reasons(c.verdict));
  }
}

void ExpectTotals(const SponsorScore& score, int qsos, int points, int mults) {
  EXPECT_EQ(qsos, score.table.total.qsos);
  EXPECT_EQ(points, score.table.total.points);
  EXPECT_EQ(mults, score.table.total.multipliers);
  EXPECT_EQ(static_cast<int64_t>(points) * mults, score.table.score);
}

// One contact's verdict in a log of its own.
Verdict Alone(const std::string& own, const Contact& c,
              const Rules& rules = Cw2021()) {
  return Score(own, {c}, rules).contacts.at(0).verdict;
}

TEST(SponsorRulesTest, AsianWorkedExample) {
  SponsorScore score = Score("JA1XYZ", sponsor_test::AsianExample());
  ExpectContacts(score, {{"DL1AA", 6, "DL", ""},
                         {"DL1AA", 3, "DL", ""},
                         {"DL1AA", 0, "", "dupe"},
                         {"JA2ABC", 0, "", "own-entity"},
                         {"BY1AA", 1, "BY", ""},
                         {"IT9ABC", 3, "I", ""},
                         {"I1ABC", 3, "", ""},
                         {"UA9AA", 3, "UA9", ""},
                         {"W1AW/MM", 0, "", "maritime-mobile"},
                         {"HL1AB", 0, "", "incomplete-exchange"},
                         {"K1ABC", 0, "", "outside-period"}});
  ExpectTotals(score, 8, 19, 5);
}

TEST(SponsorRulesTest, NonAsianWorkedExample) {
  SponsorScore score = Score("DL5XYZ", sponsor_test::NonAsianExample());
  const char* nonAsian = "non-asian-station,non-asian-prefix";
  ExpectContacts(score, {{"JA1ABC", 2, "JA1", ""},
                         {"JA1ABC/7", 1, "JA7", ""},
                         {"JA7XYZ", 1, "", ""},
                         {"DL1AA", 0, "", nonAsian},
                         {"4X1AB", 1, "4X1", ""},
                         {"UA9AA", 3, "UA9", ""},
                         {"9M6AA", 0, "", nonAsian},
                         {"HL1AB", 2, "HL1", ""}});
  ExpectTotals(score, 8, 10, 5);
  EXPECT_EQ(2, score.reasonCount(Reason::kNonAsianStation));
  EXPECT_EQ(2, score.reasonCount(Reason::kNonAsianPrefix));
}

TEST(SponsorRulesTest, ContestPeriodFromYearAndMode) {
  struct Case {
    int year;
    ContestMode mode;
    const char* start;
    const char* end;
  } cases[] = {
      {2021, ContestMode::kCw, "2021-06-19 0000", "2021-06-21 0000"},
      {2021, ContestMode::kPhone, "2021-09-04 0000", "2021-09-06 0000"},
      {2022, ContestMode::kCw, "2022-06-18 0000", "2022-06-20 0000"},
      {2024, ContestMode::kCw, "2024-06-15 0000", "2024-06-17 0000"},
      {2024, ContestMode::kPhone, "2024-09-07 0000", "2024-09-09 0000"},
      {2025, ContestMode::kCw, "2025-06-21 0000", "2025-06-23 0000"},
      {2025, ContestMode::kPhone, "2025-09-06 0000", "2025-09-08 0000"},
  };
  for (const Case& c : cases) {
    Period p = ContestPeriod(c.year, c.mode);
    EXPECT_EQ(c.start, FormatUtc(p.start)) << c.year;
    EXPECT_EQ(c.end, FormatUtc(p.end)) << c.year;
  }
  EXPECT_EQ("1970-01-01 0000", FormatUtc(0));
  EXPECT_EQ("2021-06-19 000507", FormatUtc(UtcSeconds(2021, 6, 19, 0, 5, 7)));
}

// Period, band, mode and exchange, one contact at a time.
TEST(SponsorRulesTest, WhichContactsCount) {
  const char* cw = "2021-06-19 1200";
  const char* ssb = "2021-09-04 1200";
  struct Case {
    const char* band;
    const char* when;
    const char* age;
    const char* mode;
    const char* reason;  // "" or "plugin-refused" when the contact counts
  } cases[] = {
      {"20m", "2021-06-18 2359", "30", "CW", "outside-period"},
      {"20m", "2021-06-19 0000", "30", "CW", ""},
      {"20m", "2021-06-20 2359", "30", "CW", ""},
      {"20m", "2021-06-21 0000", "30", "CW", "outside-period"},
      {"160m", cw, "30", "CW", ""},
      {"80m", cw, "30", "CW", ""},
      {"40m", cw, "30", "CW", ""},
      {"15m", cw, "30", "CW", ""},
      {"10m", cw, "30", "CW", ""},
      {" 20M", cw, "30", "CW", ""},
      {"30m", cw, "30", "CW", "wrong-band"},
      {"17m", cw, "30", "CW", "wrong-band"},
      {"12m", cw, "30", "CW", "wrong-band"},
      {"6m", cw, "30", "CW", "wrong-band"},
      {"", cw, "30", "CW", "wrong-band"},
      {"20m", cw, "30", "cw", "plugin-refused"},
      {"20m", cw, "30", "SSB", "wrong-mode"},
      {"20m", cw, "30", "RTTY", "wrong-mode"},
      {"20m", ssb, "30", "SSB", ""},
      {"20m", ssb, "30", "PH", "plugin-refused"},
      {"20m", ssb, "30", "usb", "plugin-refused"},
      {"20m", ssb, "30", "CW", "wrong-mode"},
      {"20m", cw, "00", "CW", ""},
      {"20m", cw, "01", "CW", ""},
      {"20m", cw, "99", "CW", ""},
      {"20m", cw, " 45 ", "CW", ""},
      {"20m", cw, "", "CW", "incomplete-exchange"},
      {"20m", cw, "7", "CW", "incomplete-exchange"},
      {"20m", cw, "123", "CW", "incomplete-exchange"},
      {"20m", cw, "4A", "CW", "incomplete-exchange"},
      {"20m", cw, "5 9", "CW", "incomplete-exchange"},
  };
  const Rules phone{ContestMode::kPhone,
                    ContestPeriod(2021, ContestMode::kPhone)};
  for (const Case& c : cases) {
    const Rules& rules = c.when == ssb ? phone : Cw2021();
    Verdict v =
        Alone("JA1XYZ", Qso("DL1AA", c.band, c.when, c.age, c.mode), rules);
    EXPECT_EQ(c.reason, Reasons(v))
        << c.band << " " << c.when << " " << c.age << " " << c.mode;
    const std::string reason = c.reason;
    EXPECT_EQ(reason.empty() || reason == "plugin-refused", v.counts) << c.band;
  }
  // An overridden period replaces the contest's.
  Rules rules{ContestMode::kCw,
              {sponsor_test::At("2021-06-18 1200"),
               sponsor_test::At("2021-06-19 0000")}};
  EXPECT_TRUE(
      Alone("JA1XYZ", Qso("DL1AA", "20m", "2021-06-18 2359"), rules).counts);
  EXPECT_FALSE(
      Alone("JA1XYZ", Qso("DL1AA", "20m", "2021-06-19 0000"), rules).counts);
}

TEST(SponsorRulesTest, DupesByCallAndBandAmongCountingContactsInTimeOrder) {
  // Given out of time order: the earlier contact counts, whatever the log
  // order; the same call in lower case is the same station.
  SponsorScore score =
      Score("JA1XYZ", {Qso("dl1aa", "20m", "2021-06-19 1300"),
                       Qso("DL1AA", "20m", "2021-06-19 1200"),
                       Qso("DL1AA", "40m", "2021-06-19 1400")});
  ExpectContacts(score, {{"DL1AA", 3, "DL", ""},
                         {"dl1aa", 0, "", "dupe"},
                         {"DL1AA", 3, "DL", ""}});
  // Contacts that do not count make no later contact a dupe.
  score = Score("JA1XYZ", {Qso("DL1AA", "20m", "2021-06-18 2300"),
                           Qso("DL1AA", "20m", "2021-06-19 0100", "7"),
                           Qso("DL1AA", "20m", "2021-06-19 0200", "30", "SSB"),
                           Qso("DL1AA", "20m", "2021-06-19 0300")});
  ExpectContacts(score, {{"DL1AA", 0, "", "outside-period"},
                         {"DL1AA", 0, "", "incomplete-exchange"},
                         {"DL1AA", 0, "", "wrong-mode"},
                         {"DL1AA", 3, "DL", ""}});
}

TEST(SponsorRulesTest, WaeEntitiesFoldButKeepTheirContinent) {
  // Sicily is Italy; European Turkey is the Turkey multiplier in Europe.
  SponsorScore score = Score(
      "JA1XYZ", {Qso("IT9ABC", "40m"), Qso("I1ABC", "40m"), Qso("TA2AA", "20m"),
                 Qso("TA1AA", "20m"), Qso("TA1AB", "15m")});
  ExpectContacts(score, {{"IT9ABC", 3, "I", ""},
                         {"I1ABC", 3, "", ""},
                         {"TA2AA", 1, "TA", ""},
                         {"TA1AA", 3, "", ""},
                         {"TA1AB", 3, "TA", ""}});
}

TEST(SponsorRulesTest, PortableCallsFollowWhereTheyOperate) {
  SponsorScore score =
      Score("JA1XYZ", {Qso("UA1ABC/9", "40m"), Qso("UA9ABC/3", "40m")});
  ExpectContacts(score,
                 {{"UA1ABC/9", 1, "UA9", ""}, {"UA9ABC/3", 3, "UA", ""}});
}

TEST(SponsorRulesTest, MaritimeMobileAndUnknownStationsScoreNothing) {
  for (const char* own : {"JA1XYZ", "DL5XYZ"}) {
    SponsorScore score =
        Score(own, {Qso("JA2ABC/MM", "20m"), Qso("ZZ9ZZ", "20m")});
    ExpectContacts(score, {{"JA2ABC/MM", 0, "", "maritime-mobile"},
                           {"ZZ9ZZ", 0, "", "unknown-station"}});
    ExpectTotals(score, 2, 0, 0);
  }
}

TEST(SponsorRulesTest, AsianEntrantPointsByBandAndContinent) {
  struct Case {
    const char* band;
    int asia;   // another Asian entity
    int other;  // outside Asia
  } cases[] = {{"160m", 3, 9}, {"80m", 2, 6}, {"40m", 1, 3},
               {"20m", 1, 3},  {"15m", 1, 3}, {"10m", 2, 6}};
  for (const Case& c : cases) {
    SponsorScore score = Score(
        "JA1XYZ",
        {Qso("BY1AA", c.band), Qso("K1ABC", c.band), Qso("JA2ABC", c.band)});
    SCOPED_TRACE(c.band);
    ExpectContacts(score, {{"BY1AA", c.asia, "BY", ""},
                           {"K1ABC", c.other, "K", ""},
                           {"JA2ABC", 0, "", "own-entity"}});
    ExpectTotals(score, 3, c.asia + c.other, 2);
  }
}

TEST(SponsorRulesTest, NonAsianEntrantPointsByBandAndPrefixMultipliers) {
  struct Case {
    const char* band;
    int points;
  } cases[] = {{"160m", 3}, {"80m", 2}, {"40m", 1},
               {"20m", 1},  {"15m", 1}, {"10m", 2}};
  for (const Case& c : cases) {
    SponsorScore score =
        Score("DL5XYZ", {Qso("JA1ABC", c.band), Qso("BY/DL1AA", c.band),
                         Qso("JA1XYZ", c.band)});
    SCOPED_TRACE(c.band);
    ExpectContacts(score, {{"JA1ABC", c.points, "JA1", ""},
                           {"BY/DL1AA", c.points, "BY0", ""},
                           {"JA1XYZ", c.points, "", ""}});
  }
  // The same prefix on two bands counts twice.
  ExpectTotals(Score("DL5XYZ", {Qso("JA1ABC", "40m"), Qso("JA1ABC", "20m")}), 2,
               2, 2);
}

TEST(SponsorRulesTest, NonAsianPrefixReasonFollowsThePluginsMultipliers) {
  // The plug-in counts W1 on 20 m once; a dupe it skips; its own entity
  // does not matter to a non-Asian entrant.
  SponsorScore score =
      Score("DL5XYZ", {Qso("W1AW", "20m"), Qso("W1XYZ", "20m"),
                       Qso("DL1AA", "20m"), Qso("DL1AA", "20m")});
  ExpectContacts(score, {{"W1AW", 0, "", "non-asian-station,non-asian-prefix"},
                         {"W1XYZ", 0, "", "non-asian-station"},
                         {"DL1AA", 0, "", "non-asian-station,non-asian-prefix"},
                         {"DL1AA", 0, "", "dupe"}});
  ExpectTotals(score, 3, 0, 0);
}

TEST(SponsorRulesTest, ContactsThePluginRefusesMayCount) {
  // No sent age, or a phone mode the plug-in does not know.
  Contact unsent = Qso("DL1AA", "20m");
  Contact neither = Qso("DL1AB", "20m", "2021-06-19 1200", "");
  unsent.exchSent = neither.exchSent = "";
  SponsorScore score = Score("JA1XYZ", {unsent, neither});
  ExpectContacts(score, {{"DL1AA", 3, "DL", "plugin-refused"},
                         {"DL1AB", 0, "", "incomplete-exchange"}});
  ExpectTotals(score, 1, 3, 1);
  const Rules phone{ContestMode::kPhone,
                    ContestPeriod(2021, ContestMode::kPhone)};
  score = Score("JA1XYZ",
                {Qso("DL1AA", "20m", "2021-09-04 1200", "30", "FM"),
                 Qso("DL1AB", "20m", "2021-09-04 1200", "30", "SSB")},
                phone);
  ExpectContacts(score,
                 {{"DL1AA", 3, "DL", "plugin-refused"}, {"DL1AB", 3, "", ""}});
}

// The test log's operating time: 50-minute steps, one of 55 minutes that
// counts, rests of 3 and 5 hours that do not; its contacts at 23 h 30 min of
// operating time and before count, those at 24 h 25 min and after do not.
TEST(SponsorRulesTest, TwentyFourHourEntryScoresItsFirst24Hours) {
  const std::vector<Contact> log =
      sponsor_test::LogContacts("twenty_four_hours.log");
  SponsorScore score =
      Score("JA1XYZ", log, sponsor_test::RulesOf(2025, "SOABLP24"));
  const OperatingTime& t = score.operating;
  EXPECT_EQ(1523, t.minutes);
  EXPECT_EQ(2, t.rests);
  EXPECT_EQ(478, t.restMinutes);
  EXPECT_EQ("2025-06-22 0758", FormatUtc(t.limitEnd));
  ASSERT_EQ(34u, score.contacts.size());
  for (const CheckedContact& c : score.contacts) {
    const bool after = c.contact.time > sponsor_test::At("2025-06-22 0800");
    EXPECT_EQ(after ? "after-24-hours" : "", Reasons(c.verdict))
        << FormatUtc(c.contact.time);
  }
  EXPECT_EQ(3, score.reasonCount(Reason::kAfter24Hours));
  // Without the category, or with one without a time limit, all count.
  for (const Rules& rules :
       {sponsor_test::RulesOf(2025), sponsor_test::RulesOf(2025, "SOABLP")}) {
    score = Score("JA1XYZ", log, rules);
    EXPECT_FALSE(score.operating.limited);
    EXPECT_EQ(34, score.table.total.qsos);
  }
}

TEST(SponsorRulesTest, SingleBandEntryScoresOnlyItsBand) {
  const struct {
    int year;
    const char* code;
    const char* own;
  } kCases[] = {{2025, "SO20HP", "JA1XYZ"}, {2024, "SO20", "DL5XYZ"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    const char* when = c.year == 2025 ? "2025-06-21 1200" : "2024-06-15 1200";
    SponsorScore score =
        Score(c.own,
              {Qso("BY1AA", "20m", when), Qso("BY1AA", "40m", when),
               Qso("BY1AB", "30m", when)},
              sponsor_test::RulesOf(c.year, c.code));
    ExpectContacts(score, {{"BY1AA", 1, c.year == 2025 ? "BY" : "BY1", ""},
                           {"BY1AA", 0, "", "other-band"},
                           {"BY1AB", 0, "", "wrong-band"}});
    ExpectTotals(score, 1, 1, 1);
  }
}

TEST(SponsorRulesTest, TableListsTheWorkedContestBandsInOrder) {
  SponsorScore score =
      Score("JA1XYZ", {Qso("DL1AA", "10m"), Qso("DL1AA", "30m"),
                       Qso("BY1AA", "160m", "2021-06-22 0000")});
  ASSERT_EQ(2u, score.table.bands.size());
  EXPECT_EQ("160m", score.table.bands[0].band);
  EXPECT_EQ(0, score.table.bands[0].qsos);
  EXPECT_EQ("10m", score.table.bands[1].band);
  EXPECT_EQ(6, score.table.bands[1].points);
}

}  // namespace
}  // namespace sponsor
}  // namespace aadx

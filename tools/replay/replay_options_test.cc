#include "tools/replay/replay_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace replay {
namespace {

OptionsOutcome Parse(std::vector<std::string> args, ReplayOptions* o,
                     std::string* error) {
  return ParseReplayOptions(args, o, error);
}

TEST(ReplayOptionsTest, EveryOptionInBothSpellings) {
  ReplayOptions o;
  std::string error;
  ASSERT_EQ(OptionsOutcome::kRun, Parse({"--library",
                                         "lib.so",
                                         "--cty=c.dat",
                                         "--call",
                                         "ja1zzz",
                                         "--continent=as",
                                         "--start",
                                         "2021-06-19",
                                         "--end=2021-06-20 23:59",
                                         "--contest",
                                         "cw",
                                         "--cabrillo",
                                         "--settings",
                                         "s.ini",
                                         "--out",
                                         "o",
                                         "--quiet",
                                         "a.adi",
                                         "b.log",
                                         "--header",
                                         "category-power = LOW",
                                         "--header=SOAPBOX=a=b",
                                         "--log-dxcc",
                                         "--log-pfx",
                                         "--json=s.json",
                                         "--category",
                                         " soablp24 "},
                                        &o, &error))
      << error;
  EXPECT_EQ("lib.so", o.library);
  EXPECT_EQ("c.dat", o.ctyFile);
  EXPECT_EQ("JA1ZZZ", o.ownCall);
  EXPECT_EQ("AS", o.ownContinent);
  ASSERT_TRUE(o.start.has_value());
  EXPECT_EQ(19, o.start->day);
  EXPECT_EQ(0, o.start->hour);
  ASSERT_TRUE(o.end.has_value());
  EXPECT_EQ(23, o.end->hour);
  EXPECT_EQ(59, o.end->minute);
  EXPECT_TRUE(o.endHasTime);
  EXPECT_EQ("s.json", o.jsonFile);
  EXPECT_EQ("SOABLP24", o.category);
  EXPECT_EQ("CW", o.contestMode);
  EXPECT_TRUE(o.cabrillo);
  EXPECT_TRUE(o.quiet);
  EXPECT_EQ("s.ini", o.settingsFile);
  EXPECT_EQ("o", o.outDir);
  EXPECT_EQ((std::vector<std::string>{"a.adi", "b.log"}), o.logs);
  EXPECT_EQ((TagValues{{"CATEGORY-POWER", "LOW"}, {"SOAPBOX", "a=b"}}),
            o.header);
  EXPECT_TRUE(o.logStations);
  EXPECT_TRUE(o.logPrefix);
}

TEST(ReplayOptionsTest, HelpAndVersionNeedNoLog) {
  ReplayOptions o;
  std::string error;
  EXPECT_EQ(OptionsOutcome::kVersion, Parse({"--version"}, &o, &error));
  EXPECT_EQ(OptionsOutcome::kHelp, Parse({"x.adi", "-h"}, &o, &error));
  // What the tool does for an operator comes first, with an example.
  EXPECT_EQ(0u, ReplayUsage().find("Usage: aadx-replay [options] LOG...\n\n"
                                   "Scores your contest log"));
  EXPECT_NE(std::string::npos, ReplayUsage().find("Example:\n  aadx-replay "));
}

TEST(ReplayOptionsTest, ChecksTakeTheBandAndModeAfterThem) {
  ReplayOptions o;
  std::string error;
  ASSERT_EQ(OptionsOutcome::kRun,
            Parse({"x.adi", "--check", "ua9abc", "--band", "20M", "--check",
                   "K1ABC", "--mode", "ph", "--band", "40m"},
                  &o, &error))
      << error;
  EXPECT_EQ(LinesOf(o.checks,
                    [](const CallCheckRequest& c) {
                      return BarJoined({c.call, c.band, c.mode});
                    }),
            (std::vector<std::string>{"UA9ABC|20m|", "K1ABC|40m|SSB"}));
}

TEST(ReplayOptionsTest, MistakesAreNamed) {
  ReplayOptions o;
  std::string error;
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } const cases[] = {
      {{}, "no log file"},
      {{"x.adi", "--frobnicate"}, "unknown option --frobnicate"},
      {{"x.adi", "--call"}, "--call needs a value"},
      {{"x.adi", "--cabrillo=yes"}, "takes no value"},
      {{"x.adi", "--header", "CATEGORY-POWER"}, "expected TAG=VALUE"},
      {{"x.adi", "--header", "=LOW"}, "expected TAG=VALUE"},
      {{"x.adi", "--start", "19.06.2021"}, "--start \"19.06.2021\""},
      {{"x.adi", "--end", "2021-06-20 25:00"}, "--end"},
      {{"x.adi", "--contest", "RTTY"}, "expected CW or SSB"},
      {{"x.adi", "--band", "20m"}, "belongs to a --check"},
      {{"x.adi", "--check", "K1ABC"}, "needs --band"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OptionsOutcome::kError, Parse(c.args, &o, &error));
    EXPECT_NE(std::string::npos, error.find(c.message)) << error;
  }
}

TEST(ReplayOptionsTest, HelpWinsOverEverythingElse) {
  ReplayOptions o;
  std::string error;
  EXPECT_EQ(OptionsOutcome::kHelp, Parse({"--bogus=1", "--help"}, &o, &error));
  EXPECT_NE(std::string::npos, ReplayUsage().find("--check CALL --band"));
}

TEST(ReplayOptionsTest, DateTimeOptionForms) {
  logs::QsoTime t;
  ASSERT_TRUE(ParseDateTimeOption("2021-06-19T12:30", &t));
  EXPECT_EQ(12, t.hour);
  EXPECT_EQ(30, t.minute);
  ASSERT_TRUE(ParseDateTimeOption("2021-06-19 1230", &t));
  EXPECT_FALSE(ParseDateTimeOption("2021-06-19x12:30", &t));
  EXPECT_FALSE(ParseDateTimeOption("2021-06-19 ", &t));
  EXPECT_FALSE(ParseDateTimeOption("20210619", &t));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

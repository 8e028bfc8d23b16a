#include "tools/check/matcher.h"

#include <gtest/gtest.h>

#include "tests/test_util.h"
#include "tools/check/check_test_util.h"
#include "tools/check/contest_logs.h"

namespace aadx {
namespace check {
namespace {

struct LogFile {
  std::string name;
  std::string text;
};

struct MatchCase {
  const char* what;
  std::vector<LogFile> logs;
  // Every QSO line of every checked log, by file name:
  // "file|line|check|right call|sent exchange".
  std::vector<std::string> verdicts;
};

std::vector<std::string> CheckFolder(const std::vector<LogFile>& files,
                                     ContestLogs* contest) {
  ScopedTempDir dir(ScopedTempDir::kEmpty);
  for (const LogFile& f : files) WriteFileBytes(dir.path() / f.name, f.text);
  std::string error;
  EXPECT_TRUE(ReadContestFolder(dir.path().string(), contest, &error)) << error;
  CrossCheck(contest);
  std::vector<std::string> lines;
  for (const EntryLog& log : contest->logs) {
    if (log.status != LogStatus::kChecked) continue;
    for (const Qso& q : log.qsos)
      lines.push_back(
          BarJoined({log.file, std::to_string(q.line), CheckName(q.check),
                     q.correctCall, q.sentExchange}));
  }
  return lines;
}

TEST(MatcherTest, GivesEachQsoLineOneVerdict) {
  const std::vector<MatchCase> cases = {
      {"both logs have the QSO, the exchanges as sent, 3 minutes apart",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAA", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0103", "DL1AAA", "50",
                                                 "JA1AAA", "45")})}},
       {"a.log|4|ok||", "b.log|4|ok||"}},
      {"the age received is not the one sent",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAA", "55")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0100", "DL1AAA", "50",
                                                 "JA1AAA", "45")})}},
       {"a.log|4|busted-exchange||50", "b.log|4|ok||"}},
      {"12 minutes apart, another band, another day: not in log",
       {{"a.log",
         CabrilloLog(
             "JA1AAA",
             {QsoLine("0100", "JA1AAA", "45", "DL1AAA", "50"),
              QsoLine("0200", "JA1AAA", "45", "DL1AAA", "50", "7010"),
              QsoLine("d2 0300", "JA1AAA", "45", "DL1AAA", "50", "21010")})},
        {"b.log",
         CabrilloLog(
             "DL1AAA",
             {QsoLine("0112", "DL1AAA", "50", "JA1AAA", "45"),
              QsoLine("0200", "DL1AAA", "50", "JA1AAA", "45", "3510"),
              QsoLine("0300", "DL1AAA", "50", "JA1AAA", "45", "21010")})}},
       {"a.log|4|not-in-log||", "a.log|5|not-in-log||", "a.log|6|not-in-log||",
        "b.log|4|not-in-log||", "b.log|5|not-in-log||",
        "b.log|6|not-in-log||"}},
      {"a miscopied call of a station without a log, and the other side "
       "that has the QSO",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAB", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0100", "DL1AAA", "50",
                                                 "JA1AAA", "45")})}},
       {"a.log|4|busted-call|DL1AAA|", "b.log|4|ok||"}},
      {"a Morse miscopy: A (.-) taken as ET (. -)",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1ETA", "50")})},
        {"b.log", CabrilloLog("DL1AA", {QsoLine("0100", "DL1AA", "50", "JA1AAA",
                                                "45")})}},
       {"a.log|4|busted-call|DL1AA|", "b.log|4|ok||"}},
      {"a busted call that is another station's call, whose log does not "
       "have the QSO",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAB", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0100", "DL1AAA", "50",
                                                 "JA1AAA", "45")})},
        {"c.log", CabrilloLog("DL1AAB", {QsoLine("0300", "DL1AAB", "60",
                                                 "JA1AAA", "45")})}},
       {"a.log|4|busted-call|DL1AAA|", "b.log|4|ok||", "c.log|4|not-in-log||"}},
      {"...the same 8 minutes from the similar station's QSO: a real "
       "station's call, not taken for a miscopy",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAB", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0108", "DL1AAA", "50",
                                                 "JA1AAA", "45")})},
        {"c.log", CabrilloLog("DL1AAB", {QsoLine("0300", "DL1AAB", "60",
                                                 "JA1AAA", "45")})}},
       {"a.log|4|not-in-log||", "b.log|4|not-in-log||",
        "c.log|4|not-in-log||"}},
      {"a call in no other log is unique; one other logs have, unchecked",
       {{"a.log",
         CabrilloLog("JA1AAA",
                     {QsoLine("0100", "JA1AAA", "45", "DL9ZZZ", "50"),
                      QsoLine("0110", "JA1AAA", "45", "OH2XX", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0200", "DL1AAA", "50",
                                                 "OH2XX", "33")})}},
       {"a.log|4|unique||", "a.log|5|unchecked||", "b.log|4|unchecked||"}},
      {"the other log has a call like ours, but that station's log has the "
       "QSO: no credit",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAA", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0100", "DL1AAA", "50",
                                                 "JA1AAB", "33")})},
        {"c.log", CabrilloLog("JA1AAB", {QsoLine("0101", "JA1AAB", "33",
                                                 "DL1AAA", "50")})}},
       {"a.log|4|not-in-log||", "b.log|4|ok||", "c.log|4|ok||"}},
      {"two stations one miscopy apart, both worked: no busted call",
       {{"a.log",
         CabrilloLog("JA1AAA",
                     {QsoLine("0100", "JA1AAA", "45", "DL1AAA", "50"),
                      QsoLine("0105", "JA1AAA", "45", "DL1AAB", "51")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0100", "DL1AAA", "50",
                                                 "JA1AAA", "45")})}},
       {"a.log|4|ok||", "a.log|5|unique||", "b.log|4|ok||"}},
      {"a dupe in one log only: the other log's one line matches the first",
       {{"a.log",
         CabrilloLog("JA1AAA",
                     {QsoLine("0100", "JA1AAA", "45", "DL1AAA", "50"),
                      QsoLine("0105", "JA1AAA", "45", "DL1AAA", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine("0101", "DL1AAA", "50",
                                                 "JA1AAA", "45")})}},
       {"a.log|4|ok||", "a.log|5|dupe||", "b.log|4|ok||"}},
      {"the other log's line is a dupe (our call logged earlier for another "
       "QSO): it still has the QSO",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAA", "50")})},
        {"b.log",
         CabrilloLog("DL1AAA",
                     {QsoLine("0030", "DL1AAA", "50", "JA1AAA", "61"),
                      QsoLine("0100", "DL1AAA", "50", "JA1AAA", "45")})}},
       {"a.log|4|ok||", "b.log|4|not-in-log||", "b.log|5|dupe||"}},
      {"the other log has our call miscopied as a call it logged before on "
       "the band: our QSO stands",
       {{"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAA", "50")})},
        {"b.log",
         CabrilloLog("DL1AAA",
                     {QsoLine("0030", "DL1AAA", "50", "JA1AAB", "33"),
                      QsoLine("0100", "DL1AAA", "50", "JA1AAB", "45")})}},
       {"a.log|4|ok||", "b.log|4|unique||", "b.log|5|dupe||"}},
  };
  for (const MatchCase& c : cases) {
    ContestLogs contest;
    EXPECT_EQ(c.verdicts, CheckFolder(c.logs, &contest)) << c.what;
  }
}

// DL1AAB sent no log; JA1AAA logged it, and so did `others` more logs.
// DL1AAA's log has JA1AAA `minutes` after.
TEST(MatcherTest, TakesACallOtherLogsHaveForAMiscopyOnlyWhenTimesAgree) {
  const struct {
    int others;
    const char* minutes;
    const char* verdict;  // of JA1AAA's line
  } cases[] = {
      {2, "0108", "a.log|4|busted-call|DL1AAA|"},
      {3, "0108", "a.log|4|unchecked||"},
      {3, "0102", "a.log|4|busted-call|DL1AAA|"},
  };
  for (const auto& c : cases) {
    std::vector<LogFile> logs = {
        {"a.log", CabrilloLog("JA1AAA", {QsoLine("0100", "JA1AAA", "45",
                                                 "DL1AAB", "50")})},
        {"b.log", CabrilloLog("DL1AAA", {QsoLine(c.minutes, "DL1AAA", "50",
                                                 "JA1AAA", "45")})}};
    for (int i = 0; i < c.others; ++i) {
      const std::string call = "JA" + std::to_string(i + 2) + "CCC";
      logs.push_back(
          {"c" + std::to_string(i) + ".log",
           CabrilloLog(call, {QsoLine("0300", call, "33", "DL1AAB", "50")})});
    }
    ContestLogs contest;
    const std::vector<std::string> verdicts = CheckFolder(logs, &contest);
    SCOPED_TRACE(std::to_string(c.others) + " other logs, " + c.minutes);
    EXPECT_EQ(c.verdict, verdicts[0]);
    EXPECT_EQ(std::string(c.verdict).find("busted") != std::string::npos
                  ? "b.log|4|ok||"
                  : "b.log|4|not-in-log||",
              verdicts[1]);
  }
}

TEST(MatcherTest, FindsALogAnHourOffAndMatchesItsQsos) {
  // The log of DL1CCC is an hour ahead of two logs that agree.
  const std::vector<LogFile> logs = {
      {"a.log",
       CabrilloLog("JA1AAA",
                   {QsoLine("0100", "JA1AAA", "45", "DL1BBB", "50"),
                    QsoLine("0110", "JA1AAA", "45", "DL1CCC", "60"),
                    QsoLine("0200", "JA1AAA", "45", "DL1CCC", "60", "7010")})},
      {"b.log", CabrilloLog("DL1BBB",
                            {QsoLine("0101", "DL1BBB", "50", "JA1AAA", "45"),
                             QsoLine("0120", "DL1BBB", "50", "DL1CCC", "60")})},
      {"c.log",
       CabrilloLog("DL1CCC",
                   {QsoLine("0210", "DL1CCC", "60", "JA1AAA", "45"),
                    QsoLine("0220", "DL1CCC", "60", "DL1BBB", "50"),
                    QsoLine("0300", "DL1CCC", "60", "JA1AAA", "45", "7010")})}};
  ContestLogs contest;
  const std::vector<std::string> verdicts = CheckFolder(logs, &contest);
  EXPECT_EQ(
      (std::vector<std::string>{"a.log|4|ok||", "a.log|5|ok||", "a.log|6|ok||",
                                "b.log|4|ok||", "b.log|5|ok||", "c.log|4|ok||",
                                "c.log|5|ok||", "c.log|6|ok||"}),
      verdicts);
  ASSERT_EQ(3u, contest.logs.size());
  EXPECT_EQ(0, contest.logs[0].clockOffset);
  EXPECT_EQ(0, contest.logs[1].clockOffset);
  EXPECT_EQ(3600, contest.logs[2].clockOffset);
}

TEST(MatcherTest, TellsCallsOneMiscopyApart) {
  const std::vector<std::pair<std::string, std::string>> similar = {
      {"JA1ABC", "JA1ABD"}, {"JA1ABC", "JA1AB"}, {"JA1ABC", "JA1AABC"},
      {"JA1ABC", "JA1BAC"}, {"DL1AA", "DL1ETA"}, {"W1AW", "W1AEM"}};
  const std::vector<std::pair<std::string, std::string>> apart = {
      {"JA1ABC", "JA1ABC"},
      {"JA1ABC", "JA2ABD"},
      {"JA1ABC", "JA1A"},
      {"JA1ABC", "JA1CBA"},
      {"JA1ABC", ""}};
  for (const auto& [a, b] : similar) {
    EXPECT_TRUE(SimilarCalls(a, b)) << a << " " << b;
    EXPECT_TRUE(SimilarCalls(b, a)) << b << " " << a;
  }
  for (const auto& [a, b] : apart)
    EXPECT_FALSE(SimilarCalls(a, b)) << a << " " << b;
}

TEST(MatcherTest, ComparesExchangesByValue) {
  EXPECT_TRUE(ExchangeAgrees("05", "5"));
  EXPECT_TRUE(ExchangeAgrees(" 45 ", "45"));
  EXPECT_TRUE(ExchangeAgrees("45", ""));
  EXPECT_FALSE(ExchangeAgrees("45", "54"));
  EXPECT_FALSE(ExchangeAgrees("", "54"));
  EXPECT_FALSE(ExchangeAgrees("4S", "45"));
}

}  // namespace
}  // namespace check
}  // namespace aadx

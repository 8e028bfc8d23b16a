#include "tools/check/check_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_util.h"
#include "tools/check/check_test_util.h"
#include "tools/check/sqlite_db.h"

namespace aadx {
namespace check {
namespace {

namespace fs = std::filesystem;

const char kCty[] = AADX_TOOLS_TESTDATA_DIR "/test_cty.dat";

// A folder of logs: JA1AAA and DL1AAA have four QSOs, one each of them
// miscopied on each side, and JA1AAA also works a station without a log.
void WriteContest(const fs::path& dir) {
  fs::create_directories(dir);
  WriteFileBytes(
      dir / "ja1aaa.log",
      CabrilloLog("JA1AAA",
                  {QsoLine("0100", "JA1AAA", "45", "DL1AAA", "50"),
                   QsoLine("0110", "JA1AAA", "45", "DL1AAB", "50", "3510"),
                   QsoLine("0120", "JA1AAA", "45", "DL1AAA", "50", "7010"),
                   QsoLine("0130", "JA1AAA", "45", "DL9ZZZ", "33"),
                   QsoLine("0140", "JA1AAA", "45", "DL1AAA", "55", "21010")}));
  WriteFileBytes(
      dir / "dl1aaa.log",
      CabrilloLog("DL1AAA",
                  {QsoLine("0100", "DL1AAA", "50", "JA1AAA", "45"),
                   QsoLine("0110", "DL1AAA", "50", "JA1AAA", "45", "3510"),
                   QsoLine("0120", "DL1AAA", "50", "JA1AAB", "45", "7010"),
                   QsoLine("0140", "DL1AAA", "50", "JA1AAA", "45", "21010")}));
}

TEST(CheckRunTest, ReportsFilesItDoesNotCheckAndChecksTheRest) {
  ScopedTempDir temp(ScopedTempDir::kEmpty);
  const fs::path dir = temp.path() / "logs";
  WriteContest(dir);
  WriteFileBytes(dir / "empty.log", "");
  WriteFileBytes(dir / "image.log", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
  WriteFileBytes(
      dir / "ssb.log",
      CabrilloLog("JA2BBB", {QsoLine("0100", "JA2BBB", "45", "DL1AAA", "50")},
                  "AADX-SSB"));
  WriteFileBytes(
      dir / "cqww.log",
      CabrilloLog("K1XX", {QsoLine("0100", "K1XX", "05", "DL1AAA", "14")},
                  "CQ-WW-CW"));
  // An earlier log of DL1AAA, sent before the one that counts.
  WriteFileBytes(dir / "dl1aaa-first.log", CabrilloLog("DL1AAA", {}));
  fs::last_write_time(
      dir / "dl1aaa-first.log",
      fs::last_write_time(dir / "dl1aaa.log") - std::chrono::hours(1));

  CheckOptions options;
  options.logDir = dir.string();
  options.outDir = (temp.path() / "out").string();
  options.ctyFile = kCty;
  options.verdictsFile = (temp.path() / "verdicts.csv").string();
  const CheckRunResult result = RunCheck(options);
  ASSERT_EQ(0, result.exitCode) << result.error;
  ASSERT_EQ(5u, result.notices.size());
  EXPECT_EQ("cqww.log: set-aside: a log of another contest, CQ-WW-CW",
            result.notices[0]);
  EXPECT_EQ("dl1aaa-first.log: bad: no contacts in the log", result.notices[1]);
  EXPECT_NE(std::string::npos, result.notices[2].find("empty.log: bad: "));
  EXPECT_NE(std::string::npos, result.notices[3].find("image.log: bad: "));
  EXPECT_EQ(
      "ssb.log: set-aside: a log of AADX-SSB, the folder's logs are of "
      "AADX-CW",
      result.notices[4]);

  EXPECT_EQ(
      "log,line,check,correct_call,sent_exchange,reason,points\n"
      "dl1aaa.log,4,ok,,,,1\n"
      "dl1aaa.log,5,ok,,,,2\n"
      "dl1aaa.log,6,busted-call,JA1AAA,,,0\n"
      "dl1aaa.log,7,ok,,,,1\n"
      "ja1aaa.log,4,ok,,,,3\n"
      "ja1aaa.log,5,busted-call,DL1AAA,,,0\n"
      "ja1aaa.log,6,ok,,,,3\n"
      "ja1aaa.log,7,unique,,,,3\n"
      "ja1aaa.log,8,busted-exchange,,50,,0\n",
      ReadFileBytes(options.verdictsFile));
}

TEST(CheckRunTest, KeepsTheCheckInADatabaseThatReopens) {
  ScopedTempDir temp(ScopedTempDir::kEmpty);
  WriteContest(temp.path() / "logs");
  WriteFileBytes(
      temp.path() / "logs" / "dl1aaa-old.log",
      CabrilloLog("DL1AAA", {QsoLine("0100", "DL1AAA", "50", "JA1AAA", "45")}));
  fs::last_write_time(temp.path() / "logs" / "dl1aaa-old.log",
                      fs::last_write_time(temp.path() / "logs" / "dl1aaa.log") -
                          std::chrono::hours(1));
  CheckOptions options;
  options.logDir = (temp.path() / "logs").string();
  options.outDir = (temp.path() / "out").string();
  options.ctyFile = kCty;
  options.penalty = 1;
  // Twice: the second run makes the tables anew.
  for (int run = 0; run < 2; ++run) {
    const CheckRunResult result = RunCheck(options);
    ASSERT_EQ(0, result.exitCode) << result.error;
  }

  Database db;
  ASSERT_TRUE(db.Open((temp.path() / "out" / "check.db").string()));
  const auto rows = [&db](const std::string& sql) {
    Statement query;
    EXPECT_TRUE(db.Prepare(sql, &query)) << db.error();
    std::vector<std::string> lines;
    while (query.Step())
      lines.push_back(BarJoined({query.Text(0), query.Text(1), query.Text(2)}));
    EXPECT_TRUE(query.ok()) << db.error();
    return lines;
  };
  EXPECT_EQ((std::vector<std::string>{"dl1aaa-old.log|DL1AAA|replaced",
                                      "dl1aaa.log|DL1AAA|checked",
                                      "ja1aaa.log|JA1AAA|checked"}),
            rows("SELECT file, call, status FROM logs ORDER BY id"));
  EXPECT_EQ((std::vector<std::string>{"busted-call|2|", "busted-exchange|1|",
                                      "ok|5|", "unique|1|"}),
            rows("SELECT verdict, count(*), '' FROM qsos GROUP BY verdict "
                 "ORDER BY verdict"));
  // A busted call costs its points (JA1AAA's on 80 m: 6, DL1AAA's on 40 m:
  // 1) and as many more; the busted exchange only its own 3. Multipliers:
  // DL on two bands, JA1 on three.
  EXPECT_EQ(
      (std::vector<std::string>{"DL1AAA|5 4 -> 9|1", "JA1AAA|18 9 -> 6|6"}),
      rows("SELECT call, claimed_points || ' ' || checked_points || "
           "' -> ' || checked_score, penalty_points FROM scores "
           "JOIN logs ON logs.id = scores.log_id ORDER BY call"));
  EXPECT_EQ((std::vector<std::string>{"ja1aaa.log|4|dl1aaa.log 4"}),
            rows("SELECT a.file, m.line, b.file || ' ' || m.other_line "
                 "FROM matches m JOIN logs a ON a.id = m.log_id "
                 "JOIN logs b ON b.id = m.other_log_id "
                 "WHERE a.call = 'JA1AAA' AND m.line = 4"));
}

// The bundled contest's entrant who miscopied a call and an exchange,
// worked a station without a log and one whose log lacks the QSO, and
// logged a station twice on a band; his report in full.
TEST(CheckRunTest, WritesTheReportsAndTheResults) {
  ScopedTempDir temp(ScopedTempDir::kEmpty);
  CheckOptions options;
  options.logDir = AADX_TOOLS_TESTDATA_DIR "/check_contest";
  options.outDir = temp.path().string();
  options.ctyFile = kCty;
  const CheckRunResult result = RunCheck(options);
  ASSERT_EQ(0, result.exitCode) << result.error;
  EXPECT_EQ(
      "Log check of JA1ABC (ja1abc.log), AADX-CW 2025\n"
      "Category        SOABHP\n"
      "Claimed score   8 QSOs, 17 points, 7 multipliers = 119\n"
      "Checked score   5 QSOs, 11 points, 5 multipliers = 55\n"
      "Clock offset    0 min\n"
      "\nBusted calls (1)\n"
      "  line 9     2025-06-21 0120  40m  DL1ABD -> DL1ABC\n"
      "\nNot in log (1)\n"
      "  line 12    2025-06-21 0150  40m  JA2XYZ\n"
      "\nBusted exchanges (1)\n"
      "  line 10    2025-06-21 0130  40m  OH2AB     44 -> 40\n"
      "\nUniques (1)\n"
      "  line 11    2025-06-21 0140  20m  K1XX\n"
      "\nDupes (1)\n"
      "  line 14    2025-06-21 0210  20m  DL1ABC\n"
      "\nWho miscopied your call (0)\n"
      "\nWho miscopied your exchange (0)\n",
      ReadFileBytes(temp.path() / "reports" / "JA1ABC.txt"));
  // The other side of a miscopy, and a log an hour ahead.
  const std::string xyz = ReadFileBytes(temp.path() / "reports" / "JA2XYZ.txt");
  EXPECT_NE(std::string::npos,
            xyz.find("Who miscopied your call (1)\n  DL1ABC    line 11    "
                     "2025-06-21 0150  20m  logged JA2XYX\n"));
  const std::string oh = ReadFileBytes(temp.path() / "reports" / "OH2AB.txt");
  EXPECT_NE(std::string::npos,
            oh.find("Who miscopied your exchange (1)\n  JA1ABC    line 10    "
                    "2025-06-21 0130  40m  logged 44, you sent 40\n"));
  EXPECT_NE(std::string::npos,
            ReadFileBytes(temp.path() / "reports" / "BY1AA.txt")
                .find("Clock offset    +60 min\n"));
  // Ranked per category, logs without one after, the check log last.
  EXPECT_EQ(
      "category,rank,call,file,claimed_score,checked_score,qsos,points,"
      "multipliers,penalty_points\n"
      "SOABHP,1,JA1ABC,ja1abc.log,119,55,5,11,5,0\n"
      "SOABHP,2,BY1AA,by1aa.log,32,32,4,8,4,0\n"
      "SOABLP,1,JA2XYZ,ja2xyz.log,40,40,4,10,4,0\n"
      "SOABLP,2,DL1ABC,dl1abc.log,49,36,6,6,6,0\n"
      ",1,OH2AB,oh2ab.adi,16,16,4,4,4,0\n"
      ",check,JA9CHK,ja9chk.log,3,3,1,3,1,0\n",
      ReadFileBytes(temp.path() / "results.csv"));
  // The page: per category, then per continent and per country, in this
  // order; nothing loaded from elsewhere, the check log not ranked.
  const std::string page = ReadFileBytes(temp.path() / "results.html");
  size_t at = 0;
  for (const char* part :
       {"<!DOCTYPE html>",
        "<h2 id=\"category\">",
        "<caption>All &middot; SOABHP</caption>",
        "<tr><td>1</td><td>JA1ABC</td><td>Japan</td><td>AS</td><td>119</td>"
        "<td>55</td><td>5</td><td>11</td><td>5</td><td>0</td></tr>",
        "<td>2</td><td>BY1AA</td><td>China</td>",
        "<caption>All &middot; SOABLP</caption>",
        "<td>1</td><td>JA2XYZ</td>",
        "<td>2</td><td>DL1ABC</td><td>Germany</td><td>EU</td>",
        "<caption>All &middot; no category named</caption>",
        "<td>1</td><td>OH2AB</td><td>Finland</td>",
        "<h2 id=\"continent\">",
        "<caption>AS &middot; SOABLP</caption>",
        "<td>1</td><td>JA2XYZ</td>",
        "<caption>EU &middot; SOABLP</caption>",
        "<td>1</td><td>DL1ABC</td>",
        "<h2 id=\"country\">",
        "<caption>China &middot; SOABHP</caption>",
        "<td>1</td><td>BY1AA</td>",
        "<caption>Japan &middot; SOABHP</caption>",
        "</body></html>\n"}) {
    const size_t found = page.find(part, at);
    ASSERT_NE(std::string::npos, found) << part << "\n" << page;
    at = found;
  }
  for (const char* absent : {"http", "src=", "@import", "JA9CHK"})
    EXPECT_EQ(std::string::npos, page.find(absent)) << absent;
}

TEST(CheckRunTest, FailsPlainlyWithoutItsInputsOrWhereItCannotWrite) {
  ScopedTempDir temp(ScopedTempDir::kEmpty);
  const std::string dir = temp.path().string();
  WriteContest(temp.path() / "logs");
  struct Case {
    std::string logDir, cty, db, message;
  };
  const std::vector<Case> cases = {
      {dir + "/none", kCty, "", dir + "/none: not a folder of logs"},
      {dir + "/logs", dir + "/none.dat", "", dir + "/none.dat: no such file"},
      {dir + "/logs", kCty, dir + "/no/such/folder/check.db",
       dir + "/no/such/folder/check.db: cannot be opened: unable to open "
             "database file"}};
  for (const Case& c : cases) {
    CheckOptions options;
    options.logDir = c.logDir;
    options.outDir = dir + "/out";
    options.ctyFile = c.cty;
    options.dbFile = c.db;
    const CheckRunResult result = RunCheck(options);
    EXPECT_EQ(2, result.exitCode) << c.message;
    EXPECT_EQ(c.message, result.error);
  }
}

TEST(CheckRunTest, RefusesBadOptions) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "no folder of logs given"},
      {{"a", "b"}, "b: one folder of logs only"},
      {{"a", "--year", "20x5"}, "--year 20x5: not a year"},
      {{"a", "--penalty", "-1"}, "--penalty -1: not a number from 0 to 100"},
      {{"a", "--out"}, "--out needs a value"},
      {{"a", "--colour", "red"}, "--colour: no such option"}};
  for (const auto& [args, message] : cases) {
    CheckOptions options;
    std::string error;
    EXPECT_EQ(CheckOutcome::kError, ParseCheckOptions(args, &options, &error));
    EXPECT_EQ(message, error);
  }
}

}  // namespace
}  // namespace check
}  // namespace aadx

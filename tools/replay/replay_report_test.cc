#include "tools/replay/replay_report.h"

#include <gtest/gtest.h>

namespace aadx {
namespace replay {
namespace {

SessionResult Finished() {
  SessionResult r;
  r.libraryPath = "/build/bin/libStats.so";
  r.ctyPath = "/usr/share/hamradio-files/cty.dat";
  r.outDir = "/tmp/out";
  r.plan.ownCall = "JA1QZZ";
  r.plan.ownContinent = "AS";
  r.plan.contestMode = "CW";
  r.plan.exportCabrillo = true;
  r.plan.start = logs::QsoTime{2021, 6, 19};
  r.plan.recordsRead = 12;
  r.plan.skipped = {
      "x.adi: record 3 (line 5): bad QSO_DATE \"20210631\"; skipped",
      "x.adi: record 7 (line 9): line 10: field \"CALL\" claims 99999 "
      "characters, running into the next field; skipped",
      "x.adi: record 8 (line 11): bad QSO_DATE \"2021\"; skipped"};
  r.plan.resolution.prefixDerived = 10;
  r.plan.resolution.dxccFromCountryFile = 9;
  r.plan.resolution.dxccUnknown = 1;
  r.plan.resolution.continentFromLog = 10;
  r.outcome.summary = "  AADX-CW 19.06-20.06.2021 \r\nBand\tQSOs\r\n";
  r.outcome.sent = 10;
  r.outcome.refused = 3;
  r.outcome.dupes = 1;
  CheckOutcome check;
  check.check.call = "UA9QAA";
  check.check.band = "20m";
  check.check.mode = "CW";
  check.result = 0;
  r.outcome.checks.push_back(check);
  r.files = {{"UBN report", "/tmp/out/err.txt", true},
             {"Cabrillo log", "/tmp/out/JA1QZZ.cbr", false}};
  return r;
}

TEST(ReplayReportTest, SummaryFirstWithPlainLineFeeds) {
  std::string text = FormatReport(Finished());
  EXPECT_EQ(0u, text.find("  AADX-CW 19.06-20.06.2021 \nBand\tQSOs\n\n"))
      << text;
  EXPECT_EQ(std::string::npos, text.find('\r'));
}

TEST(ReplayReportTest, CountsEveryRecord) {
  std::string text = FormatReport(Finished());
  EXPECT_NE(std::string::npos, text.find("  read                         12\n"))
      << text;
  EXPECT_NE(std::string::npos,
            text.find("  sent to the plug-in          10\n"));
  EXPECT_NE(std::string::npos,
            text.find("  refused by the plug-in        3\n"));
  EXPECT_NE(std::string::npos,
            text.find("  dupes                         1\n"));
  EXPECT_NE(std::string::npos,
            text.find("  skipped (malformed)           3\n"
                      "         2  bad QSO_DATE\n"
                      "         1  field claims 99999 characters, running "
                      "into the next field\n"))
      << text;
  EXPECT_NE(std::string::npos,
            text.find("  DXCC entity: 0 from the log, 9 from the country "
                      "file, 1 unknown\n"));
}

TEST(ReplayReportTest, TheLogsOwnExclusionsAreNoMalformedRecords) {
  SessionResult r = Finished();
  r.plan.skipped.push_back(
      "a.log: line 9: X-QSO line, left out of scoring by the log; skipped");
  r.plan.excludedQsos = 1;
  r.plan.qtcLines = 4;
  EXPECT_NE(std::string::npos,
            FormatReport(r).find("  skipped (malformed)           3\n"
                                 "         2  bad QSO_DATE\n"
                                 "         1  field claims 99999 characters, "
                                 "running into the next field\n"
                                 "  left out by log (X-QSO)       1\n"
                                 "  QTC lines, not read           4\n"))
      << FormatReport(r);
}

TEST(ReplayReportTest, SkipReasonsLeaveOutPlaceAndBytes) {
  const char* const cases[][2] = {
      {"a.log: line 6: bad frequency \"14.025\"; skipped", "bad frequency"},
      {"a.adi: line 3: tag \"<AAAA\"... has no '>'; skipped", "tag has no '>'"},
      {"a.adi: record 2 (line 4): no CALL; skipped", "no CALL"},
      {"a.log: line 9: X-QSO line, left out of scoring by the log; skipped",
       "X-QSO line, left out of scoring by the log"},
  };
  for (const auto& c : cases) EXPECT_EQ(c[1], SkipReason(c[0]));
}

TEST(ReplayReportTest, ChecksRunAndFiles) {
  std::string text = FormatReport(Finished());
  EXPECT_NE(std::string::npos,
            text.find("  UA9QAA on 20m CW: 0 (duplicate)\n"));
  EXPECT_NE(std::string::npos,
            text.find("  contest        CW, 2021-06-19 0000 to (none), "
                      "Cabrillo export\n"))
      << text;
  EXPECT_NE(std::string::npos, text.find("Files in /tmp/out\n"));
  EXPECT_NE(std::string::npos,
            text.find("  UBN report     /tmp/out/err.txt\n"));
  EXPECT_NE(std::string::npos,
            text.find("  Cabrillo log   /tmp/out/JA1QZZ.cbr  (not written)\n"));
}

TEST(ReplayReportTest, TheRunLineHasOneTimeFormAndNamesWhereTheModeIsFrom) {
  SessionResult r = Finished();
  r.plan.start = logs::QsoTime{2022, 4, 1, 19, 3, 3};
  r.plan.end = logs::QsoTime{2022, 4, 2, 18, 53};
  r.plan.contestModeFrom = "the log names AADX-CW";
  EXPECT_NE(std::string::npos,
            FormatReport(r).find("  contest        CW, 2022-04-01 1903 to "
                                 "2022-04-02 1853, Cabrillo export\n"
                                 "  mode from      the log names AADX-CW\n"))
      << FormatReport(r);
  // Across a year end the title names the start's year, and says so.
  r.outcome.summary = "  AADX-CW 24.09-10.01.2021 \r\nBand\r\n";
  r.plan.start = logs::QsoTime{2020, 9, 24, 19, 3, 3};
  r.plan.end = logs::QsoTime{2021, 1, 10, 18, 53};
  EXPECT_EQ(0u, FormatReport(r).find("  AADX-CW 24.09.2020-10.01.2021 \n"));
  EXPECT_NE(std::string::npos,
            FormatReport(r).find("  title          the start's year added "
                                 "above; the plug-in's summary leaves it "
                                 "out\n"));
  // Left to the plug-in's settings: the mode its summary names.
  r.plan.contestMode.clear();
  r.outcome.summary = "  AADX-SSB 01.04-02.04.2022 \r\n";
  EXPECT_NE(std::string::npos,
            FormatReport(r).find("  contest        SSB, 2020-09-24 1903 to "))
      << FormatReport(r);
}

TEST(ReplayReportTest, ACabrilloLogNotProducedNamesTheReason) {
  SessionResult r = Finished();
  r.files.back().problem = "a folder is in its place";
  EXPECT_NE(std::string::npos,
            FormatReport(r).find("  Cabrillo log   /tmp/out/JA1QZZ.cbr  (not "
                                 "produced: a folder is in its place)\n"));
}

TEST(ReplayReportTest, NoChecksNoCheckSection) {
  SessionResult r = Finished();
  r.outcome.checks.clear();
  r.ctyPath.clear();
  std::string text = FormatReport(r);
  EXPECT_EQ(std::string::npos, text.find("Call checks"));
  EXPECT_NE(std::string::npos, text.find("  country file   (none)\n"));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

#include "tools/sponsor/sponsor_report.h"

#include <gtest/gtest.h>

#include "tools/sponsor/sponsor_test_util.h"

namespace aadx {
namespace sponsor {
namespace {

using sponsor_test::Cw2021;
using sponsor_test::EntrantOf;
using sponsor_test::Score;

// The plug-in's summaries of the two worked examples, as its own rules give
// them (own entity, maritime mobile, the contact after the period and the
// one-digit age all scored; non-Asian prefixes counted).
const char kAsianPluginSummary[] =
    "  AADX-CW 19.06-20.06.2021 \r\n     Contestant: JA1XYZ\r\n"
    "Band\tQSOs\tPoints\tDXCC\r\n"
    "160m\t 1\t 3\t 1\r\n80m\t 1\t 6\t 1\r\n40m\t 5\t 11\t 4\r\n"
    "20m\t 2\t 6\t 2\r\n10m\t 1\t 2\t 1\r\n"
    "Total\t 10\t 28\t 9\r\nScore = 28 * 9  = 252 \r\n";
const char kNonAsianPluginSummary[] =
    "  AADX-CW 19.06-20.06.2021 \r\n     Contestant: DL5XYZ\r\n"
    "Band\tQSOs\tPoints\tNew Prefix\r\n"
    "160m\t 1\t 3\t 1\r\n80m\t 1\t 2\t 1\r\n40m\t 4\t 3\t 3\r\n"
    "20m\t 1\t 0\t 1\r\n10m\t 1\t 2\t 1\r\n"
    "Total\t 8\t 10\t 7\r\nScore = 10 * 7  = 70 \r\n";

ScoreTable PluginTable(const char* summary) {
  ScoreTable table;
  EXPECT_TRUE(ParsePluginSummary(summary, &table));
  return table;
}

TEST(SponsorReportTest, PluginSummaryIsRead) {
  ScoreTable t = PluginTable(kAsianPluginSummary);
  ASSERT_EQ(5u, t.bands.size());
  EXPECT_EQ("40m", t.bands[2].band);
  EXPECT_EQ(5, t.bands[2].qsos);
  EXPECT_EQ(11, t.bands[2].points);
  EXPECT_EQ(4, t.bands[2].multipliers);
  EXPECT_EQ(10, t.total.qsos);
  EXPECT_EQ(28, t.total.points);
  EXPECT_EQ(9, t.total.multipliers);
  EXPECT_EQ(252, t.score);

  ScoreTable untouched;
  untouched.score = 7;
  EXPECT_FALSE(ParsePluginSummary("Band\tQSOs\tPoints\tDXCC\n", &untouched));
  EXPECT_FALSE(ParsePluginSummary("Total\t 1\t 1\t 1\n", &untouched));
  EXPECT_EQ(7, untouched.score);
}

TEST(SponsorReportTest, TablesAndReconciliationsOfTheWorkedExamples) {
  EXPECT_EQ(
      sponsor_test::kAsianTable,
      FormatSponsorTable(Cw2021(), EntrantOf("JA1XYZ"),
                         Score("JA1XYZ", sponsor_test::AsianExample()).table));
  EXPECT_EQ(sponsor_test::kNonAsianTable,
            FormatSponsorTable(
                Cw2021(), EntrantOf("DL5XYZ"),
                Score("DL5XYZ", sponsor_test::NonAsianExample()).table));
  EXPECT_EQ(
      sponsor_test::kAsianReconciliation,
      FormatReconciliation(PluginTable(kAsianPluginSummary),
                           Score("JA1XYZ", sponsor_test::AsianExample())));
  EXPECT_EQ(
      sponsor_test::kNonAsianReconciliation,
      FormatReconciliation(PluginTable(kNonAsianPluginSummary),
                           Score("DL5XYZ", sponsor_test::NonAsianExample())));
  // Nothing to reconcile, and no percentage of a zero score.
  EXPECT_EQ(
      "Plug-in's score and the sponsor's\n"
      "  plug-in's score             0\n"
      "  sponsor's score             0\n"
      "  plug-in - sponsor           0\n"
      "Contacts by reason\n"
      "  none\n",
      FormatReconciliation(ScoreTable{}, Score("JA1XYZ", {})));
}

TEST(SponsorReportTest, CheckReportOfTheAsianExample) {
  EXPECT_EQ(sponsor_test::kAsianCheckReport,
            FormatCheckReport(Cw2021(), EntrantOf("JA1XYZ"),
                              Score("JA1XYZ", sponsor_test::AsianExample())));
}

TEST(SponsorReportTest, JsonHoldsBothScoresAndEveryReason) {
  ScoreTable plugin;
  plugin.bands = {{"40m", 4, 3, 3}, {"a\"b\\", 1, 0, 1}};
  plugin.total = {"Total", 5, 3, 4};
  plugin.score = 12;
  EXPECT_EQ(
      "{\"plugin\": {\"bands\": [{\"band\": \"40m\", \"qsos\": 4, \"points\": "
      "3, \"multipliers\": 3}, {\"band\": \"a\\\"b\\\\\", \"qsos\": 1, "
      "\"points\": 0, \"multipliers\": 1}], \"total\": {\"qsos\": 5, "
      "\"points\": 3, \"multipliers\": 4, \"score\": 12}}, "
      "\"sponsor\": {\"rulesYear\": 2024, \"category\": null, \"bands\": "
      "[{\"band\": \"40m\", \"qsos\": 2, \"points\": "
      "1, \"multipliers\": 1}], \"total\": {\"qsos\": 2, \"points\": 1, "
      "\"multipliers\": 1, \"score\": 1}, \"reasons\": {\"wrong-band\": 1, "
      "\"wrong-mode\": 0, \"outside-period\": 0, \"incomplete-exchange\": 0, "
      "\"dupe\": 0, \"maritime-mobile\": 0, \"unknown-station\": 0, "
      "\"own-entity\": 0, \"non-asian-station\": 1, \"non-asian-prefix\": "
      "1, \"plugin-refused\": 0, \"after-24-hours\": 0, \"other-band\": "
      "0}}}\n",
      FormatScoresJson(plugin,
                       Score("DL5XYZ", {sponsor_test::Qso("JA7XYZ", "40m"),
                                        sponsor_test::Qso("DL1AA", "40m"),
                                        sponsor_test::Qso("JA1ABC", "17m")})));
}

}  // namespace
}  // namespace sponsor
}  // namespace aadx

// GetResult0 through the exports: the summary text byte for byte and the
// claimed score in the settings file.
#include <chrono>
#include <filesystem>

#include "tests/exports/plugin_fixture.h"

namespace aadx {
namespace {

class SummaryTest : public PluginTest {
 protected:
  void UseCw() { WriteSetting("Mode", "CW"); }

  void Log(const std::string& call, const std::string& band,
           const std::string& continent, const std::string& prefix,
           const std::string& dxcc) {
    ContactArgs c = Contact(call);
    c.info.band = band;
    c.info.continent = continent;
    c.info.prefix = prefix;
    c.info.dxcc = dxcc;
    ASSERT_EQ(CallAddData(plugin(), c), 1);
  }
};

TEST_F(SummaryTest, NonAsianEntrantCountsAsianStationsAndPrefixes) {
  UseCw();
  Reset("EU");
  Log("JA1AA", "160m", "AS", "JA1", "JA");
  Log("BY1AA", "160m", "AS", "BY1", "BY");
  const char* prefixes[] = {"JA1", "JA2", "BY1"};
  for (int i = 0; i < 10; ++i) {
    Log("JA" + std::to_string(i) + "XYZ", "20m", "AS", prefixes[i % 3], "JA");
  }
  Log("DL1AA", "20m", "EU", "JA1", "DL");   // no points, known prefix
  Log("JA1AA", "160m", "AS", "JA9", "JA");  // dupe: counts for nothing
  // DL1AA's QSO counts as a QSO without points.
  EXPECT_EQ(Result(),
            "  AADX-CW 19.06-20.06.2021 \r\n"
            "     Contestant: OWNCALL\r\n"
            "Band\tQSOs\tPoints\tNew Prefix\r\n"
            "160m\t 2\t 6\t 2\r\n"
            "20m\t 11\t 10\t 3\r\n"
            "Total\t 13\t 16\t 5\r\n"
            "Score = 16 * 5  = 80 \r\n");
  EXPECT_EQ(ReadSetting("Claimed"), "80");
}

TEST_F(SummaryTest, AsianEntrantCountsContinentsAndDxccEntities) {
  UseCw();
  Reset("AS");
  Log("W1AA", "20m", "NA", "W1", "K");
  Log("DL1AA", "20m", "EU", "DL1", "DL");
  Log("PY1AA", "20m", "SA", "PY1", "PY");
  Log("JA1AA", "20m", "AS", "JA1", "JA");
  Log("JA2AA", "20m", "AS", "JA2", "JA");
  Log("W2AA", "80m", "NA", "W2", "K");
  Log("BY1AA", "80m", "AS", "BY1", "BY");
  Log("ZS1AA", "160m", "", "ZS1", "ZS");  // no continent: outside Asia
  EXPECT_EQ(Result(),
            "  AADX-CW 19.06-20.06.2021 \r\n"
            "     Contestant: OWNCALL\r\n"
            "Band\tQSOs\tPoints\tDXCC\r\n"
            "160m\t 1\t 9\t 1\r\n"
            "80m\t 2\t 8\t 2\r\n"
            "20m\t 5\t 11\t 4\r\n"
            "Total\t 8\t 28\t 7\r\n"
            "Score = 28 * 7  = 196 \r\n");
  EXPECT_EQ(ReadSetting("Claimed"), "196");
}

TEST_F(SummaryTest, BeforeAnyResetEveryTextIsEmpty) {
  EXPECT_EQ(Result(),
            "  AADX-SSB - \r\n"
            "     Contestant: \r\n"
            "Band\tQSOs\tPoints\tNew Prefix\r\n"
            "Total\t 0\t 0\t 0\r\n"
            "Score = 0 * 0  = 0 \r\n");
  EXPECT_EQ(ReadSetting("Claimed"), "0");
}

#ifndef _WIN32
// Only where no Multiplier window runs: on Windows the window saves its own
// position keys to the same file whenever it moves.
TEST_F(SummaryTest, TheSettingsFileIsRewrittenOnlyWhenTheClaimedScoreMoves) {
  UseCw();
  Reset("EU");
  Log("JA1AA", "20m", "AS", "JA1", "JA");
  Result();
  // An old time stamp shows whether a later request rewrote the file.
  const auto stamp = std::filesystem::file_time_type::clock::now() -
                     std::chrono::hours(24 * 365);
  std::filesystem::last_write_time(SettingsFilePath(), stamp);
  Result();
  EXPECT_EQ(std::filesystem::last_write_time(SettingsFilePath()), stamp);
  Log("JA2AA", "20m", "AS", "JA2", "JA");
  Result();
  EXPECT_NE(std::filesystem::last_write_time(SettingsFilePath()), stamp);
  EXPECT_EQ(ReadSetting("Claimed"), "4");
}
#endif

TEST_F(SummaryTest, BandsStayListedWhenTheirContactsNoLongerCount) {
  Reset("EU", "DL0XX");
  Log("JA1AA", "10m", "AS", "JA1", "JA");
  Log("JA1AA", "6m", "AS", "JA1", "JA");
  Log("JA2AA", "160m", "AS", "JA2", "JA");
  ContactArgs gone = Contact("JA2AA");
  gone.info.band = "160m";
  ASSERT_EQ(CallRemoveData(plugin(), gone), 1);
  EXPECT_EQ(Result(),
            "  AADX-SSB 19.06-20.06.2021 \r\n"
            "     Contestant: DL0XX\r\n"
            "Band\tQSOs\tPoints\tNew Prefix\r\n"
            "160m\t 0\t 0\t 0\r\n"
            "10m\t 1\t 2\t 1\r\n"
            "6m\t 1\t 1\t 1\r\n"
            "Total\t 2\t 3\t 2\r\n"
            "Score = 3 * 2  = 6 \r\n");

  // A new run forgets the bands of the last one.
  Reset("EU", "DL0XX");
  EXPECT_EQ(Result().find("10m"), std::string::npos);
}

TEST_F(SummaryTest, NullStatusPointerIsNotWritten) {
  Reset();
  const char* text = plugin().GetResult0(nullptr);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::string(text).substr(0, 11), "  AADX-SSB ");
}

}  // namespace
}  // namespace aadx

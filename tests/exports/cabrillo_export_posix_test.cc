// Cabrillo export runs through the built library, with the POSIX dialog
// stand-in: the operator presses OK without edits and the notice goes
// nowhere. The Windows runs, with the real dialog, are in
// cabrillo_dialog_win_test.cc.
#include <algorithm>
#include <filesystem>

#include "cabrillo/testdata/contest_run.h"
#include "tests/exports/plugin_fixture.h"

namespace aadx {
namespace {

namespace fs = std::filesystem;

class CabrilloExportTest : public PluginTest {
 protected:
  // Every .cbr file in the current folder, by name.
  static std::vector<std::string> CabrilloFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) {
      if (entry.path().extension() == ".cbr") {
        names.push_back(entry.path().filename().string());
      }
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  void Export(const SmallContest& contest) {
    contest.WriteSettingsFile();
    ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
    ASSERT_EQ(AddContestContacts(plugin(), contest),
              static_cast<int>(contest.contacts.size()));
    RequestResult(plugin());
  }
};

TEST_F(CabrilloExportTest, PhoneExportGivesTheGoldenFile) {
  SmallContest contest = SsbContest();
  Export(contest);
  EXPECT_EQ(CabrilloFiles(), std::vector<std::string>{"DL5XYZ_P.cbr"});
  EXPECT_EQ(ReadFileBytes("DL5XYZ_P.cbr"),
            ReadTestdataFile(contest.goldenFile));
  EXPECT_EQ(ReadSetting("Claimed"), "28");
}

TEST_F(CabrilloExportTest, CwExportGivesTheGoldenFile) {
  SmallContest contest = CwContest();
  Export(contest);
  EXPECT_EQ(CabrilloFiles(), std::vector<std::string>{"JA1ZZZ.cbr"});
  EXPECT_EQ(ReadFileBytes("JA1ZZZ.cbr"), ReadTestdataFile(contest.goldenFile));
  EXPECT_EQ(ReadSetting("Claimed"), "64");
}

TEST_F(CabrilloExportTest, ARepeatedResultRequestListsEveryContactOnce) {
  SmallContest contest = CwContest();
  Export(contest);
  RequestResult(plugin());
  RequestResult(plugin());
  EXPECT_EQ(ReadFileBytes("JA1ZZZ.cbr"), ReadTestdataFile(contest.goldenFile));
}

TEST_F(CabrilloExportTest, WithoutContactsTheHeaderIsFollowedByTheEndLine) {
  SmallContest contest = SsbContest();
  contest.contacts.clear();
  Export(contest);
  std::string expected = ReadTestdataFile(contest.goldenFile);
  expected = expected.substr(0, expected.find("QSO: ")) + "END-OF-LOG:\r\n";
  expected.replace(expected.find("CLAIMED-SCORE: 28"), 17, "CLAIMED-SCORE: 0");
  EXPECT_EQ(ReadFileBytes("DL5XYZ_P.cbr"), expected);
}

// A CW contact in an SSB run is written as CW: the mode column tells what
// each contact was.
TEST_F(CabrilloExportTest, EveryStoredContactIsWrittenWithItsOwnMode) {
  SmallContest contest = SsbContest();
  ContestContact cw = contest.contacts[0];
  cw.mode = "CW";
  cw.call = "JA9CW";
  ContestContact noCall = contest.contacts[1];
  noCall.call = "";
  ContestContact twoMetres = contest.contacts[2];
  twoMetres.call = "JA1VHF";
  twoMetres.band = "2m";
  twoMetres.freqKHz = 144300;
  ContestContact warc = contest.contacts[3];  // refused: not stored
  warc.band = "30m";
  contest.contacts = {
      contest.contacts[0], contest.contacts[0], cw, noCall, twoMetres, warc};
  contest.WriteSettingsFile();
  ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
  EXPECT_EQ(AddContestContacts(plugin(), contest), 5);
  RequestResult(plugin());

  std::string file = ReadFileBytes("DL5XYZ_P.cbr");
  std::string qsos = file.substr(file.find("QSO: "));
  EXPECT_EQ(qsos,
            "QSO: 14250 PH 2021-06-19 0005 DL5XYZ/P      59  45     JA1AAA"
            "        59  30\r\n"
            "QSO: 14250 PH 2021-06-19 0005 DL5XYZ/P      59  45     JA1AAA"
            "        59  30\r\n"
            "QSO: 14250 CW 2021-06-19 0005 DL5XYZ/P      59  45     JA9CW "
            "        59  30\r\n"
            "QSO: 21300 PH 2021-06-19 0040 DL5XYZ/P      59  45     "
            "              59  41\r\n"
            "QSO: 144300 PH 2021-06-19 0110 DL5XYZ/P      59  45     JA1VHF"
            "        59  30\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExportTest, AnOrdinaryRunWritesNoFile) {
  SmallContest contest = SsbContest();
  contest.WriteSettingsFile();
  ASSERT_EQ(ResetForContest(plugin(), contest, 0), 1);
  AddContestContacts(plugin(), contest);
  RequestResult(plugin());
  EXPECT_TRUE(CabrilloFiles().empty());
}

TEST_F(CabrilloExportTest, TheFileIsNamedAfterTheCallInTheCurrentFolder) {
  SmallContest contest = CwContest();
  contest.contacts.clear();
  for (const char* call : {"CON", "a:b*c", " ", "..\\X/Y"}) {
    contest.ownCall = call;
    Export(contest);
  }
  EXPECT_EQ(CabrilloFiles(),
            (std::vector<std::string>{".._X_Y.cbr", "CON_.cbr", "QZRX.cbr",
                                      "a_b_c.cbr"}));
}

// How many lines of text start with prefix.
size_t LinesStartingWith(const std::string& text, const std::string& prefix) {
  size_t count = text.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
  for (size_t at = text.find('\n'); at != std::string::npos;
       at = text.find('\n', at + 1)) {
    count += text.compare(at + 1, prefix.size(), prefix) == 0;
  }
  return count;
}

TEST_F(CabrilloExportTest, LineBreaksFromTheHostSplitNoLineOfAnyFile) {
  SmallContest contest = SsbContest();
  contest.ownCall = "DL5XYZ\r\n[Evil]\r\nMode=CW\nOPERATORS: X";
  for (ContestContact& c : contest.contacts) {
    c.call += "\r\nQSO: 1\rQSO: 2";
    c.exchRcvd += "\n";
  }
  WriteSetting("Mode", "SSB");
  Export(contest);
  std::string settings = ReadFileBytes(SettingsFilePath());
  EXPECT_EQ(LinesStartingWith(settings, "["), 1u) << settings;
  EXPECT_EQ(LinesStartingWith(settings, "Mode="), 1u) << settings;
  EXPECT_EQ(ReadSetting("Mode"), "SSB");
  EXPECT_NE(settings.find("\r\nOperators=DL5XYZ [Evil] Mode=CW OPERATORS: "
                          "X\r\n"),
            std::string::npos)
      << settings;

  std::vector<std::string> files = CabrilloFiles();
  ASSERT_EQ(files.size(), 1u);
  std::string file = ReadFileBytes(files[0]);
  EXPECT_EQ(LinesStartingWith(file, "QSO: "), contest.contacts.size());
  EXPECT_EQ(LinesStartingWith(file, "OPERATORS: "), 1u);
  EXPECT_EQ(LinesStartingWith(file, "CALLSIGN: "), 1u);
  EXPECT_EQ(LinesStartingWith(file, "Mode="), 0u);
}

TEST_F(CabrilloExportTest, ReservedAndOverlongCallsStillGiveAFileHere) {
  SmallContest contest = CwContest();
  contest.contacts.clear();
  for (const std::string& call : std::vector<std::string>{
           "CONIN$", "conout$", "COM\xB9", "LPT\xB3", std::string(300, 'W')}) {
    contest.ownCall = call;
    Export(contest);
  }
  EXPECT_EQ(CabrilloFiles(),
            (std::vector<std::string>{
                "COM\xB9_.cbr", "CONIN$_.cbr", "LPT\xB3_.cbr",
                std::string(64, 'W') + ".cbr", "conout$_.cbr"}));
}

}  // namespace
}  // namespace aadx

// Cabrillo export runs on Windows through Stats.dll: the real header dialog
// and the "Output" box, driven by an operator thread as a person would
// drive them (read the fields, type, pick, press OK or Cancel).
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cabrillo/testdata/contest_run.h"
#include "tests/exports/plugin_fixture.h"
#include "tests/win/dialog_operator_win.h"
#include "ui/resource.h"

namespace aadx {
namespace {

using namespace dialog_test;

class CabrilloDialogTest : public PluginTest {
 protected:
  void TearDown() override {
    if (hostWindow_ != nullptr) DestroyWindow(hostWindow_);
    PluginTest::TearDown();
  }

  // A window of the test's thread standing in for the host's main window,
  // active as the host's is when the operator asks for an export.
  HWND ActivateHostWindow() {
    hostWindow_ = CreateWindowExA(
        0, "STATIC", "Host logger", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 240,
        120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(hostWindow_);
    SetActiveWindow(hostWindow_);
    return hostWindow_;
  }

  // The settings file without the "Start" key, which the reset keeps for
  // the Multiplier window.
  static std::string SettingsWithoutStart() {
    std::string text = ReadFileBytes(SettingsFilePath());
    for (size_t p; (p = text.find("\r\nStart=")) != std::string::npos;) {
      text.erase(p + 2, text.find("\r\n", p + 2) - p);
    }
    return text;
  }

  static std::string Replace(std::string text, const std::string& find,
                             const std::string& replacement) {
    size_t p = text.find(find);
    EXPECT_NE(p, std::string::npos) << find;
    if (p != std::string::npos) text.replace(p, find.size(), replacement);
    return text;
  }

  // A stand-in for the host executable from the program folder.
  static void PlaceHostExecutable(const std::string& stub,
                                  const std::string& name) {
    ASSERT_TRUE(PlaceHostStub(stub, name))
        << "cannot copy " << stub << ".exe (built by cabrillo/CMakeLists.txt)"
        << " from " << ProgramFolder() << " to " << name;
  }

  // A file the plug-in wrote, kept beside the screenshots for people to
  // look at.
  static void KeepArtifact(const std::string& file, const std::string& name) {
    std::string path = ArtifactPath(name);
    WriteFileBytes(path, ReadFileBytes(file));
    std::printf("Cabrillo file written by the plug-in: %s\n", path.c_str());
  }

  // The host's export run of the contest (reset, every contact, result
  // request) against the operator's script, which is done afterwards.
  void ExportRun(const SmallContest& contest, Operator* op) {
    ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
    AddContestContacts(plugin(), contest);
    RequestResult(plugin());
    op->Finish();
  }

  // The export run with the operator pressing OK as the dialog opens, and
  // no other window coming up; the box that followed, screenshot under
  // screenshotName unless that is empty.
  BoxSeen ExportRunWithOk(const SmallContest& contest,
                          const std::string& screenshotName = "") {
    BoxSeen box;
    Operator op([&] {
      AnswerDialog("", nullptr, true);
      box = AnswerBox(screenshotName);
    });
    ExportRun(contest, &op);
    EXPECT_TRUE(op.strays().empty()) << op.strays()[0];
    return box;
  }

  HWND hostWindow_ = nullptr;
};

struct Expected {
  int id;
  const char* label;
  const char* cls;
  bool enabled;
};

const Expected kExpected[] = {
    {IDC_CABRILLO_CONTEST, "CONTEST", "Edit", true},
    {IDC_CABRILLO_CALLSIGN, "CALLSIGN", "Edit", true},
    {IDC_CABRILLO_CLAIMED, "CLAIMED", "Edit", true},
    {IDC_CABRILLO_CATEGORY_OPERATOR, "CATEGORY-OPERATOR", "ComboBox", true},
    {IDC_CABRILLO_CATEGORY_ASSISTED, "CATEGORY-ASSISTED", "ComboBox", false},
    {IDC_CABRILLO_CATEGORY_BAND, "CATEGORY-BAND", "ComboBox", true},
    {IDC_CABRILLO_CATEGORY_MODE, "CATEGORY-MODE", "ComboBox", true},
    {IDC_CABRILLO_CATEGORY_POWER, "CATEGORY-POWER", "ComboBox", true},
    {IDC_CABRILLO_CATEGORY_STATION, "CATEGORY-STATION", "ComboBox", false},
    {IDC_CABRILLO_CATEGORY_TRANSMITTER, "CATEGORY-TRANSMITTER", "ComboBox",
     true},
    {IDC_CABRILLO_CATEGORY_OVERLAY, "CATEGORY-OVERLAY", "ComboBox", true},
    {IDC_CABRILLO_NAME, "NAME", "Edit", true},
    {IDC_CABRILLO_ADDRESS, "ADDRESS", "Edit", true},
    {IDC_CABRILLO_ADDRESS_CITY, "ADDRESS-CITY", "Edit", true},
    {IDC_CABRILLO_ADDRESS_STATE, "ADDRESS-STATE-PROVINCE", "Edit", true},
    {IDC_CABRILLO_ADDRESS_POSTALCODE, "ADDRESS-POSTALCODE", "Edit", true},
    {IDC_CABRILLO_ADDRESS_COUNTRY, "ADDRESS-COUNTRY", "Edit", true},
    {IDC_CABRILLO_OPERATORS, "OPERATORS", "Edit", true},
    {IDC_CABRILLO_CLUB, "CLUB", "Edit", true},
    {IDC_CABRILLO_LOCATION, "LOCATION", "ComboBox", false},
    {IDC_CABRILLO_SOAPBOX, "SOAPBOX", "Edit", true},
    {IDC_CABRILLO_EMAIL, "E-MAIL", "Edit", true},
};

TEST_F(CabrilloDialogTest, TheDialogShowsEveryHeaderValueAndTakesTheEdits) {
  SmallContest contest = SsbContest();
  contest.WriteSettingsFile();
  HWND host = ActivateHostWindow();
  ASSERT_EQ(GetActiveWindow(), host);

  DialogSeen dialog;
  BoxSeen box;
  bool soapboxTyped = false;
  bool openAfterEnter = false;
  Operator op([&] {
    dialog = AnswerDialog(
        "cabrillo_dialog.bmp",
        [&](HWND d) {
          SetWindowTextTo(GetDlgItem(d, IDC_CABRILLO_NAME), "Erika Mustermann");
          SetWindowTextTo(GetDlgItem(d, IDC_CABRILLO_CLAIMED), "99999");
          SendWithin(GetDlgItem(d, IDC_CABRILLO_CATEGORY_POWER), CB_SETCURSEL,
                     1, 0);
          HWND soapbox = GetDlgItem(d, IDC_CABRILLO_SOAPBOX);
          SendWithin(soapbox, EM_SETSEL, 0, -1);
          soapboxTyped =
              Type(soapbox, "Line one\nLine two\nLine three") &&
              WindowText(soapbox) == "Line one\r\nLine two\r\nLine three";
          openAfterEnter = IsWindow(d) != FALSE;
        },
        true);
    box = AnswerBox("cabrillo_output_box.bmp");
  });
  ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
  const std::string settingsAfterOk = SettingsWithoutStart();
  ASSERT_EQ(AddContestContacts(plugin(), contest), 5);
  RequestResult(plugin());
  op.Finish();
  EXPECT_TRUE(op.strays().empty()) << op.strays()[0];

  // The dialog as it came up.
  ASSERT_TRUE(dialog.appeared);
  std::printf("Cabrillo dialog screenshot: %s\n", dialog.screenshot.c_str());
  EXPECT_GT(dialog.screenshotColours, 4u);
  EXPECT_EQ(dialog.owner, host);
  const ControlSeen* above = nullptr;
  for (const Expected& e : kExpected) {
    const ControlSeen& c = dialog.at(e.id);
    SCOPED_TRACE(e.label);
    ASSERT_TRUE(c.present);
    EXPECT_EQ(c.cls, e.cls);
    EXPECT_EQ(c.label, e.label);
    EXPECT_EQ(c.enabled, e.enabled);
    EXPECT_EQ(c.labelEnabled, e.enabled);
    if (c.cls == "ComboBox") {
      EXPECT_EQ(c.style & 3, CBS_DROPDOWN);  // an editable field
    }
    // Top to bottom; CLAIMED on the row of CALLSIGN, to its right.
    if (above != nullptr && e.id == IDC_CABRILLO_CLAIMED) {
      EXPECT_EQ(c.rect.top, above->rect.top);
      EXPECT_GT(c.rect.left, above->rect.right);
    } else if (above != nullptr) {
      EXPECT_GE(c.rect.top, above->rect.bottom);
    }
    above = &c;
  }
  for (int id : {IDC_CABRILLO_ADDRESS, IDC_CABRILLO_ADDRESS_CITY,
                 IDC_CABRILLO_ADDRESS_STATE, IDC_CABRILLO_ADDRESS_POSTALCODE,
                 IDC_CABRILLO_ADDRESS_COUNTRY}) {
    EXPECT_EQ(dialog.at(id).style & ES_AUTOHSCROLL, 0) << id;
  }
  for (int id :
       {IDC_CABRILLO_CONTEST, IDC_CABRILLO_CALLSIGN, IDC_CABRILLO_CLAIMED,
        IDC_CABRILLO_NAME, IDC_CABRILLO_OPERATORS, IDC_CABRILLO_CLUB,
        IDC_CABRILLO_EMAIL}) {
    EXPECT_NE(dialog.at(id).style & ES_AUTOHSCROLL, 0) << id;
  }
  const LONG multiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
  EXPECT_EQ(dialog.at(IDC_CABRILLO_SOAPBOX).style & multiLine, multiLine);

  using V = std::vector<std::string>;
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_OPERATOR).choices,
            (V{"SINGLE-OP", "MULTI-OP", "CHECKLOG"}));
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_ASSISTED).choices,
            (V{"ASSISTED", "NON-ASSISTED"}));
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_BAND).choices,
            (V{"ALL", "160M", "80M", "40M", "20M", "15M", "10M"}));
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_MODE).choices, (V{"CW"}));
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_POWER).choices,
            (V{"HIGH", "LOW", "QRP"}));
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_STATION).choices, (V{"FIXED"}));
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_TRANSMITTER).choices,
            (V{"ONE", "TWO", "UNLIMITED"}));
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_OVERLAY).choices,
            (V{"TB-WIRES", "ROOKIE"}));
  const V& location = dialog.at(IDC_CABRILLO_LOCATION).choices;
  ASSERT_EQ(location.size(), 64u);
  EXPECT_EQ(V(location.begin(), location.begin() + 4),
            (V{"DX", "-/-", "AL", "AK"}));
  EXPECT_EQ(V(location.end() - 3, location.end()), (V{"NU", "YT", "PEI"}));

  // The stored values, the defaults, and the choices they select.
  struct Shown {
    int id;
    std::string text;
    int selected;
  };
  for (const Shown& s : std::vector<Shown>{
           {IDC_CABRILLO_CONTEST, "AADX-SSB", -1},
           {IDC_CABRILLO_CALLSIGN, "DL5XYZ/P", -1},
           {IDC_CABRILLO_CLAIMED, "15", -1},
           {IDC_CABRILLO_CATEGORY_OPERATOR, "SINGLE-OP", 0},
           {IDC_CABRILLO_CATEGORY_ASSISTED, "NON-ASSISTED", 1},
           {IDC_CABRILLO_CATEGORY_BAND, "ALL", 0},
           {IDC_CABRILLO_CATEGORY_MODE, "SSB", -1},  // no such choice
           {IDC_CABRILLO_CATEGORY_POWER, "HIGH", 0},
           {IDC_CABRILLO_CATEGORY_STATION, "FIXED", 0},
           {IDC_CABRILLO_CATEGORY_TRANSMITTER, "ONE", 0},
           {IDC_CABRILLO_CATEGORY_OVERLAY, "", -1},
           {IDC_CABRILLO_NAME, "Max Mustermann", -1},
           {IDC_CABRILLO_ADDRESS, "Hauptstrasse 1<CR><LF>Postfach 12", -1},
           {IDC_CABRILLO_ADDRESS_CITY, "Bonn", -1},
           {IDC_CABRILLO_ADDRESS_STATE, "NRW", -1},
           {IDC_CABRILLO_ADDRESS_POSTALCODE, "53111", -1},
           {IDC_CABRILLO_ADDRESS_COUNTRY, "Germany", -1},
           {IDC_CABRILLO_OPERATORS, "DL5XYZ/P", -1},
           {IDC_CABRILLO_CLUB, "Rhein DX Group", -1},
           {IDC_CABRILLO_LOCATION, "DX", 0},
           {IDC_CABRILLO_SOAPBOX,
            "Fine conditions on 15m\r\nThanks for the contest!", -1},
           {IDC_CABRILLO_EMAIL, "dl5xyz@example.org", -1},
       }) {
    EXPECT_EQ(dialog.at(s.id).text, s.text) << s.id;
    EXPECT_EQ(dialog.at(s.id).selected, s.selected) << s.id;
  }
  EXPECT_EQ(dialog.soapboxLines, 2);
  EXPECT_TRUE(soapboxTyped);
  EXPECT_TRUE(openAfterEnter);  // Enter in the soapbox is a new line

  // OK: twelve keys written through the profile API, in order; existing
  // keys keep their places, the claimed score is not among them.
  EXPECT_EQ(settingsAfterOk,
            "[Settings]\r\nMode=SSB\r\nName=Erika Mustermann\r\n"
            "Address=Hauptstrasse 1<CR><LF>Postfach 12\r\n"
            "Address-City=Bonn\r\nAddress-State=NRW\r\n"
            "Address-PostalCode=53111\r\nAddress-Country=Germany\r\n"
            "Email=dl5xyz@example.org\r\nClub=Rhein DX Group\r\n"
            "SoapBox=Line one<CR><LF>Line two<CR><LF>Line three\r\n"
            "Claimed=15\r\nOperators=DL5XYZ/P\r\nContest=AADX-SSB\r\n"
            "Location=DX\r\n");

  // The notice, owned by the host's window.
  ASSERT_TRUE(box.appeared);
  std::printf("Output box screenshot: %s\n", box.screenshot.c_str());
  EXPECT_EQ(box.texts, std::vector<std::string>{"File produced: DL5XYZ_P.cbr"});
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.informationIcon);
  EXPECT_FALSE(box.warningIcon);
  EXPECT_EQ(box.owner, host);

  // The file: the golden one with the operator's edits.
  std::string expected = ReadTestdataFile(contest.goldenFile);
  expected = Replace(expected, "CATEGORY-POWER: HIGH", "CATEGORY-POWER: LOW");
  expected =
      Replace(expected, "NAME: Max Mustermann", "NAME: Erika Mustermann");
  expected = Replace(
      expected,
      "SOAPBOX: Fine conditions on 15m\r\nSOAPBOX: Thanks for the contest!",
      "SOAPBOX: Line one\r\nSOAPBOX: Line two\r\nSOAPBOX: Line three");
  EXPECT_EQ(ReadFileBytes("DL5XYZ_P.cbr"), expected);
  KeepArtifact("DL5XYZ_P.cbr", "cabrillo_export_ssb.cbr");
}

TEST_F(CabrilloDialogTest, OkWithoutEditsGivesThePhoneGoldenFile) {
  SmallContest contest = SsbContest();
  contest.WriteSettingsFile();
  BoxSeen box = ExportRunWithOk(contest);
  EXPECT_EQ(box.texts, std::vector<std::string>{"File produced: DL5XYZ_P.cbr"});
  EXPECT_EQ(ReadFileBytes("DL5XYZ_P.cbr"),
            ReadTestdataFile(contest.goldenFile));
}

TEST_F(CabrilloDialogTest, OkWithoutEditsGivesTheCwGoldenFile) {
  SmallContest contest = CwContest();
  contest.WriteSettingsFile();
  DialogSeen dialog;
  Operator op([&] {
    dialog = AnswerDialog("cabrillo_dialog_cw.bmp", nullptr, true);
    AnswerBox("");
  });
  ExportRun(contest, &op);
  EXPECT_TRUE(op.strays().empty()) << op.strays()[0];
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CONTEST).text, "AADX-CW");
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_MODE).text, "CW");
  EXPECT_EQ(dialog.at(IDC_CABRILLO_CATEGORY_MODE).selected, 0);
  EXPECT_EQ(dialog.at(IDC_CABRILLO_OPERATORS).text, "JA1ZZZ JA1YYY");
  EXPECT_EQ(ReadFileBytes("JA1ZZZ.cbr"), ReadTestdataFile(contest.goldenFile));
}

TEST_F(CabrilloDialogTest, TheSoapboxComesBackAsLinesAndCancelWritesNothing) {
  SmallContest contest = SsbContest();
  contest.WriteSettingsFile();
  DialogSeen second;
  Operator op([&] {
    // First export: two soapbox lines and an overlay typed in lower case.
    AnswerDialog(
        "",
        [](HWND d) {
          SetWindowTextTo(GetDlgItem(d, IDC_CABRILLO_SOAPBOX),
                          "Good propagation\r\n73 to all");
          SetWindowTextTo(GetDlgItem(d, IDC_CABRILLO_CATEGORY_OVERLAY),
                          "rookie");
          SetWindowTextTo(GetDlgItem(d, IDC_CABRILLO_CATEGORY_POWER), "qrp");
        },
        true);
    AnswerBox("");
    // Second export: look, change the name, then Cancel.
    second = AnswerDialog(
        "",
        [](HWND d) {
          SetWindowTextTo(GetDlgItem(d, IDC_CABRILLO_NAME), "Somebody Else");
        },
        false);
  });
  ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
  EXPECT_EQ(ReadSetting("SoapBox"), "Good propagation<CR><LF>73 to all");
  AddContestContacts(plugin(), contest);
  RequestResult(plugin());
  std::string file = ReadFileBytes("DL5XYZ_P.cbr");
  EXPECT_NE(file.find("\r\nOPERATORS: DL5XYZ/P\r\n"
                      "SOAPBOX: Good propagation\r\nSOAPBOX: 73 to all\r\n"
                      "QSO: "),
            std::string::npos);
  // Typed text that is no choice is taken as typed.
  EXPECT_NE(file.find("\r\nCATEGORY-POWER: qrp\r\n"), std::string::npos);

  fs::remove("DL5XYZ_P.cbr");
  const std::string settings = SettingsWithoutStart();
  ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
  EXPECT_EQ(SettingsWithoutStart(), settings);
  AddContestContacts(plugin(), contest);
  RequestResult(plugin());  // no export after Cancel: no box, no file
  op.Finish();
  EXPECT_TRUE(op.strays().empty()) << op.strays()[0];
  EXPECT_FALSE(FileExists("DL5XYZ_P.cbr"));

  ASSERT_TRUE(second.appeared);
  EXPECT_EQ(second.at(IDC_CABRILLO_SOAPBOX).text,
            "Good propagation\r\n73 to all");
  EXPECT_EQ(second.soapboxLines, 2);
  // The overlay is kept and now selects its choice; the power is reset.
  EXPECT_EQ(second.at(IDC_CABRILLO_CATEGORY_OVERLAY).text, "ROOKIE");
  EXPECT_EQ(second.at(IDC_CABRILLO_CATEGORY_OVERLAY).selected, 1);
  EXPECT_EQ(second.at(IDC_CABRILLO_CATEGORY_POWER).text, "HIGH");
}

TEST_F(CabrilloDialogTest, ClosingTheDialogCountsAsCancel) {
  SmallContest contest = CwContest();
  contest.WriteSettingsFile();
  const std::string settings = ReadFileBytes(SettingsFilePath());
  bool closed = false;
  Operator op([&] {
    HWND dialog = WaitForWindow(kDialogTitle, kWindowWait);
    if (dialog == nullptr) return;
    SendWithin(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    closed = WaitUntilGone(dialog, kWindowWait);
  });
  ExportRun(contest, &op);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(op.strays().empty()) << op.strays()[0];
  EXPECT_FALSE(FileExists("JA1ZZZ.cbr"));
  EXPECT_EQ(ReadSetting("Operators"), "JA1ZZZ JA1YYY");
  EXPECT_EQ(ReadSetting("Location"), "");
}

TEST_F(CabrilloDialogTest, CreatedByNamesTheVersionOfTheHostExecutable) {
  PlaceHostExecutable("TalqStub220", "Talq.exe");  // version 2.20.0.7
  SmallContest contest = CwContest();
  contest.WriteSettingsFile();
  Operator op([&] {
    AnswerDialog("", nullptr, true);
    AnswerBox("");
  });
  ExportRun(contest, &op);
  EXPECT_EQ(ReadFileBytes("JA1ZZZ.cbr"),
            Replace(ReadTestdataFile(contest.goldenFile),
                    "CREATED-BY: Talq \r\n", "CREATED-BY: Talq 2.20\r\n"));
  KeepArtifact("JA1ZZZ.cbr", "cabrillo_export_cw.cbr");
}

TEST_F(CabrilloDialogTest, LongValuesSurviveTheDialogAndTheSettingsFile) {
  const std::string address =
      "Apartment 12, Block C, Long Street Name Residences<CR>"
      "Building of the Amateur Radio Society of the Eastern District, "
      "Room 4567";
  std::string soapbox;
  for (int i = 1; i <= 8; ++i) {
    soapbox += "Soapbox line " + std::to_string(i) +
               " with enough words to make it long<CR><LF>";
  }
  ASSERT_GT(address.size(), 99u);
  WriteFileBytes(SettingsFilePath(), "[Settings]\r\nAddress=" + address +
                                         "\r\nSoapBox=" + soapbox + "\r\n");
  DialogSeen dialog;
  Operator op([&] {
    dialog = AnswerDialog("", nullptr, true);
    AnswerBox("");
  });
  SmallContest contest = SsbContest();
  contest.contacts.clear();
  ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
  RequestResult(plugin());
  op.Finish();
  EXPECT_EQ(dialog.at(IDC_CABRILLO_ADDRESS).text, address);
  EXPECT_EQ(ReadSetting("Address"), address);
  EXPECT_EQ(ReadSetting("SoapBox"), soapbox);
  std::string file = ReadFileBytes("DL5XYZ_P.cbr");
  EXPECT_NE(file.find("\r\nADDRESS: Apartment 12, Block C, Long Street Name "
                      "Residences\r\nADDRESS: Building of the Amateur Radio "
                      "Society of the Eastern District, Room 4567\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("\r\nSOAPBOX: Soapbox line 8 with enough words to make "
                      "it long\r\nSOAPBOX: \r\nEND-OF-LOG:\r\n"),
            std::string::npos);
}

TEST_F(CabrilloDialogTest, ACallsignNamingADeviceStillGivesAFileHere) {
  SmallContest contest = CwContest();
  contest.contacts.clear();
  // Devices in any spelling, and a call too long for a Windows path.
  for (const auto& [call, base] :
       std::vector<std::pair<std::string, std::string>>{
           {"CON", "CON_"},
           {"CONIN$", "CONIN$_"},
           {"conout$", "conout$_"},
           {"COM\xB9", "COM\xB9_"},
           {"LPT\xB3", "LPT\xB3_"},
           {std::string(300, 'W'), std::string(64, 'W')}}) {
    SCOPED_TRACE(base);
    contest.ownCall = call;
    contest.WriteSettingsFile();
    BoxSeen box;
    Operator op([&] {
      AnswerDialog("", nullptr, true);
      box = AnswerBox("");
    });
    ASSERT_EQ(ResetForContest(plugin(), contest, 1), 1);
    RequestResult(plugin());
    op.Finish();
    EXPECT_EQ(box.texts,
              std::vector<std::string>{"File produced: " + base + ".cbr"});
    EXPECT_TRUE(box.informationIcon);
    EXPECT_NE(
        ReadFileBytes(base + ".cbr").find("\r\nCALLSIGN: " + call + "\r\n"),
        std::string::npos);
  }
}

TEST_F(CabrilloDialogTest, AFileThatCannotBeCreatedGetsAWarningNotice) {
  SmallContest contest = CwContest();
  contest.WriteSettingsFile();
  std::filesystem::create_directory("JA1ZZZ.cbr");  // in the file's way
  HWND host = ActivateHostWindow();
  BoxSeen box =
      ExportRunWithOk(contest, "cabrillo_output_box_not_produced.bmp");
  ASSERT_TRUE(box.appeared);
  std::printf("Output box screenshot: %s\n", box.screenshot.c_str());
  EXPECT_EQ(box.texts, std::vector<std::string>{
                           "File not produced: JA1ZZZ.cbr\nThe file could not "
                           "be created in the current folder: the folder may "
                           "be read-only, or the name may not be allowed "
                           "there."});
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.warningIcon);
  EXPECT_FALSE(box.informationIcon);
  EXPECT_EQ(box.owner, host);
}

TEST_F(CabrilloDialogTest, LineBreaksInTheOwnCallAddNoSettingsLine) {
  SmallContest contest = SsbContest();
  contest.ownCall = "DL5XYZ\r\n[Evil]\r\nMode=CW";
  contest.WriteSettingsFile();
  BoxSeen box = ExportRunWithOk(contest);
  // Through the real profile API: the own call is the "Operators" default,
  // written on OK as one line.
  std::string settings = ReadFileBytes(SettingsFilePath());
  EXPECT_EQ(settings.find("[Evil]\r\n"), std::string::npos) << settings;
  EXPECT_EQ(settings.find("\nMode=CW"), std::string::npos) << settings;
  EXPECT_EQ(ReadSetting("Mode"), "SSB");
  ASSERT_EQ(box.texts.size(), 1u);
  std::string name = box.texts[0].substr(box.texts[0].find(": ") + 2);
  std::string file = ReadFileBytes(name);
  EXPECT_EQ(file.find("\n[Evil]"), std::string::npos) << file;
  EXPECT_EQ(file.find("\nMode=CW"), std::string::npos) << file;
}

}  // namespace
}  // namespace aadx

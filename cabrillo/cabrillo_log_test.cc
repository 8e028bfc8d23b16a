#include "cabrillo/cabrillo_log.h"

#include <gtest/gtest.h>

#include "tests/fakes.h"
#include "tests/test_util.h"

namespace aadx {
namespace {

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("x<CR>y<CR>", "<CR>", "\r\n"), "x\r\ny\r\n");
  EXPECT_EQ(ReplaceAll("<LF>", "<LF>", ""), "");
}

TEST(ReplaceAllTest, InsertedTextIsNotSearchedAgain) {
  EXPECT_EQ(ReplaceAll("a", "a", "aa"), "aa");
  EXPECT_EQ(ReplaceAll("<<CR>CR>", "<CR>", ""), "<CR>");
  EXPECT_EQ(ReplaceAll("1<CR>2", "<CR>", "<CR><CR>"), "1<CR><CR>2");
}

TEST(ReplaceAllTest, CaseSensitiveAndUnchangedWithoutMatch) {
  EXPECT_EQ(ReplaceAll("<cr><CR>", "<CR>", "\r"), "<cr>\r");
  EXPECT_EQ(ReplaceAll("no tokens", "<CR>", "\r"), "no tokens");
  EXPECT_EQ(ReplaceAll("", "<CR>", "\r"), "");
}

TEST(ReplaceAllTest, EqualFindAndReplacementLeaveTheText) {
  EXPECT_EQ(ReplaceAll("a<CR>b", "<CR>", "<CR>"), "a<CR>b");
}

// SetupHeader against this platform's real profile in a scratch folder,
// with a fake operator at the dialog.
class SetupHeaderTest : public ::testing::Test {
 protected:
  // True when the dialog was accepted: the export flag stays set.
  bool Setup(const std::string& ownCall) {
    exportFlag_ = 1;
    log_.SetupHeader(ownCall, &exportFlag_);
    return exportFlag_ != 0;
  }
  void Seed(const std::string& lines) {
    WriteFileBytes(SettingsFilePath(), "[Settings]\r\n" + lines);
  }
  std::string SettingsFile() { return ReadFileBytes(SettingsFilePath()); }
  // The QSO lines after one contact of an earlier export request.
  std::vector<std::string> AddEarlierQso() {
    log_.RebuildQsoLines({CInfo{}}, true);
    EXPECT_EQ(log_.qsoLines().size(), 1u);
    return log_.qsoLines();
  }
  const CabrilloForm& Shown(size_t i = 0) {
    EXPECT_GT(fake_.desktop.cabrilloShown.size(), i);
    return fake_.desktop.cabrilloShown.at(i);
  }

  ScopedTempDir dir_;
  FakePlatform fake_;
  Settings settings_{DefaultDesktop()};
  CabrilloLog log_{&settings_, &fake_.desktop};
  int exportFlag_ = 1;
};

TEST_F(SetupHeaderTest, WithoutSettingsTheDialogShowsTheDefaults) {
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(log_.form.categoryMode, "SSB");
  EXPECT_EQ(exportFlag_, 1);
  ASSERT_EQ(fake_.desktop.cabrilloShown.size(), 1u);
  const CabrilloForm& f = Shown();
  EXPECT_EQ(f.contest, "AADX-SSB");
  EXPECT_EQ(f.callsign, "JA1ZZZ");
  EXPECT_EQ(f.operators, "JA1ZZZ");
  EXPECT_EQ(f.claimed, "");
  EXPECT_EQ(f.categoryOperator, "SINGLE-OP");
  EXPECT_EQ(f.categoryAssisted, "NON-ASSISTED");
  EXPECT_EQ(f.categoryBand, "ALL");
  EXPECT_EQ(f.categoryMode, "SSB");
  EXPECT_EQ(f.categoryPower, "HIGH");
  EXPECT_EQ(f.categoryStation, "FIXED");
  EXPECT_EQ(f.categoryTransmitter, "ONE");
  EXPECT_EQ(f.categoryOverlay, "");
  EXPECT_EQ(f.location, "DX");
  for (const std::string* empty :
       {&f.name, &f.address, &f.addressCity, &f.addressState,
        &f.addressPostalCode, &f.addressCountry, &f.club, &f.soapbox,
        &f.email}) {
    EXPECT_EQ(*empty, "");
  }
  EXPECT_EQ(log_.fileBase, "JA1ZZZ");
}

TEST_F(SetupHeaderTest, OnlyModeCwExactlySelectsCw) {
  Seed("Mode=CW\r\n");
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(log_.form.categoryMode, "CW");
  EXPECT_EQ(Shown(0).contest, "AADX-CW");
  EXPECT_EQ(Shown(0).categoryMode, "CW");
  EXPECT_EQ(log_.form.contest, "AADX-CW");

  for (const char* other : {"cw", "Cw", "CWX", "SSB", ""}) {
    Seed(std::string("Mode=") + other + "\r\n");
    EXPECT_TRUE(Setup("JA1ZZZ"));
    EXPECT_EQ(log_.form.contest, "AADX-SSB") << other;
    EXPECT_EQ(fake_.desktop.cabrilloShown.back().contest, "AADX-SSB");
    EXPECT_EQ(fake_.desktop.cabrilloShown.back().categoryMode, "SSB");
  }
}

TEST_F(SetupHeaderTest, StoredValuesAreShownAndTheTwelveKeysWrittenInOrder) {
  Seed(
      "Mode=SSB\r\nClaimed=1234\r\nOperators=JA1ZZZ JA1YYY\r\nName=Ichiro\r\n"
      "Address=1-2-3<CR>Chiyoda\r\nAddress-City=Tokyo\r\nAddress-State=TK\r\n"
      "Address-PostalCode=100\r\nAddress-Country=Japan\r\nEmail=a@b.jp\r\n"
      "Club=JARL\r\nLocation=W1\r\nSoapBox=one<CR><LF>two\r\n"
      "Contest=XX\r\n");
  // The operator changes nothing but the name.
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->name = "Jiro";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  const CabrilloForm& f = Shown();
  EXPECT_EQ(f.operators, "JA1ZZZ JA1YYY");
  EXPECT_EQ(f.name, "Ichiro");
  EXPECT_EQ(f.address, "1-2-3<CR>Chiyoda");  // shown as stored
  EXPECT_EQ(f.addressCity, "Tokyo");
  EXPECT_EQ(f.addressState, "TK");
  EXPECT_EQ(f.addressPostalCode, "100");
  EXPECT_EQ(f.addressCountry, "Japan");
  EXPECT_EQ(f.email, "a@b.jp");
  EXPECT_EQ(f.club, "JARL");
  EXPECT_EQ(f.claimed, "1234");
  EXPECT_EQ(f.location, "DX");
  EXPECT_EQ(f.soapbox, "one\r\ntwo");
  EXPECT_EQ(f.contest, "AADX-SSB");

  // Existing keys keep their places; nothing else changes.
  EXPECT_EQ(SettingsFile(),
            "[Settings]\r\nMode=SSB\r\nClaimed=1234\r\n"
            "Operators=JA1ZZZ JA1YYY\r\nName=Jiro\r\n"
            "Address=1-2-3<CR>Chiyoda\r\nAddress-City=Tokyo\r\n"
            "Address-State=TK\r\nAddress-PostalCode=100\r\n"
            "Address-Country=Japan\r\nEmail=a@b.jp\r\nClub=JARL\r\n"
            "Location=DX\r\nSoapBox=one<CR><LF>two\r\nContest=AADX-SSB\r\n");
}

TEST_F(SetupHeaderTest, NewKeysAreWrittenInTheirOrder) {
  Seed("Mode=CW\r\n");
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->name = "N";
    f->address = "A";
    f->addressCity = "C";
    f->addressState = "S";
    f->addressPostalCode = "P";
    f->addressCountry = "K";
    f->email = "E";
    f->club = "B";
    f->soapbox = "X";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(SettingsFile(),
            "[Settings]\r\nMode=CW\r\nOperators=JA1ZZZ\r\nName=N\r\n"
            "Address=A\r\nAddress-City=C\r\nAddress-State=S\r\n"
            "Address-PostalCode=P\r\nAddress-Country=K\r\n"
            "Contest=AADX-CW\r\nEmail=E\r\nClub=B\r\nLocation=DX\r\n"
            "SoapBox=X\r\n");
}

TEST_F(SetupHeaderTest, OperatorsDefaultToTheCallPassedInNotTheEditedOne) {
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->callsign = "JA1ZZZ/1";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(log_.form.callsign, "JA1ZZZ/1");
  EXPECT_EQ(log_.form.operators, "JA1ZZZ");
  EXPECT_EQ(log_.fileBase, "JA1ZZZ");
  EXPECT_NE(SettingsFile().find("\r\nOperators=JA1ZZZ\r\n"), std::string::npos);
}

TEST_F(SetupHeaderTest, EditsOfClaimedAreDroppedAndOthersTaken) {
  Seed("Claimed=80\r\n");
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->claimed = "999999";
    f->contest = "MY-TEST";
    f->categoryPower = "LOW";
    f->categoryAssisted = "ASSISTED";
    f->location = "W1";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(log_.form.claimed, "80");
  EXPECT_EQ(log_.form.contest, "MY-TEST");
  EXPECT_EQ(log_.form.categoryPower, "LOW");
  EXPECT_EQ(log_.form.categoryAssisted, "ASSISTED");
  EXPECT_EQ(log_.form.location, "W1");
  EXPECT_EQ(settings_.ReadText("Claimed"), "80");
  EXPECT_EQ(settings_.ReadText("Contest"), "MY-TEST");
  EXPECT_EQ(settings_.ReadText("Location"), "W1");
  // The mode stays as set: the edited contest does not touch it.
  EXPECT_EQ(settings_.ReadText("Mode"), "");
}

TEST_F(SetupHeaderTest, CategoriesStartFromTheDefaultsButTheOverlayIsKept) {
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->categoryPower = "QRP";
    f->categoryBand = "20M";
    f->categoryOverlay = "ROOKIE";
    f->location = "ON";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  fake_.desktop.onCabrillo = [](CabrilloForm*) { return true; };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  const CabrilloForm& second = Shown(1);
  EXPECT_EQ(second.categoryPower, "HIGH");
  EXPECT_EQ(second.categoryBand, "ALL");
  EXPECT_EQ(second.location, "DX");
  EXPECT_EQ(second.categoryOverlay, "ROOKIE");
}

TEST_F(SetupHeaderTest, CancelClearsTheExportFlagAndChangesNothing) {
  Seed("Name=Ichiro\r\nAddress=A<CR>B\r\nSoapBox=one<CR><LF>two\r\n");
  const std::string before = SettingsFile();
  const std::vector<std::string> earlier = AddEarlierQso();
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->name = "Jiro";
    return false;
  };
  EXPECT_FALSE(Setup("JA1ZZZ"));
  EXPECT_EQ(exportFlag_, 0);
  EXPECT_EQ(SettingsFile(), before);
  EXPECT_EQ(log_.qsoLines(), earlier);
  EXPECT_EQ(log_.form.name, "Ichiro");
  // The texts as they were read, not prepared for a file.
  EXPECT_EQ(log_.form.soapbox, "one\r\ntwo");
  EXPECT_EQ(log_.form.address, "A<CR>B");
}

TEST_F(SetupHeaderTest, OkEmptiesTheQsoLines) {
  AddEarlierQso();
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_TRUE(log_.qsoLines().empty());
}

TEST_F(SetupHeaderTest, TwoLineSoapboxTravelsAsTokensAndComesBackAsLines) {
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->soapbox = "Good band\r\nThanks";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(settings_.ReadText("SoapBox"), "Good band<CR><LF>Thanks");
  EXPECT_EQ(log_.form.soapbox, "Good band\r\nSOAPBOX: Thanks");

  fake_.desktop.onCabrillo = [](CabrilloForm*) { return true; };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(Shown(1).soapbox, "Good band\r\nThanks");
  EXPECT_EQ(settings_.ReadText("SoapBox"), "Good band<CR><LF>Thanks");
}

TEST_F(SetupHeaderTest, LoneLineBreaksAreKeptApart) {
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->soapbox = "a\nb\rc";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(settings_.ReadText("SoapBox"), "a<LF>b<CR>c");
  EXPECT_EQ(log_.form.soapbox, "ab\r\nSOAPBOX: c");
}

TEST_F(SetupHeaderTest, TypedAddressTokensGiveAddressLines) {
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->address = "Street 1<CR>PO Box 2<CR><LF>Building 3";
    return true;
  };
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(settings_.ReadText("Address"),
            "Street 1<CR>PO Box 2<CR><LF>Building 3");
  EXPECT_EQ(log_.form.address,
            "Street 1\r\nADDRESS: PO Box 2\r\nADDRESS: Building 3");
}

TEST_F(SetupHeaderTest, LongValuesAreReadWhole) {
  const std::string address(150, 'A');
  std::string soapbox;
  for (int i = 0; i < 30; ++i)
    soapbox += "line " + std::to_string(i) + "<CR><LF>";
  Seed("Address=" + address + "\r\nSoapBox=" + soapbox + "\r\n");
  EXPECT_TRUE(Setup("JA1ZZZ"));
  EXPECT_EQ(Shown().address, address);
  EXPECT_EQ(Shown().soapbox,
            ReplaceAll(ReplaceAll(soapbox, "<CR>", "\r"), "<LF>", "\n"));
  EXPECT_EQ(settings_.ReadText("Address"), address);
  EXPECT_EQ(settings_.ReadText("SoapBox"), soapbox);
}

TEST_F(SetupHeaderTest, FileBaseComesFromTheCallPassedIn) {
  fake_.desktop.onCabrillo = [](CabrilloForm* f) {
    f->callsign = "OTHER";
    return true;
  };
  EXPECT_TRUE(Setup(" DL5XYZ/P "));
  EXPECT_EQ(Shown().callsign, " DL5XYZ/P ");
  EXPECT_EQ(log_.fileBase, "DL5XYZ_P");
  EXPECT_TRUE(Setup(""));
  EXPECT_EQ(log_.fileBase, "QZRX");
  EXPECT_TRUE(Setup("con"));
  EXPECT_EQ(log_.fileBase, "con_");
}

}  // namespace
}  // namespace aadx

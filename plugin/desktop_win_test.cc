// The desktop's host version lookup on Windows, against stand-ins of the host
// executable (built beside the tests by cabrillo/CMakeLists.txt) copied into
// a scratch folder under different names.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "base/desktop.h"
#include "tests/test_util.h"
#include "tests/win/window_test_util_win.h"

namespace aadx {
namespace {

namespace fs = std::filesystem;

class HostVersionWinTest : public ::testing::Test {
 protected:
  // Copies stub (TalqStub220, TalqStub315 or TalqStubPlain) into the
  // current folder as name.
  void Place(const std::string& stub, const std::string& name) {
    ASSERT_TRUE(PlaceHostStub(stub, name))
        << "cannot copy " << stub << ".exe (built by cabrillo/CMakeLists.txt)"
        << " from " << ProgramFolder() << " to " << name;
  }
  std::string Version() { return DefaultDesktop()->HostVersionText(); }

  ScopedTempDir dir_;
};

TEST_F(HostVersionWinTest, NoExecutableGivesNoVersion) {
  EXPECT_EQ(Version(), "");
  WriteFileBytes("notes.txt", "Talq");
  EXPECT_EQ(Version(), "");
}

TEST_F(HostVersionWinTest, VersionTwoShowsMajorAndMinor) {
  Place("TalqStub220", "Talq.exe");  // 2.20.0.7
  EXPECT_EQ(Version(), "2.20");
}

TEST_F(HostVersionWinTest, OtherVersionsShowThreeParts) {
  Place("TalqStub315", "Talq.exe");  // 3.1.5.9
  EXPECT_EQ(Version(), "3.1.5");
}

TEST_F(HostVersionWinTest, TheNameNeedsTalqSpelledExactlyAnywhere) {
  Place("TalqStub315", "MyTalqLogger.exe");
  EXPECT_EQ(Version(), "3.1.5");
  fs::remove("MyTalqLogger.exe");
  Place("TalqStub315", "talq.exe");
  Place("TalqStub220", "TALQ2.exe");
  EXPECT_EQ(Version(), "");
}

TEST_F(HostVersionWinTest, OnlyExecutablesAreLookedAt) {
  Place("TalqStub220", "Talq.dll");
  Place("TalqStub220", "Talq.exe.bak");
  EXPECT_EQ(Version(), "");
  Place("TalqStub315", "Talq.exe");
  EXPECT_EQ(Version(), "3.1.5");
}

TEST_F(HostVersionWinTest, OtherExecutablesAreSkipped) {
  Place("TalqStub220", "logger.exe");
  Place("TalqStub220", "setup.exe");
  Place("TalqStub315", "Talq.exe");
  EXPECT_EQ(Version(), "3.1.5");
}

TEST_F(HostVersionWinTest, AnExecutableWithoutVersionResourceGivesNoVersion) {
  Place("TalqStubPlain", "Talq.exe");
  EXPECT_EQ(Version(), "");
  WriteFileBytes("Talq.exe", "not a program");
  EXPECT_EQ(Version(), "");
}

TEST_F(HostVersionWinTest, TheCurrentFolderIsSearchedNotTheProgramFolder) {
  // The test program's own folder holds stand-ins named with "Talq".
  ASSERT_TRUE(fs::exists(fs::path(ProgramFolder()) / "TalqStub220.exe"));
  EXPECT_EQ(Version(), "");
  fs::create_directory("sub");
  Place("TalqStub220", "sub/Talq.exe");
  EXPECT_EQ(Version(), "");
  // A file of the same name as one in the program folder, but another
  // version: the one in the current folder counts.
  Place("TalqStub315", "TalqStub220.exe");
  EXPECT_EQ(Version(), "3.1.5");
}

}  // namespace
}  // namespace aadx

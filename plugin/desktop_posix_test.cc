// The desktop without Windows: warnings reach stderr, information stays
// quiet; the header dialog types what AADX_CABRILLO_DIALOG_INPUT holds into
// the controls by their labels, and presses OK.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/desktop.h"
#include "cabrillo/cabrillo_form.h"

namespace aadx {
namespace {

TEST(PosixDesktopTest, WarningNoticesReachStderr) {
  struct Case {
    MessageIcon icon;
    const char* text;
    const char* stderrText;
  };
  const Case cases[] = {
      {MessageIcon::kWarning,
       "File not produced: JA1QZX.cbr\nThe file could not be created.",
       "Output: File not produced: JA1QZX.cbr\nThe file could not be "
       "created.\n"},
      {MessageIcon::kInformation, "File produced: JA1QZX.cbr", ""},
  };
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    DefaultDesktop()->ShowMessage(c.text, "Output", c.icon);
    EXPECT_EQ(c.stderrText, testing::internal::GetCapturedStderr()) << c.text;
  }
}

TEST(PosixDesktopTest, TypesIntoEnabledControlsByLabel) {
  setenv("AADX_CABRILLO_DIALOG_INPUT",
         "CATEGORY-POWER=LOW\nE-MAIL=p@x.org\n"
         "ADDRESS-STATE-PROVINCE=MA\nCATEGORY-STATION=PORTABLE\n"
         "LOCATION=W1\nEMAIL=wrong\nNAME\nCLUB=a=b\n",
         1);
  CabrilloForm form;
  form.categoryStation = "FIXED";
  form.location = "DX";
  form.email = "old";
  EXPECT_TRUE(DefaultDesktop()->RunCabrilloDialog(&form));
  unsetenv("AADX_CABRILLO_DIALOG_INPUT");
  EXPECT_EQ("LOW", form.categoryPower);
  EXPECT_EQ("p@x.org", form.email);
  EXPECT_EQ("MA", form.addressState);
  EXPECT_EQ("a=b", form.club);
  // Disabled controls and lines without a control's label change nothing.
  EXPECT_EQ("FIXED", form.categoryStation);
  EXPECT_EQ("DX", form.location);
  EXPECT_EQ("", form.name);
}

}  // namespace
}  // namespace aadx

// The message box stand-in: warnings reach stderr, information stays quiet.
#include <gtest/gtest.h>

#include "ui/dialogs.h"

namespace aadx {
namespace {

TEST(PosixDialogsTest, WarningNoticesReachStderr) {
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
    DefaultDialogs()->ShowMessage(c.text, "Output", c.icon);
    EXPECT_EQ(c.stderrText, testing::internal::GetCapturedStderr()) << c.text;
  }
}

}  // namespace
}  // namespace aadx

#include "base/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace {

// Records every value the settings pass to the profile; the rest of the
// desktop is the real one.
class RecordingProfile : public DesktopWrapper {
 public:
  RecordingProfile() : DesktopWrapper(DefaultDesktop()) {}
  std::vector<std::string> written;
  Status WriteProfile(const std::string&, const std::string&,
                      const std::string&, const std::string& value) override {
    written.push_back(value);
    return Status::OK();
  }
};

TEST(SettingsTest, EachLineBreakOfAValueIsWrittenAsOneBlank) {
  struct Case {
    std::string value, written;
  } cases[] = {
      {"DL5XYZ", "DL5XYZ"},
      {"DL5XYZ\r\n[Evil]\r\nMode=CW", "DL5XYZ [Evil] Mode=CW"},
      {"A\rB\nC\n\rD", "A B C  D"},
      {"\r\n\r\n", "  "},
      {"Line one<CR><LF>Line two", "Line one<CR><LF>Line two"},
      {std::string("A\0B\tC", 5), std::string("A\0B\tC", 5)},
  };
  RecordingProfile profile;
  Settings settings(&profile);
  for (const Case& c : cases)
    EXPECT_TRUE(settings.WriteText("Key", c.value).ok());
  ASSERT_EQ(profile.written.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(profile.written[i], cases[i].written) << i;
  }
}

TEST(SettingsTest, AValueWithLineBreaksAddsNothingToTheSettingsFile) {
  ScopedTempDir dir;
  WriteSetting("Mode", "SSB");
  Settings settings(DefaultDesktop());
  ASSERT_TRUE(
      settings.WriteText("Operators", "DL5XYZ\r\n[Evil]\r\nMode=CW\nName=X\r")
          .ok());
  EXPECT_EQ(ReadFileBytes(SettingsFilePath()),
            "[Settings]\r\nMode=SSB\r\n"
            "Operators=DL5XYZ [Evil] Mode=CW Name=X \r\n");
  EXPECT_EQ(settings.ReadText("Mode"), "SSB");
}

}  // namespace
}  // namespace aadx

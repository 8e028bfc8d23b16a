#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace {

namespace fs = std::filesystem;

struct LookupCase {
  const char* content;
  const char* section;
  const char* key;
  bool found;
  const char* value;  // When found.
};

void ExpectLookups(const std::vector<LookupCase>& cases) {
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "content \"" << c.content << "\" section \"" << c.section
                 << "\" key \"" << c.key << "\"");
    std::string value = "untouched";
    EXPECT_EQ(c.found, IniLookup(c.content, c.section, c.key, &value));
    EXPECT_EQ(c.found ? c.value : "untouched", value);
  }
}

struct UpdateCase {
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

void ExpectUpdates(const std::vector<UpdateCase>& cases) {
  for (const UpdateCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "before \"" << c.before << "\" section \"" << c.section
                 << "\" key \"" << c.key << "\" value \"" << c.value << "\"");
    EXPECT_EQ(c.after, IniUpdate(c.before, c.section, c.key, c.value));
  }
}

TEST(IniLookupTest, NamesMatchIgnoringAsciiCaseAndSurroundingBlanks) {
  ExpectLookups({
      {"[Settings]\r\nCall=JA1ABC\r\n", "Settings", "Call", true, "JA1ABC"},
      {"[Settings]\r\nCall=JA1ABC\r\n", "SETTINGS", "cAlL", true, "JA1ABC"},
      {"[sEtTiNgS]\r\ncall=JA1ABC\r\n", "Settings", "CALL", true, "JA1ABC"},
      {"[Settings]\r\nCall=JA1ABC\r\n", " \tSettings\t ", "\t Call ", true,
       "JA1ABC"},
      {"[ \tSettings\t ]\r\n \t Call \t =JA1ABC\r\n", "Settings", "Call", true,
       "JA1ABC"},
      {"  \t[Settings]\t  \r\nCall=JA1ABC\r\n", "Settings", "Call", true,
       "JA1ABC"},
      {"[Settings] trailing text\r\nCall=1\r\n", "Settings", "Call", true, "1"},
      {"[Settings]\r\nCall=1\r\n", "Setting", "Call", false, ""},
      {"[Settings]\r\nCall=1\r\n", "Settings", "Cal", false, ""},
      {"[Settings]\r\nCall=1\r\n", "Settings", "Call2", false, ""},
      {"[Settings]\r\nCall=1\r\n", "Set tings", "Call", false, ""},
      // Only ASCII letters fold: Latin-1 capital and small A-umlaut differ.
      {"[\xC4]\r\nk=1\r\n", "\xE4", "k", false, ""},
      {"[\xC4]\r\nk=1\r\n", "\xC4", "K", true, "1"},
      {"[s]\r\n\xE9t\xE9=1\r\n", "s", "\xC9T\xC9", false, ""},
      // Empty names match nothing.
      {"[]\r\n=1\r\n", "", "", false, ""},
      {"[s]\r\n=1\r\n", "s", " ", false, ""},
  });
}

TEST(IniLookupTest, ValuesAreTrimmedAndLoseOnePairOfOuterQuotes) {
  ExpectLookups({
      {"[s]\r\nk=  value  \r\n", "s", "k", true, "value"},
      {"[s]\r\nk=\t value \t\r\n", "s", "k", true, "value"},
      {"[s]\r\nk = two  words \r\n", "s", "k", true, "two  words"},
      {"[s]\r\nk=\r\n", "s", "k", true, ""},
      {"[s]\r\nk=  \t \r\n", "s", "k", true, ""},
      {"[s]\r\nk=\"quoted\"\r\n", "s", "k", true, "quoted"},
      {"[s]\r\nk='quoted'\r\n", "s", "k", true, "quoted"},
      {"[s]\r\nk= \" blanks kept \" \r\n", "s", "k", true, " blanks kept "},
      {"[s]\r\nk=\"\"\r\n", "s", "k", true, ""},
      {"[s]\r\nk=''''\r\n", "s", "k", true, "''"},
      {"[s]\r\nk=\"a\"b\"\r\n", "s", "k", true, "a\"b"},
      {"[s]\r\nk=\"mixed'\r\n", "s", "k", true, "\"mixed'"},
      {"[s]\r\nk=\"open\r\n", "s", "k", true, "\"open"},
      {"[s]\r\nk=close\"\r\n", "s", "k", true, "close\""},
      {"[s]\r\nk=\"\r\n", "s", "k", true, "\""},
      {"[s]\r\nk=in\"side\"\r\n", "s", "k", true, "in\"side\""},
      {"[s]\r\na=b=c\r\n", "s", "a", true, "b=c"},
      {"[s]\r\na==\r\n", "s", "a", true, "="},
      {"[s]\r\nk=value ; not a comment\r\n", "s", "k", true,
       "value ; not a comment"},
      {"[s]\r\nk=;\r\n", "s", "k", true, ";"},
      {"[s]\r\nk=[not a section]\r\n", "s", "k", true, "[not a section]"},
  });
}

TEST(IniLookupTest, CommentsAndLinesWithoutEqualsHoldNoKeys) {
  ExpectLookups({
      {"[s]\r\n;k=1\r\n", "s", "k", false, ""},
      {"[s]\r\n \t;k=1\r\n", "s", "k", false, ""},
      {"[s]\r\n;k=1\r\n", "s", ";k", false, ""},
      {"[s]\r\n;k=1\r\nk=2\r\n", "s", "k", true, "2"},
      {";[s]\r\nk=1\r\n", "s", "k", false, ""},
      {"[s]\r\nk\r\n", "s", "k", false, ""},
      {"[s]\r\nk\r\nk=2\r\n", "s", "k", true, "2"},
      {"[s]\r\n#k=1\r\n", "s", "#k", true, "1"},
  });
}

TEST(IniLookupTest, FirstSectionAndFirstKeyWin) {
  ExpectLookups({
      {"[s]\r\nk=first\r\nk=second\r\n", "s", "k", true, "first"},
      {"[s]\r\nK=first\r\nk=second\r\n", "s", "k", true, "first"},
      {"[s]\r\nk=\r\nk=second\r\n", "s", "k", true, ""},
      {"[s]\r\nk=first\r\n[s]\r\nk=second\r\n", "s", "k", true, "first"},
      // A later section of the same name is not consulted.
      {"[s]\r\na=1\r\n[S]\r\nk=second\r\n", "s", "k", false, ""},
  });
}

TEST(IniLookupTest, KeysBelongToTheSectionAboveThem) {
  ExpectLookups({
      {"k=1\r\n[s]\r\n", "s", "k", false, ""},
      {"[t]\r\nk=1\r\n[s]\r\nj=2\r\n", "s", "k", false, ""},
      {"[s]\r\nj=2\r\n[t]\r\nk=1\r\n", "s", "k", false, ""},
      {"[s]\r\nj=2\r\n[t]\r\nk=1\r\n", "t", "k", true, "1"},
      {"[s]\r\n\r\n; note\r\n\r\nk=1\r\n", "s", "k", true, "1"},
      // A '[' line without ']' is no header: its key stays in [s].
      {"[s]\r\n[t\r\nk=1\r\n", "s", "k", true, "1"},
      {"[s]\r\n[t\r\nk=1\r\n", "t", "k", false, ""},
      {"[s]\r\n[t=x\r\n", "s", "[t", true, "x"},
      {"[s]\r\n[]\r\nk=1\r\n", "s", "k", false, ""},
  });
}

TEST(IniLookupTest, ReadsCrLfLfAndCrLineBreaks) {
  const std::vector<std::string> breaks = {"\r\n", "\n", "\r", "\r\r\n",
                                           "\n\n"};
  for (const std::string& br : breaks) {
    SCOPED_TRACE(testing::Message() << "break of " << br.size() << " bytes");
    const std::string content = "; head" + br + "[a]" + br + "x=1" + br + br +
                                "[s]" + br + "k = v " + br + "j=\"w\"" + br +
                                "[t]" + br + "k=other";
    std::string value;
    ASSERT_TRUE(IniLookup(content, "s", "k", &value));
    EXPECT_EQ("v", value);
    ASSERT_TRUE(IniLookup(content, "s", "j", &value));
    EXPECT_EQ("w", value);
    ASSERT_TRUE(IniLookup(content, "a", "x", &value));
    EXPECT_EQ("1", value);
    ASSERT_TRUE(IniLookup(content, "t", "k", &value));
    EXPECT_EQ("other", value);
    EXPECT_FALSE(IniLookup(content, "s", "x", &value));
  }
  ExpectLookups({
      {"[s]\nk=lf\r\nj=crlf\rm=cr", "s", "k", true, "lf"},
      {"[s]\nk=lf\r\nj=crlf\rm=cr", "s", "j", true, "crlf"},
      {"[s]\nk=lf\r\nj=crlf\rm=cr", "s", "m", true, "cr"},
  });
}

TEST(IniLookupTest, BytesPassThroughUndecoded) {
  ExpectLookups({
      {"[s]\r\nk=caf\xC3\xA9 \xFF\x80\r\n", "s", "k", true,
       "caf\xC3\xA9 \xFF\x80"},
      {"[s]\r\nk=\x7F\x01\r\n", "s", "k", true, "\x7F\x01"},
      // A UTF-8 byte order mark is part of the first line: the section
      // header behind it is not recognized.
      {"\xEF\xBB\xBF[Settings]\r\nk=1\r\n", "Settings", "k", false, ""},
      {"\xEF\xBB\xBF\r\n[Settings]\r\nk=1\r\n", "Settings", "k", true, "1"},
      {"\xEF\xBB\xBFk=1\r\n[Settings]\r\nk=2\r\n", "Settings", "k", true, "2"},
  });
}

TEST(IniLookupTest, ValuesOfAnyLengthAreReturnedWhole) {
  std::string longValue;
  for (int i = 0; i < 5000; ++i) longValue += static_cast<char>('a' + i % 26);
  std::string value;
  ASSERT_TRUE(
      IniLookup("[s]\r\nk=" + longValue + "\r\nj=2\r\n", "s", "k", &value));
  EXPECT_EQ(longValue, value);
}

TEST(IniUpdateTest, EmptyTextBecomesTheNewFileFormAndEmptyNamesChangeNothing) {
  ExpectUpdates({
      {"", "Settings", "Key", "Value", "[Settings]\r\nKey=Value\r\n"},
      {"", "Settings", "Key", "", "[Settings]\r\nKey=\r\n"},
      // Names are written without their surrounding blanks, values as given.
      {"", " Settings\t", "\tKey ", " v ", "[Settings]\r\nKey= v \r\n"},
      {"[s]\r\nk=1\r\n", "", "k", "v", "[s]\r\nk=1\r\n"},
      {"[s]\r\nk=1\r\n", "s", "", "v", "[s]\r\nk=1\r\n"},
      {"[s]\r\nk=1\r\n", " \t", "k", "v", "[s]\r\nk=1\r\n"},
      {"[s]\r\nk=1\r\n", "s", "\t ", "v", "[s]\r\nk=1\r\n"},
  });
}

TEST(IniUpdateTest, ChangesOnlyTheValueOfTheFirstMatchingKey) {
  ExpectUpdates({
      {"[s]\r\nk=old\r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
      {"[s]\r\nk=old\r\n", "S", "K", "new", "[s]\r\nk=new\r\n"},
      {"[s]\r\n  Key \t=  old \t\r\n", "s", "key", "new",
       "[s]\r\n  Key \t=  new \t\r\n"},
      {"[s]\r\nk=\"quoted old\"\r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
      {"[s]\r\nk=\r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
      {"[s]\r\nk=  \r\n", "s", "k", "new", "[s]\r\nk=new  \r\n"},
      {"[s]\r\nk=a=b\r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
      {"[s]\r\nk=1 ; note\r\n", "s", "k", "2", "[s]\r\nk=2\r\n"},
      {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "new", "[s]\r\nk=new\r\nk=2\r\n"},
      {"[s]\r\nk=1\r\n[s]\r\nk=2\r\n", "s", "k", "new",
       "[s]\r\nk=new\r\n[s]\r\nk=2\r\n"},
      {"[s]\r\nk=old\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
      {"[s]\r\nk=old", "s", "k", "new", "[s]\r\nk=new"},
      {"[s]\nk=old\nj=1\n", "s", "k", "new", "[s]\nk=new\nj=1\n"},
      {"[s]\rk=old\rj=1\r", "s", "k", "new", "[s]\rk=new\rj=1\r"},
      {"[t]\r\nk=other\r\n[s]\r\nk=old\r\n", "s", "k", "new",
       "[t]\r\nk=other\r\n[s]\r\nk=new\r\n"},
      {"[s]\r\n;k=comment\r\nk=old\r\n", "s", "k", "new",
       "[s]\r\n;k=comment\r\nk=new\r\n"},
      {"[Other]\r\nMode=x\r\n [ settings ]\r\n; Mode=old\r\n  MODE =CW\r\n"
       "Mode=second\r\n",
       "Settings", "Mode", "SSB",
       "[Other]\r\nMode=x\r\n [ settings ]\r\n; Mode=old\r\n  MODE =SSB\r\n"
       "Mode=second\r\n"},
  });
}

TEST(IniUpdateTest, NewKeyGoesAfterTheLastNonBlankLineOfItsSection) {
  ExpectUpdates({
      {"[s]\r\na=1\r\n", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
      {"[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n\r\n[t]\r\nb=2\r\n"},
      {"[s]\r\na=1\r\n \t\r\n\r\n[t]\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n \t\r\n\r\n[t]\r\n"},
      {"[s]\r\n[t]\r\n", "s", "k", "v", "[s]\r\nk=v\r\n[t]\r\n"},
      {"[s]\r\n\r\n[t]\r\n", "s", "k", "v", "[s]\r\nk=v\r\n\r\n[t]\r\n"},
      {"[s]\r\na=1\r\n\r\n\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n\r\n\r\n"},
      {"[s]\r\na=1\r\n; about t\r\n[t]\r\n", "s", "k", "v",
       "[s]\r\na=1\r\n; about t\r\nk=v\r\n[t]\r\n"},
      {"[s]\r\na=1\r\nstray line\r\n\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nstray line\r\nk=v\r\n\r\n"},
      // The last line has no break: one is added before the new key.
      {"[s]\r\na=1", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
      {"[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
      // New lines end with CR LF whatever the other lines use.
      {"[s]\na=1\n\n[t]\n", "s", "k", "v", "[s]\na=1\nk=v\r\n\n[t]\n"},
      {"[s]\ra=1\r\r[t]\r", "s", "k", "v", "[s]\ra=1\rk=v\r\n\r[t]\r"},
      // Only the first section of a name is written to.
      {"[s]\r\na=1\r\n[S]\r\nk=2\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n[S]\r\nk=2\r\n"},
      {"[s]\r\na=1\r\n", "s", "\tk ", "v", "[s]\r\na=1\r\nk=v\r\n"},
  });
}

TEST(IniUpdateTest, NewSectionGoesAtTheEndOfTheText) {
  ExpectUpdates({
      {"[t]\r\nb=2\r\n", "s", "k", "v", "[t]\r\nb=2\r\n[s]\r\nk=v\r\n"},
      {"[t]\r\nb=2", "s", "k", "v", "[t]\r\nb=2\r\n[s]\r\nk=v\r\n"},
      {"[t]\nb=2\n\n", "s", "k", "v", "[t]\nb=2\n\n[s]\r\nk=v\r\n"},
      {"[t]\rb=2\r", "s", "k", "v", "[t]\rb=2\r[s]\r\nk=v\r\n"},
      {"; only a comment", "s", "k", "v", "; only a comment\r\n[s]\r\nk=v\r\n"},
      {"k=1\r\n", "s", "k", "v", "k=1\r\n[s]\r\nk=v\r\n"},
      {"[s]\r\n", " s ", "k", "v", "[s]\r\nk=v\r\n"},
      {"[t]\r\n", "\ts ", "k", "v", "[t]\r\n[s]\r\nk=v\r\n"},
      // The header behind a byte order mark is not found, so a new
      // section is added, as on Windows.
      {"\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", "v",
       "\xEF\xBB\xBF[s]\r\nk=1\r\n[s]\r\nk=v\r\n"},
  });
}

TEST(IniUpdateTest, KeepsEveryOtherByteOfAHandEditedFile) {
  // The file with its Call line and the line after "Text" filled in.
  const auto file = [](const std::string& call, const std::string& added) {
    return "; AADX settings, edited by hand\n"
           "[Other]\r\n"
           "Call = keep me\r\n"
           "\r\n"
           "  [SETTINGS]  ; the plug-in's\r\n"
           "\tCALL\t=\t" +
           call +
           "\t\r\n"
           ";Mode=comment\r\n"
           "Mode=1\n"
           "Text=a;b\r" +
           added +
           "\r\n"
           "[Tail]\r\n"
           "x=y";
  };
  const std::string before = file("\"JA1ABC\"", "");
  EXPECT_EQ(file("JA9XYZ", ""),
            IniUpdate(before, "Settings", "Call", "JA9XYZ"));
  EXPECT_EQ(file("\"JA1ABC\"", "Start=19.06\r\n"),
            IniUpdate(before, "Settings", "Start", "19.06"));
  EXPECT_EQ(before + "\r\n[New]\r\nk=v\r\n",
            IniUpdate(before, "New", "k", "v"));
}

TEST(IniUpdateTest, WrittenValuesReadBackAndOthersStay) {
  const std::vector<std::string> contents = {
      "",
      "[Settings]\r\nCall=JA1ABC\r\nMode=1\r\n\r\n[Other]\r\nCall=x\r\n",
      "[other]\nMode=7\n[settings]\nmode = 0\n\n",
      "; c\r[SETTINGS]\rCall='q'\rCall=dup\r",
      "[Settings]\r\nMode=1",
  };
  const std::vector<std::pair<std::string, std::string>> probes = {
      {"Settings", "Call"}, {"Settings", "Mode"}, {"Settings", "Start"},
      {"Other", "Call"},    {"Other", "Mode"},    {"New", "Call"},
  };
  const std::vector<std::string> values = {"", "JA9XYZ", "a=b;c",
                                           std::string(300, 'x'), "\xE9"};
  for (const std::string& content : contents) {
    for (const auto& target : probes) {
      for (const std::string& value : values) {
        SCOPED_TRACE(testing::Message()
                     << "content \"" << content << "\" writing ["
                     << target.first << "] " << target.second);
        const std::string updated =
            IniUpdate(content, target.first, target.second, value);
        std::string read;
        ASSERT_TRUE(IniLookup(updated, target.first, target.second, &read));
        EXPECT_EQ(value, read);
        for (const auto& other : probes) {
          if (other == target) continue;
          std::string before;
          std::string after;
          const bool wasThere =
              IniLookup(content, other.first, other.second, &before);
          EXPECT_EQ(wasThere,
                    IniLookup(updated, other.first, other.second, &after));
          EXPECT_EQ(before, after);
        }
      }
    }
  }
}

TEST(IniUpdateTest, ValuesWithLineBreaksAreWrittenAsGiven) {
  // The plug-in never writes these; the text is written unchanged, so the
  // value reads back only up to the break.
  const std::string updated = IniUpdate("", "s", "k", "one\r\ntwo=2");
  EXPECT_EQ("[s]\r\nk=one\r\ntwo=2\r\n", updated);
  std::string value;
  ASSERT_TRUE(IniLookup(updated, "s", "k", &value));
  EXPECT_EQ("one", value);
}

TEST(IniPathTest, BackslashesBecomeSlashes) {
  ExpectTexts(IniPathFromProfileName,
              {{"Plugins\\AADX.ini", "Plugins/AADX.ini"},
               {"a\\b/c.ini", "a/b/c.ini"},
               {"AADX.ini", "AADX.ini"},
               {"/tmp/x.ini", "/tmp/x.ini"},
               {"", ""}});
}

// Runs each test in a fresh empty folder that is also the current
// directory, so that relative profile names land inside it.
class IniFileTest : public testing::Test {
 protected:
  ScopedTempDir temp_{ScopedTempDir::kEmpty};
  const fs::path dir_ = temp_.path();
};

TEST_F(IniFileTest, WriteCreatesAMissingFileInTheNamedFolder) {
  fs::create_directory("Plugins");
  ASSERT_TRUE(
      IniWriteFile("Plugins\\AADX.ini", "Settings", "Key", "Value").ok());
  EXPECT_EQ("[Settings]\r\nKey=Value\r\n",
            ReadFileBytes(dir_ / "Plugins" / "AADX.ini"));
  std::string value;
  ASSERT_TRUE(IniReadFile("Plugins\\AADX.ini", "settings", "KEY", &value));
  EXPECT_EQ("Value", value);
}

TEST_F(IniFileTest, WritesAFileNamedByItsAbsolutePath) {
  const std::string path = (dir_ / "settings.ini").string();
  ASSERT_TRUE(IniWriteFile(path, "Settings", "Name", "Ann").ok());
  ASSERT_TRUE(IniWriteFile(path, "Settings", "Mode", "CW").ok());
  EXPECT_EQ("[Settings]\r\nName=Ann\r\nMode=CW\r\n", ReadFileBytes(path));
}

TEST_F(IniFileTest, WriteIntoAMissingFolderFailsAndCreatesNothing) {
  EXPECT_EQ(
      Status::Code::kNotCreated,
      IniWriteFile("Plugins\\AADX.ini", "Settings", "Key", "Value").code());
  EXPECT_FALSE(fs::exists(dir_ / "Plugins"));
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(IniFileTest, ReadFailsForAMissingFileOrKey) {
  std::string value = "untouched";
  EXPECT_FALSE(IniReadFile("Plugins\\AADX.ini", "Settings", "Key", &value));
  EXPECT_FALSE(IniReadFile("AADX.ini", "Settings", "Key", &value));
  fs::create_directory("Plugins");
  WriteFileBytes(dir_ / "Plugins" / "AADX.ini", "[Settings]\r\nKey=1\r\n");
  EXPECT_FALSE(IniReadFile("Plugins\\AADX.ini", "Settings", "Other", &value));
  EXPECT_FALSE(IniReadFile("Plugins\\AADX.ini", "Other", "Key", &value));
  EXPECT_EQ("untouched", value);
}

TEST_F(IniFileTest, NamesResolveAgainstTheCurrentDirectory) {
  fs::create_directories("a/Plugins");
  fs::create_directories("b/Plugins");
  fs::current_path(dir_ / "a");
  ASSERT_TRUE(
      IniWriteFile("Plugins\\AADX.ini", "Settings", "Key", "in a").ok());
  fs::current_path(dir_ / "b");
  std::string value;
  EXPECT_FALSE(IniReadFile("Plugins\\AADX.ini", "Settings", "Key", &value));
  ASSERT_TRUE(
      IniReadFile("..\\a\\Plugins\\AADX.ini", "Settings", "Key", &value));
  EXPECT_EQ("in a", value);
  EXPECT_TRUE(fs::exists(dir_ / "a" / "Plugins" / "AADX.ini"));
  EXPECT_FALSE(fs::exists(dir_ / "b" / "Plugins" / "AADX.ini"));
}

TEST_F(IniFileTest, WritesEditAnExistingFileInPlace) {
  fs::create_directory("Plugins");
  const fs::path file = dir_ / "Plugins" / "AADX.ini";
  WriteFileBytes(
      file, "; kept\n[Settings]\nCall = \"JA1ABC\"\nMode=0\n\n[Other]\nx=1");
  ASSERT_TRUE(
      IniWriteFile("Plugins\\AADX.ini", "Settings", "Call", "JA9XYZ").ok());
  ASSERT_TRUE(
      IniWriteFile("Plugins\\AADX.ini", "Settings", "Start", "19.06").ok());
  ASSERT_TRUE(
      IniWriteFile("Plugins\\AADX.ini", "Cabrillo", "Name", "Taro").ok());
  EXPECT_EQ(
      "; kept\n[Settings]\nCall = JA9XYZ\nMode=0\nStart=19.06\r\n\n"
      "[Other]\nx=1\r\n[Cabrillo]\r\nName=Taro\r\n",
      ReadFileBytes(file));
  std::string value;
  ASSERT_TRUE(IniReadFile("Plugins\\AADX.ini", "Settings", "Mode", &value));
  EXPECT_EQ("0", value);
  ASSERT_TRUE(IniReadFile("Plugins\\AADX.ini", "Other", "x", &value));
  EXPECT_EQ("1", value);
}

TEST_F(IniFileTest, RoundTripsLongValuesAndRawBytes) {
  std::string longValue;
  for (int i = 0; i < 3000; ++i) {
    longValue += static_cast<char>(' ' + 1 + i % 94);
  }
  const std::string rawBytes = "\xC4\xE9\xFF\x80 x";
  ASSERT_TRUE(IniWriteFile("AADX.ini", "Settings", "Long", longValue).ok());
  ASSERT_TRUE(IniWriteFile("AADX.ini", "Settings", "Raw", rawBytes).ok());
  std::string value;
  ASSERT_TRUE(IniReadFile("AADX.ini", "Settings", "Long", &value));
  EXPECT_EQ(longValue, value);
  ASSERT_TRUE(IniReadFile("AADX.ini", "Settings", "Raw", &value));
  EXPECT_EQ(rawBytes, value);
  EXPECT_EQ("[Settings]\r\nLong=" + longValue + "\r\nRaw=" + rawBytes + "\r\n",
            ReadFileBytes(dir_ / "AADX.ini"));
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileFailsBothWays) {
  fs::create_directories("Plugins/AADX.ini");
  std::string value;
  EXPECT_FALSE(IniReadFile("Plugins\\AADX.ini", "Settings", "Key", &value));
  EXPECT_FALSE(IniWriteFile("Plugins\\AADX.ini", "Settings", "Key", "v").ok());
  EXPECT_TRUE(fs::is_directory(dir_ / "Plugins" / "AADX.ini"));
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNotReplaced) {
  const fs::path file = dir_ / "AADX.ini";
  WriteFileBytes(file, "[Settings]\r\nKey=1\r\n");
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::replace);
  const bool readable = std::ifstream(file).is_open();
  if (!readable) {
    EXPECT_EQ(Status::Code::kNotWritten,
              IniWriteFile("AADX.ini", "Settings", "Other", "2").code());
  }
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write,
                  fs::perm_options::replace);
  if (readable) GTEST_SKIP() << "files stay readable for this user";
  EXPECT_EQ("[Settings]\r\nKey=1\r\n", ReadFileBytes(file));
}

#ifndef _WIN32
TEST_F(IniFileTest, AWriteCutShortKeepsEveryEarlierKey) {
  for (int i = 0; i < 60; ++i) {
    ASSERT_TRUE(IniWriteFile("AADX.ini", "Settings", "Key" + std::to_string(i),
                             std::string(30, 'v'))
                    .ok());
  }
  const std::string before = ReadFileBytes(dir_ / "AADX.ini");
  ASSERT_GT(before.size(), 2000u);
  {
    ScopedFileSizeLimit fullDisk(1000);
    EXPECT_EQ(Status::Code::kNotWritten,
              IniWriteFile("AADX.ini", "Settings", "Claimed", "42").code());
  }
  EXPECT_EQ(before, ReadFileBytes(dir_ / "AADX.ini"));
}
#endif

TEST_F(IniFileTest, WriteWithAnEmptyNameFailsAndCreatesNothing) {
  EXPECT_EQ(Status::Code::kInvalidArgument,
            IniWriteFile("AADX.ini", "", "Key", "v").code());
  EXPECT_EQ(Status::Code::kInvalidArgument,
            IniWriteFile("AADX.ini", "Settings", " ", "v").code());
  EXPECT_FALSE(fs::exists(dir_ / "AADX.ini"));
}

}  // namespace
}  // namespace aadx

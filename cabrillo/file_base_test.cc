#include "cabrillo/file_base.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace {

// Separators become underscores, and so do the characters Windows refuses;
// blanks, control characters among them, are trimmed first; nothing left
// gives the fixed name. Device names, in any case and also before a dot as
// Windows reads them, get an underscore; names only like them stay.
TEST(FileBaseTest, CallsBecomeNamesWindowsAccepts) {
  const std::vector<TextCase> cases = {
      {"DL5XYZ/P", "DL5XYZ_P"},
      {"DL5XYZ\\P", "DL5XYZ_P"},
      {"  JA1ZZZ \t", "JA1ZZZ"},
      {"\tJA1ZZZ\r\n", "JA1ZZZ"},
      {" / ", "_"},
      {"VK2-AB.x y", "VK2-AB.x y"},
      {"JA1\xC4Z", "JA1\xC4Z"},
      {"", "QZRX"},
      {" \t ", "QZRX"},
      {"A:B*C?D\"E<F>G|H", "A_B_C_D_E_F_G_H"},
      {"JA1\tZZZ", "JA1_ZZZ"},
      {"\vJA1\f", "JA1"},
      {"con", "con_"},
      {"Lpt5", "Lpt5_"},
      {" nul ", "nul_"},
      {"AUX.1", "AUX_.1"},
      {"CON .1", "CON_ .1"},
      {"conout$.x", "conout$_.x"},
      {"com\xB2", "com\xB2_"},
      {"/CON", "_CON"},
      {"CON/P", "CON_P"},
  };
  ExpectTexts(CabrilloFileBase, cases);
  EXPECT_EQ("A_B_C_", CabrilloFileBase("A\x01"
                                       "B\x1F"
                                       "C\x7F"));
}

TEST(FileBaseTest, DeviceNamesGetAnUnderscoreAndLookalikesStay) {
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "COM1", "COM9", "LPT1",
                             "LPT9", "CONIN$", "CONOUT$", "COM\xB9", "COM\xB2",
                             "COM\xB3", "LPT\xB9", "LPT\xB2", "LPT\xB3"}) {
    EXPECT_EQ(CabrilloFileBase(device), std::string(device) + "_");
  }
  for (const char* name :
       {"COM0", "COM10", "LPT", "CONX", "XCON", "NULL", "_CON", "CO N", "CONIN",
        "CONOUT", "CONIN$$", "COM\xB4", "LPT\xB9\xB9"}) {
    EXPECT_EQ(CabrilloFileBase(name), name);
  }
}

TEST(FileBaseTest, LongCallsAreCutToTheLimit) {
  std::string call(300, 'W');
  EXPECT_EQ(CabrilloFileBase(call), std::string(kFileBaseMaxLength, 'W'));
  EXPECT_EQ(CabrilloFileBase(std::string(kFileBaseMaxLength, 'K')),
            std::string(kFileBaseMaxLength, 'K'));
  // The cut comes before the repairs, so a device name keeps its mark.
  EXPECT_EQ(CabrilloFileBase("AUX." + call), "AUX_." + call.substr(0, 60));
}

}  // namespace
}  // namespace aadx

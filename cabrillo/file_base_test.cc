#include "cabrillo/file_base.h"

#include <gtest/gtest.h>

namespace aadx {
namespace {

TEST(FileBaseTest, SeparatorsBecomeUnderscoresAndBlanksAreTrimmed) {
  EXPECT_EQ(CabrilloFileBase("DL5XYZ/P"), "DL5XYZ_P");
  EXPECT_EQ(CabrilloFileBase("DL5XYZ\\P"), "DL5XYZ_P");
  EXPECT_EQ(CabrilloFileBase("  JA1ZZZ \t"), "JA1ZZZ");
  EXPECT_EQ(CabrilloFileBase("\tJA1ZZZ\r\n"), "JA1ZZZ");
  EXPECT_EQ(CabrilloFileBase(" / "), "_");
  EXPECT_EQ(CabrilloFileBase("VK2-AB.x y"), "VK2-AB.x y");
  EXPECT_EQ(CabrilloFileBase("JA1\xC4Z"), "JA1\xC4Z");
}

TEST(FileBaseTest, NothingLeftGivesTheFixedName) {
  EXPECT_EQ(CabrilloFileBase(""), "QZRX");
  EXPECT_EQ(CabrilloFileBase(" \t "), "QZRX");
}

TEST(FileBaseTest, CharactersWindowsRefusesBecomeUnderscores) {
  EXPECT_EQ(CabrilloFileBase("A:B*C?D\"E<F>G|H"), "A_B_C_D_E_F_G_H");
  EXPECT_EQ(CabrilloFileBase(std::string("A\x01"
                                         "B\x1F"
                                         "C\x7F",
                                         6)),
            "A_B_C_");
  EXPECT_EQ(CabrilloFileBase("JA1\tZZZ"), "JA1_ZZZ");
  // Control characters at the ends are blanks and are trimmed first.
  EXPECT_EQ(CabrilloFileBase("\vJA1\f"), "JA1");
}

TEST(FileBaseTest, DeviceNamesGetAnUnderscoreInAnyCase) {
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "COM1", "COM9", "LPT1",
                             "LPT9", "CONIN$", "CONOUT$", "COM\xB9", "COM\xB2",
                             "COM\xB3", "LPT\xB9", "LPT\xB2", "LPT\xB3"}) {
    EXPECT_EQ(CabrilloFileBase(device), std::string(device) + "_");
  }
  EXPECT_EQ(CabrilloFileBase("con"), "con_");
  EXPECT_EQ(CabrilloFileBase("Lpt5"), "Lpt5_");
  EXPECT_EQ(CabrilloFileBase(" nul "), "nul_");
  // Windows takes the part before a dot for the device too.
  EXPECT_EQ(CabrilloFileBase("AUX.1"), "AUX_.1");
  EXPECT_EQ(CabrilloFileBase("CON .1"), "CON_ .1");
  EXPECT_EQ(CabrilloFileBase("conout$.x"), "conout$_.x");
  EXPECT_EQ(CabrilloFileBase("com\xB2"), "com\xB2_");
}

TEST(FileBaseTest, LongCallsAreCutToTheLimit) {
  std::string call(300, 'W');
  EXPECT_EQ(CabrilloFileBase(call), std::string(kFileBaseMaxLength, 'W'));
  EXPECT_EQ(CabrilloFileBase(std::string(kFileBaseMaxLength, 'K')),
            std::string(kFileBaseMaxLength, 'K'));
  // The cut comes before the repairs, so a device name keeps its mark.
  EXPECT_EQ(CabrilloFileBase("AUX." + call), "AUX_." + call.substr(0, 60));
}

TEST(FileBaseTest, NamesThatOnlyLookLikeDevicesStay) {
  for (const char* name :
       {"COM0", "COM10", "LPT", "CONX", "XCON", "NULL", "_CON", "CO N", "CONIN",
        "CONOUT", "CONIN$$", "COM\xB4", "LPT\xB9\xB9"}) {
    EXPECT_EQ(CabrilloFileBase(name), name);
  }
  EXPECT_EQ(CabrilloFileBase("/CON"), "_CON");
  EXPECT_EQ(CabrilloFileBase("CON/P"), "CON_P");
}

}  // namespace
}  // namespace aadx

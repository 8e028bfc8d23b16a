#include "tools/callsign/cty_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace callsign {
namespace {

std::string TestDataPath(const char* name) {
  return std::string(AADX_TOOLS_TESTDATA_DIR) + "/" + name;
}

class CtyFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(cty_.Load(TestDataPath("test_cty.dat"), &error)) << error;
  }

  CtyResolution Resolve(const std::string& call) {
    CtyResolution r;
    EXPECT_TRUE(cty_.Resolve(call, &r)) << call;
    return r;
  }

  // Checks the DXCC entity each call resolves to.
  void ExpectDxccs(const std::vector<TextCase>& callsAndDxccs) {
    ExpectTexts([this](const std::string& call) { return Resolve(call).dxcc; },
                callsAndDxccs);
  }

  CtyFile cty_;
};

TEST_F(CtyFileTest, LongestPrefixDecides) {
  ExpectDxccs({{"JA1ABC", "JA"},
               {"JD1ABC", "JD1"},
               {"UA9XYZ", "UA9"},
               {"UA3XYZ", "UA"},
               {"OH0ABC", "OH0"}});
  EXPECT_EQ("AS", Resolve("JA1ABC").continent);
  EXPECT_EQ("Finland", Resolve("OH2ABC").dxccName);
}

TEST_F(CtyFileTest, ExactCallEntryBeatsPrefixes) {
  CtyResolution r = Resolve("JD1ZZM");
  EXPECT_EQ("JD1/m", r.dxcc);
  EXPECT_EQ("OC", r.continent);
  EXPECT_EQ(90, r.ituZone);
}

TEST_F(CtyFileTest, OverridesInAnEntryReplaceTheEntityValues) {
  CtyResolution exact = Resolve("JA1ZZO");
  EXPECT_EQ("JA", exact.dxcc);
  EXPECT_EQ("OC", exact.continent);
  EXPECT_EQ(27, exact.cqZone);
  EXPECT_EQ(90, exact.ituZone);

  CtyResolution prefix = Resolve("UA0ABC");
  EXPECT_EQ("UA9", prefix.dxcc);
  EXPECT_EQ(19, prefix.cqZone);
  EXPECT_EQ(33, prefix.ituZone);
  EXPECT_EQ("AS", prefix.continent);
  EXPECT_EQ(17, Resolve("UA9ABC").cqZone);

  CtyResolution hawaiiStyle = Resolve("W1ZZH");
  EXPECT_EQ("K", hawaiiStyle.dxcc);
  EXPECT_EQ("OC", hawaiiStyle.continent);
  EXPECT_EQ("NA", Resolve("W1ZZA").continent);
}

TEST_F(CtyFileTest, StarredEntitiesFoldIntoTheirDxccEntity) {
  CtyResolution sicily = Resolve("IT9ABC");
  EXPECT_EQ("I", sicily.dxcc);
  EXPECT_EQ("Italy", sicily.dxccName);
  EXPECT_EQ("Sicily", sicily.entityName);
  EXPECT_EQ("I", Resolve("IZ1ZZS").dxcc);
  // Prefix matching would give Italy ("4U"); the centre lies in Austria.
  EXPECT_EQ("OE", Resolve("4U1VIC").dxcc);
  EXPECT_EQ("I", Resolve("4U1ABC").dxcc);
  // A starred entity the folding table does not know goes by its prefix.
  CtyResolution reef = Resolve("OH0ZZX");
  EXPECT_EQ("OH0", reef.dxcc);
  EXPECT_EQ("Aland Test Reef", reef.entityName);
}

TEST_F(CtyFileTest, PortableFormsAreLocatedWhereTheStationOperates) {
  ExpectDxccs({{"N8BJQ/KH9", "KH9"},
               {"PA/N8BJQ", "PA"},
               {"XEFTJW", "XE"},
               {"K1TEO/8", "K"},
               {"JA1ABC/P", "JA"},
               {"UA9ABC/3", "UA"},
               {"JD1ZZM/P", "JD1/m"},
               {"ja1abc", "JA"}});
}

TEST_F(CtyFileTest, UnknownAndMaritimeCallsAreNotResolved) {
  CtyResolution r;
  EXPECT_FALSE(cty_.Resolve("ZZ9ZZ", &r));
  EXPECT_FALSE(cty_.Resolve("JA1ABC/MM", &r));
  EXPECT_FALSE(cty_.Resolve("", &r));
}

TEST(CtyFileParseTest, MalformedFilesNameTheLine) {
  CtyFile cty;
  std::string error;
  EXPECT_FALSE(
      cty.Parse("Japan: 25: 45: AS: 36.4: -138.4: -9.0\n  JA;\n", &error));
  EXPECT_NE(std::string::npos, error.find("line 1")) << error;

  EXPECT_FALSE(
      cty.Parse("Japan: 25: 45: AS: 1: 2: 3: JA:\n  JA;\n"
                "China: 24: 44: XX: 1: 2: 3: BY:\n  BY;\n",
                &error));
  EXPECT_NE(std::string::npos, error.find("line 3")) << error;

  EXPECT_FALSE(
      cty.Parse("Japan: 25: 45: AS: 1: 2: 3: JA:\n  JA,\n  JE(25;\n", &error));
  EXPECT_NE(std::string::npos, error.find("line 3")) << error;

  EXPECT_FALSE(cty.Parse("Japan: 25: 45: AS: 1: 2: 3: JA:\n  JA,JE\n", &error));
  EXPECT_NE(std::string::npos, error.find("';'")) << error;

  EXPECT_FALSE(cty.Parse("\n\n", &error));
  EXPECT_FALSE(cty.Load(TestDataPath("no_such_file.dat"), &error));
}

TEST(CtyFileParseTest, CrLfLineEndsAreRead) {
  CtyFile cty;
  std::string error;
  ASSERT_TRUE(
      cty.Parse("Japan: 25: 45: AS: 1: 2: 3: JA:\r\n    JA,\r\n"
                "    JE;\r\nChina: 24: 44: AS: 1: 2: 3: BY:\r\n  BY;\r\n",
                &error))
      << error;
  CtyResolution r;
  ASSERT_TRUE(cty.Resolve("JE1ABC", &r));
  EXPECT_EQ("JA", r.dxcc);
  EXPECT_EQ(2u, cty.entityCount());
}

// The country file that the hamradio-files package installs, when present.
TEST(CtyFileInstalledTest, DebianCountryFile) {
  const char* path = "/usr/share/hamradio-files/cty.dat";
  if (!std::ifstream(path)) GTEST_SKIP() << path << " is not installed";
  CtyFile cty;
  std::string error;
  ASSERT_TRUE(cty.Load(path, &error)) << error;
  EXPECT_GT(cty.entityCount(), 300u);

  struct Case {
    const char* call;
    const char* dxcc;
    const char* continent;
  } const cases[] = {
      {"JA1ABC", "JA", "AS"},   {"W1AW", "K", "NA"},
      {"UA9ABC", "UA9", "AS"},  {"UA9ABC/1", "UA", "EU"},
      {"IT9ABC", "I", "EU"},    {"4U1VIC", "OE", "EU"},
      {"TA1ABC", "TA", "EU"},   {"N8BJQ/KH9", "KH9", "OC"},
      {"PA/N8BJQ", "PA", "EU"}, {"BY1AA", "BY", "AS"},
  };
  for (const Case& c : cases) {
    CtyResolution r;
    ASSERT_TRUE(cty.Resolve(c.call, &r)) << c.call;
    EXPECT_EQ(c.dxcc, r.dxcc) << c.call;
    EXPECT_EQ(c.continent, r.continent) << c.call;
  }
}

}  // namespace
}  // namespace callsign
}  // namespace aadx

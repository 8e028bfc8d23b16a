#include "tools/logs/contact_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace logs {
namespace {

class ContactSourceTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    WriteFileBytes(dir_ / name, text);
    return (dir_ / name).string();
  }

  ScopedTempDir temp_{ScopedTempDir::kEmpty};
  const std::filesystem::path dir_ = temp_.path();
};

const char kAdif[] =
    "<EOH><CALL:5>K1ABC<QSO_DATE:8>20210619<TIME_ON:4>0100<BAND:3>20m<EOR>";
const char kCabrillo[] =
    "START-OF-LOG: 3.0\nCALLSIGN: JA1ZZZ\n"
    "QSO: 14025 CW 2021-06-19 0005 JA1ZZZ 599 45 K1ABC 599 30\n";

TEST_F(ContactSourceTest, ContentDecidesTheFormat) {
  EXPECT_EQ(LogFormat::kCabrillo, DetectLogFormat("x.adi", kCabrillo));
  EXPECT_EQ(LogFormat::kAdif, DetectLogFormat("x.log", kAdif));
  EXPECT_EQ(LogFormat::kAdif, DetectLogFormat("x.ADIF", ""));
  EXPECT_EQ(LogFormat::kCabrillo, DetectLogFormat("x.cbr", ""));
  EXPECT_EQ(LogFormat::kUnknown, DetectLogFormat("x.txt", "hello"));
}

TEST_F(ContactSourceTest, ReadsEitherFormat) {
  ParsedLog log;
  std::string error;
  ASSERT_TRUE(ReadLogFile(Write("a.adi", kAdif), &log, &error)) << error;
  ASSERT_EQ(1u, log.contacts.size());
  EXPECT_EQ("K1ABC", log.contacts[0].call);

  ASSERT_TRUE(ReadLogFile(Write("b.txt", kCabrillo), &log, &error)) << error;
  EXPECT_EQ("JA1ZZZ", log.ownCall);
  ASSERT_EQ(1u, log.contacts.size());
}

TEST_F(ContactSourceTest, KeepsTheLineEachContactStartsOn) {
  // A skipped line and a record spread over lines count as the file has
  // them.
  const std::vector<std::pair<std::string, std::vector<int>>> cases = {
      {"START-OF-LOG: 3.0\nCALLSIGN: JA1ZZZ\n\nQSO: 14025 CW 2021-06-19 "
       "0005 JA1ZZZ 599 45 K1ABC 599 30\nQSO: bad\nQSO: 7010 CW 2021-06-19 "
       "0105 JA1ZZZ 599 45 K1ABD 599 31\r\n",
       {4, 6}},
      {"header\n<EOH>\n<CALL:5>K1ABC<QSO_DATE:8>20210619<TIME_ON:4>0100"
       "<BAND:3>20m<EOR>\n\n<CALL:5>K1ABD\n<QSO_DATE:8>20210619\n"
       "<TIME_ON:4>0110<BAND:3>20m<EOR>\n",
       {3, 5}}};
  const char* const names[] = {"lines.log", "lines.adi"};
  for (size_t i = 0; i < cases.size(); ++i) {
    ParsedLog log;
    std::string error;
    ASSERT_TRUE(ReadLogFile(Write(names[i], cases[i].first), &log, &error))
        << error;
    std::vector<int> lines;
    for (const LogContact& c : log.contacts) lines.push_back(c.line);
    EXPECT_EQ(cases[i].second, lines) << names[i];
  }
}

TEST_F(ContactSourceTest, EachUnusableFileGetsItsOwnMessage) {
  std::string hugeBinary(200 * 1024, '\x01');
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {(dir_ / "missing.adi").string(), "missing.adi: no such file"},
      {dir_.string(), ": is a folder, not a log file"},
      {Write("empty.adi", ""), "empty.adi: is empty, not a log file"},
      {Write("bin.adi", std::string("<EOH>\0\x7f", 7)),
       "bin.adi: holds binary data (byte 0x00 at offset 5), not a log"},
      {Write("big.bin", hugeBinary),
       "big.bin: holds binary data (byte 0x01 at offset 0), not a log"},
      {Write("notes.txt", "no log here"), "notes.txt: neither"},
  };
  for (const auto& c : cases) {
    ParsedLog log;
    std::string error;
    EXPECT_FALSE(ReadLogFile(c.path, &log, &error)) << c.path;
    EXPECT_NE(std::string::npos, error.find(c.message)) << error;
    EXPECT_LT(error.size(), c.path.size() + 120) << "short: " << error;
  }
}

// Logs as real loggers write them: the contests they name (another one's,
// or the All Asian DX in a mode) and LoTW's DXCC 0, which names no entity.
TEST(RealLogTest, ContestsNamedAndEntitiesGiven) {
  const struct {
    const char* file;
    const char* contests;  // name=contacts, between bars
    const char* mode;
    const char* dxccs;  // of the contacts, between bars
  } cases[] = {
      {"cq_ww_cw.log", "CQ-WW-CW=2", "", "|"},
      {"cq_ww_cw.adi", "CQ-WW-CW=2", "", "|"},
      {"worked_example_asia_cw.log", "AADX-CW=8", "CW", "|||||||"},
      {"lotw_download.adi", "", "", "339||318"},
  };
  for (const auto& c : cases) {
    ParsedLog log;
    std::string error;
    ASSERT_TRUE(ReadLogFile(std::string(AADX_TOOLS_TESTDATA_DIR) + "/" + c.file,
                            &log, &error))
        << error;
    std::vector<std::string> contests;
    for (const auto& [name, n] : log.contests)
      contests.push_back(name + "=" + std::to_string(n));
    EXPECT_EQ(c.contests, BarJoined(contests)) << c.file;
    EXPECT_EQ(c.mode, log.contestMode) << c.file;
    EXPECT_EQ(c.dxccs,
              BarJoined(LinesOf(log.contacts,
                                [](const LogContact& x) { return x.dxcc; })))
        << c.file;
  }
}

}  // namespace
}  // namespace logs
}  // namespace aadx

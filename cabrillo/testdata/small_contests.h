// Two small contests for the Cabrillo tests, with the settings the operator
// left from earlier exports and the files they give ("aadx_ssb.cbr",
// "aadx_cw.cbr" beside this header, written by hand from the file format).
// Shared by the unit tests and the tests that drive the built plug-in.
#ifndef AADX_CABRILLO_TESTDATA_SMALL_CONTESTS_H_
#define AADX_CABRILLO_TESTDATA_SMALL_CONTESTS_H_

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/ole_date.h"
#include "tests/test_util.h"

namespace aadx {

struct ContestContact {
  std::string call;
  unsigned freqKHz;
  std::string band;
  std::string mode;
  int day;  // of June 2021
  int hour;
  int minute;
  std::string rstSent;
  std::string exchSent;
  std::string rstRcvd;
  std::string exchRcvd;
  std::string continent;
  std::string prefix;
  std::string dxcc;

  StatsOleDate Time() const {
    StatsOleDate t = {0.0, kOleDateValid};
    OleDateFromCalendar(2021, 6, day, hour, minute, 0, &t.days);
    return t;
  }
};

struct SmallContest {
  std::string ownCall;
  std::string ownContinent;
  bool cw;
  // The settings file as the last export left it, in this order.
  std::vector<std::pair<std::string, std::string>> settings;
  std::vector<ContestContact> contacts;
  int claimedScore;  // worked out by hand from the contest rules
  std::string goldenFile;

  // "[Settings]" and the pairs, as the profile writes a file it creates.
  std::string SettingsFileBytes() const {
    std::string bytes = "[Settings]\r\n";
    for (const auto& kv : settings)
      bytes += kv.first + "=" + kv.second + "\r\n";
    return bytes;
  }
  void WriteSettingsFile() const {
    WriteFileBytes(SettingsFilePath(), SettingsFileBytes());
  }
};

// A European station on phone: points and prefixes for Asian stations
// only, one dupe. 160m 3 points, 80m 2, 20m 1, 15m 1; four prefixes:
// 7 * 4 = 28. The address has a second line typed as "<CR><LF>", the
// soapbox two lines, and there is no "Operators" key.
inline SmallContest SsbContest() {
  return SmallContest{
      "DL5XYZ/P",
      "EU",
      false,
      {{"Mode", "SSB"},
       {"Name", "Max Mustermann"},
       {"Address", "Hauptstrasse 1<CR><LF>Postfach 12"},
       {"Address-City", "Bonn"},
       {"Address-State", "NRW"},
       {"Address-PostalCode", "53111"},
       {"Address-Country", "Germany"},
       {"Email", "dl5xyz@example.org"},
       {"Club", "Rhein DX Group"},
       {"SoapBox", "Fine conditions on 15m<CR><LF>Thanks for the contest!"},
       {"Claimed", "15"}},
      {{"JA1AAA", 14250, "20m", "SSB", 19, 0, 5, "59", "45", "59", "30", "AS",
        "JA1", "JA"},
       {"BV2BB", 21300, "15m", "SSB", 19, 0, 40, "59", "45", "59", "41", "AS",
        "BV2", "BV"},
       {"JA1AAA", 14255, "20m", "SSB", 19, 1, 10, "59", "45", "59", "30", "AS",
        "JA1", "JA"},
       {"HL5CCC", 3790, "80m", "SSB", 19, 12, 0, "59", "45", "57", "62", "AS",
        "HL5", "HL"},
       {"JA3DDD", 1845, "160m", "SSB", 19, 23, 59, "59", "45", "55", "50", "AS",
        "JA3", "JA"}},
      28,
      "aadx_ssb.cbr"};
}

// An Asian station on CW: 3 points outside Asia, 1 inside, DXCC entities
// as multipliers, one dupe. 80m 6, 40m 1, 20m 3, 10m 6; four entities:
// 16 * 4 = 64. No club, state or soapbox: their lines stay empty.
inline SmallContest CwContest() {
  return SmallContest{"JA1ZZZ",
                      "AS",
                      true,
                      {{"Mode", "CW"},
                       {"Operators", "JA1ZZZ JA1YYY"},
                       {"Name", "Ichiro Suzuki"},
                       {"Address", "1-2-3 Chiyoda"},
                       {"Address-City", "Tokyo"},
                       {"Address-PostalCode", "100-0001"},
                       {"Address-Country", "Japan"},
                       {"Email", "ja1zzz@example.jp"}},
                      {{"DL1AA", 14025, "20m", "CW", 19, 0, 5, "599", "45",
                        "599", "30", "EU", "DL1", "DL"},
                       {"JA2BB", 7010, "40m", "CW", 19, 0, 30, "599", "45",
                        "599", "55", "AS", "JA2", "JA"},
                       {"W1CC", 3510, "80m", "CW", 19, 6, 15, "579", "45",
                        "599", "60", "NA", "W1", "K"},
                       {"DL1AA", 14030, "20m", "CW", 19, 7, 0, "599", "45",
                        "599", "30", "EU", "DL1", "DL"},
                       {"VK2DD", 28025, "10m", "CW", 20, 3, 45, "599", "45",
                        "599", "38", "OC", "VK2", "VK"}},
                      64,
                      "aadx_cw.cbr"};
}

// This folder. The tests run under Wine too, where the Linux root this
// source path starts from is drive Z:. A build that names its sources
// relative to the build folder (as ccache does with a base folder) gives a
// relative path, taken from the folder the test program starts in, before
// any test changes the current directory.
inline const std::string kTestdataFolder = [] {
  std::string folder = std::filesystem::path(__FILE__).parent_path().string();
#ifdef _WIN32
  if (!folder.empty() && folder[0] == '/') return "Z:" + folder;
#endif
  return std::filesystem::absolute(folder).string();
}();

// A file of this folder.
inline std::string ReadTestdataFile(const std::string& name) {
  return ReadFileBytes(std::filesystem::path(kTestdataFolder) / name);
}

}  // namespace aadx

#endif  // AADX_CABRILLO_TESTDATA_SMALL_CONTESTS_H_

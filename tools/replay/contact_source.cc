#include "tools/replay/contact_source.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/replay/adif_reader.h"
#include "tools/replay/cabrillo_reader.h"
#include "tools/replay/log_values.h"

namespace aadx {
namespace replay {

LogFormat DetectLogFormat(const std::string& path, const std::string& text) {
  std::string head = ToUpper(TrimBlanks(text.substr(0, 4096)));
  if (head.rfind("START-OF-LOG:", 0) == 0) return LogFormat::kCabrillo;
  std::string upper = ToUpper(text);
  if (upper.find("<EOR>") != std::string::npos ||
      upper.find("<EOH>") != std::string::npos) {
    return LogFormat::kAdif;
  }
  std::string extension =
      ToUpper(std::filesystem::path(path).extension().string());
  if (extension == ".ADI" || extension == ".ADIF") return LogFormat::kAdif;
  if (extension == ".LOG" || extension == ".CBR" || extension == ".CABRILLO")
    return LogFormat::kCabrillo;
  return LogFormat::kUnknown;
}

bool ReadLogFile(const std::string& path, ParsedLog* log, std::string* error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    *error = path + ": cannot be read (no such file)";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) {
    *error = path + ": cannot be read";
    return false;
  }
  switch (DetectLogFormat(path, text.str())) {
    case LogFormat::kAdif:
      *log = ReadAdif(text.str(), path);
      return true;
    case LogFormat::kCabrillo:
      *log = ReadCabrillo(text.str(), path);
      return true;
    case LogFormat::kUnknown:
      break;
  }
  *error = path +
           ": neither an ADIF log (.adi, with <EOR> records) nor a Cabrillo "
           "log (START-OF-LOG:)";
  return false;
}

}  // namespace replay
}  // namespace aadx

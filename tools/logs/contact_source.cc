#include "tools/logs/contact_source.h"

#include <filesystem>
#include <fstream>

#include "base/ascii.h"
#include "tools/logs/adif_reader.h"
#include "tools/logs/cabrillo_reader.h"
#include "tools/logs/input_file.h"
#include "tools/logs/log_values.h"

namespace aadx {
namespace logs {

namespace {

// Enough of a file to tell its format and whether it is text.
constexpr size_t kHeadBytes = 64 * 1024;

}  // namespace

LogFormat DetectLogFormat(const std::string& path, const std::string& head) {
  std::string upper = AsciiUpperText(head.substr(0, kHeadBytes));
  if (TrimBlanks(upper.substr(0, 4096)).rfind("START-OF-LOG:", 0) == 0)
    return LogFormat::kCabrillo;
  if (upper.find("<EOR>") != std::string::npos ||
      upper.find("<EOH>") != std::string::npos) {
    return LogFormat::kAdif;
  }
  std::string extension =
      AsciiUpperText(std::filesystem::path(path).extension().string());
  if (extension == ".ADI" || extension == ".ADIF") return LogFormat::kAdif;
  if (extension == ".LOG" || extension == ".CBR" || extension == ".CABRILLO")
    return LogFormat::kCabrillo;
  return LogFormat::kUnknown;
}

bool ReadLogFile(const std::string& path, ParsedLog* log, std::string* error,
                 const ByteProgressFn& progress) {
  *error = InputFileProblem(path, "log file", false);
  if (!error->empty()) return false;
  std::ifstream in(path, std::ios::binary);
  std::string head(kHeadBytes, '\0');
  in.read(&head[0], static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(in.gcount()));
  if (in.bad()) {
    *error = path + ": cannot be read";
    return false;
  }
  std::string binary = BinaryDataProblem(head.substr(0, 4096));
  if (!binary.empty()) {
    *error = path + ": " + binary;
    return false;
  }
  LogFormat format = DetectLogFormat(path, head);
  if (format == LogFormat::kUnknown) {
    *error = path +
             ": neither an ADIF log (.adi, with <EOR> records) nor a Cabrillo "
             "log (START-OF-LOG:)";
    return false;
  }
  in.clear();
  in.seekg(0);
  *log = format == LogFormat::kAdif ? ReadAdif(in, path, progress)
                                    : ReadCabrillo(in, path, progress);
  if (in.bad()) {
    *error = path + ": cannot be read to its end";
    return false;
  }
  return true;
}

}  // namespace logs
}  // namespace aadx

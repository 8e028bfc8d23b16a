#include "scoring/ubn_report.h"

#include "base/ole_date.h"

namespace aadx {

const char kUbnFileName[] = "err.txt";

namespace {

// The file is written as a text-mode stream would on Windows: each line
// feed becomes CR LF, the rest passes unchanged.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void WriteTranslated(std::FILE* file, const std::string& text) {
  std::string bytes = WithCrLf(text);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fflush(file);
}

}  // namespace

std::string FormatUbnLine(const CInfo& c, const std::string& ownCall,
                          const std::string& message) {
  const std::string dateTime = FormatOleDate(&c.time, OleDateText::kDateTime);
  std::string line = "QSO:  " + std::to_string(c.freqKHz);
  for (const std::string* field :
       {&c.mode, &dateTime, &ownCall, &c.rstSent, &c.exchSent, &c.call,
        &c.rstRcvd, &c.exchRcvd}) {
    line += "  ";
    line += *field;
  }
  return line + message;
}

void StartUbnReport(bool cw) {
  std::FILE* file = std::fopen(kUbnFileName, "wb");
  if (file == nullptr) return;
  WriteTranslated(file, cw ? "AADX-CW UBN file \n" : "AADX-SSB UBN file \n");
  std::fclose(file);
}

UbnAppender::UbnAppender() : file_(std::fopen(kUbnFileName, "ab")) {}

UbnAppender::~UbnAppender() {
  if (file_ != nullptr) std::fclose(file_);
}

void UbnAppender::WriteLine(const std::string& line) {
  if (file_ != nullptr) WriteTranslated(file_, line + "\n");
}

}  // namespace aadx

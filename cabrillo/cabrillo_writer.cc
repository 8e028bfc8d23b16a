// The Cabrillo file: QSO lines as contacts come in, then the whole file.
#include <cstdio>
#include <fstream>
#include <vector>

#include "base/ole_date.h"
#include "cabrillo/cabrillo_log.h"

namespace aadx {
namespace {

const char kQsoLineFormat[] =
    "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n";

}  // namespace

void CabrilloLog::AddQso(const std::string& call, int freqKHz,
                         const std::string& modeText, const StatsOleDate& time,
                         const std::string& rstSent,
                         const std::string& exchSent,
                         const std::string& rstRcvd,
                         const std::string& exchRcvd) {
  std::string when = FormatOleDate(&time, "%Y-%m-%d %H%M");
  // Widths are minimums, so the line is as long as its texts need.
  auto format = [&](char* buffer, size_t size) {
    return std::snprintf(buffer, size, kQsoLineFormat, freqKHz,
                         modeText.c_str(), when.c_str(), form.callsign.c_str(),
                         rstSent.c_str(), exchSent.c_str(), call.c_str(),
                         rstRcvd.c_str(), exchRcvd.c_str());
  };
  int n = format(nullptr, 0);
  if (n < 0) return;
  std::vector<char> line(static_cast<size_t>(n) + 1);
  format(line.data(), line.size());
  qsoLines_.emplace_back(line.data(), static_cast<size_t>(n));
}

void CabrilloLog::RebuildQsoLines(const std::vector<CInfo>& records, bool cw) {
  qsoLines_.clear();
  for (const CInfo& r : records) {
    AddQso(r.call, r.freqKHz, cw ? "CW" : "PH", r.time, r.rstSent, r.exchSent,
           r.rstRcvd, r.exchRcvd);
  }
}

std::string CabrilloLog::WriteLog(int claimedScore, bool cw) {
  std::string version = hostVersion_->Text();

  std::string text = "START-OF-LOG: 3.0\r\n";
  auto line = [&text](const char* tag, const std::string& value) {
    text += tag;
    text += value;
    text += "\r\n";
  };
  line("CALLSIGN: ", form.callsign);
  line("CATEGORY-BAND: ", form.categoryBand);
  line("CATEGORY-MODE: ", form.categoryMode);
  line("CATEGORY-OPERATOR: ", form.categoryOperator);
  line("CATEGORY-POWER: ", form.categoryPower);
  line("CLAIMED-SCORE: ", std::to_string(claimedScore));
  line("CLUB: ", form.club);
  line("CONTEST: ", cw ? "AADX-CW" : "AADX-SSB");
  line("CREATED-BY: Talq ", version);
  line("EMAIL: ", form.email);
  line("NAME: ", form.name);
  line("ADDRESS: ", form.address);
  line("ADDRESS-CITY: ", form.addressCity);
  // Cabrillo 3.0 knows the state only under this tag.
  line("ADDRESS-STATE-PROVINCE: ", form.addressState);
  line("ADDRESS-POSTALCODE: ", form.addressPostalCode);
  line("ADDRESS-COUNTRY: ", form.addressCountry);
  line("OPERATORS: ", form.operators);
  line("SOAPBOX: ", form.soapbox);
  for (const std::string& qso : qsoLines_) text += qso;
  text += "END-OF-LOG:\r\n";

  // Binary: the bytes reach the file as they are, CR LF included. A file
  // that cannot be written is not reported; the notice is the same.
  std::string fileName = fileBase + ".cbr";
  std::ofstream out(fileName,
                    std::ios::out | std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return "File produced: " + fileName;
}

}  // namespace aadx

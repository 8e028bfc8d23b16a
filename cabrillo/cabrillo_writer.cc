// The Cabrillo file: QSO lines as contacts come in, then the whole file.
#include <cstdio>
#include <vector>

#include "base/ole_date.h"
#include "base/whole_file.h"
#include "cabrillo/cabrillo_log.h"

namespace aadx {
namespace {

const char kQsoLineFormat[] =
    "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n";

// A multi-line value in its file-ready form, each further line introduced
// by "\r\n" and tag: every line cleaned, the introductions kept.
std::string CabrilloLinesText(const std::string& value,
                              const std::string& tag) {
  const std::string separator = "\r\n" + tag;
  std::string text;
  size_t start = 0;
  for (;;) {
    size_t next = value.find(separator, start);
    text += CabrilloFieldText(value.substr(start, next - start));
    if (next == std::string::npos) return text;
    text += separator;
    start = next + separator.size();
  }
}

// Writes text as the whole file, or leaves an earlier file of that name as it
// was; the reason in plain words for the operator when it fails.
Status WriteWholeFile(const std::string& name, const std::string& text) {
  Status written = WriteFileWhole(name, text);
  if (written.ok()) return written;
  if (written.code() == Status::Code::kNotCreated) {
    return Status::NotCreated(
        "The file could not be created in the current folder: the folder "
        "may be read-only, or the name may not be allowed there.");
  }
  return Status::NotWritten(
      "The file could not be written completely (the disk may be full); an "
      "earlier file of that name is left as it was.");
}

}  // namespace

std::string CabrilloFieldText(const std::string& value) {
  std::string text = value;
  for (char& c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) c = ' ';
  }
  return text;
}

void CabrilloLog::AddQso(const std::string& call, int freqKHz,
                         const std::string& modeText, const StatsOleDate& time,
                         const std::string& rstSent,
                         const std::string& exchSent,
                         const std::string& rstRcvd,
                         const std::string& exchRcvd) {
  std::string when = FormatOleDate(&time, OleDateText::kDateTime);
  const std::string f[] = {
      CabrilloFieldText(modeText), CabrilloFieldText(form.callsign),
      CabrilloFieldText(rstSent),  CabrilloFieldText(exchSent),
      CabrilloFieldText(call),     CabrilloFieldText(rstRcvd),
      CabrilloFieldText(exchRcvd)};
  // Widths are minimums, so the line is as long as its texts need.
  auto format = [&](char* buffer, size_t size) {
    return std::snprintf(buffer, size, kQsoLineFormat, freqKHz, f[0].c_str(),
                         when.c_str(), f[1].c_str(), f[2].c_str(), f[3].c_str(),
                         f[4].c_str(), f[5].c_str(), f[6].c_str());
  };
  int n = format(nullptr, 0);
  if (n < 0) return;
  std::vector<char> line(static_cast<size_t>(n) + 1);
  format(line.data(), line.size());
  qsoLines_.emplace_back(line.data(), static_cast<size_t>(n));
}

void CabrilloLog::RebuildQsoLines(const std::vector<CInfo>& records, bool cw) {
  qsoLines_.clear();
  // Each line keeps its record's own mode; a record of neither contest mode
  // is written in the contest's.
  for (const CInfo& r : records) {
    const char* mode = r.mode == "CW"    ? "CW"
                       : r.mode == "SSB" ? "PH"
                       : cw              ? "CW"
                                         : "PH";
    AddQso(r.call, r.freqKHz, mode, r.time, r.rstSent, r.exchSent, r.rstRcvd,
           r.exchRcvd);
  }
}

Status CabrilloLog::WriteLog(int claimedScore, bool cw) {
  std::string version = desktop_->HostVersionText();

  std::string text = "START-OF-LOG: 3.0\r\n";
  auto line = [&text](const char* tag, const std::string& value) {
    text += tag;
    text += CabrilloFieldText(value);
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
  text += "ADDRESS: " + CabrilloLinesText(form.address, "ADDRESS: ") + "\r\n";
  line("ADDRESS-CITY: ", form.addressCity);
  // Cabrillo 3.0 knows the state only under this tag.
  line("ADDRESS-STATE-PROVINCE: ", form.addressState);
  line("ADDRESS-POSTALCODE: ", form.addressPostalCode);
  line("ADDRESS-COUNTRY: ", form.addressCountry);
  line("OPERATORS: ", form.operators);
  text += "SOAPBOX: " + CabrilloLinesText(form.soapbox, "SOAPBOX: ") + "\r\n";
  for (const std::string& qso : qsoLines_) text += qso;
  text += "END-OF-LOG:\r\n";

  return WriteWholeFile(fileBase + ".cbr", text);
}

std::string CabrilloLog::Notice(const Status& written) const {
  const std::string fileName = fileBase + ".cbr";
  if (!written.ok()) {
    return "File not produced: " + fileName + "\n" + written.message();
  }
  if (!headerSaved_) {
    return "File produced: " + fileName +
           "\nThe header values could not be saved in the settings file; the "
           "next export offers the earlier ones.";
  }
  return "File produced: " + fileName;
}

}  // namespace aadx

#include "cabrillo/cabrillo_log.h"

namespace aadx {

std::string ReplaceAll(const std::string& text, const std::string& find,
                       const std::string& replacement) {
  if (find == replacement || find.empty()) return text;
  std::string result;
  size_t start = 0;
  for (size_t p; (p = text.find(find, start)) != std::string::npos;) {
    result.append(text, start, p - start);
    result += replacement;
    start = p + find.size();
  }
  result.append(text, start, std::string::npos);
  return result;
}

CabrilloLog::CabrilloLog(Settings* settings, Dialogs* dialogs,
                         HostVersion* hostVersion)
    : settings_(settings), dialogs_(dialogs), hostVersion_(hostVersion) {}

// The header dialog and the writer are being built; until then an export
// run behaves like a cancelled dialog.
bool CabrilloLog::SetupHeader(const std::string&, int* modeFlag,
                              int* exportFlag) {
  *modeFlag = settings_->ReadText("Mode") == "CW" ? 1 : 0;
  *exportFlag = 0;
  return false;
}

void CabrilloLog::AddQso(const std::string&, int, const std::string&,
                         const StatsOleDate&, const std::string&,
                         const std::string&, const std::string&,
                         const std::string&) {}

std::string CabrilloLog::WriteLog(int, bool) {
  (void)dialogs_;
  (void)hostVersion_;
  return "File produced: " + fileBase + ".cbr";
}

}  // namespace aadx

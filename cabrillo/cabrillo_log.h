// The one Cabrillo log object: the header form the header dialog edits,
// the output file's base name and the QSO lines it formats and owns.
#ifndef AADX_CABRILLO_CABRILLO_LOG_H_
#define AADX_CABRILLO_CABRILLO_LOG_H_

#include <string>
#include <vector>

#include "base/desktop.h"
#include "base/ole_date_value.h"
#include "base/qso_store.h"
#include "base/settings.h"
#include "base/status.h"
#include "cabrillo/cabrillo_form.h"

namespace aadx {

// Replaces every occurrence of find in text, left to right, without
// rescanning what was inserted. Equal find and replacement: text unchanged.
std::string ReplaceAll(const std::string& text, const std::string& find,
                       const std::string& replacement);

// value as one field of a Cabrillo line: every control byte (CR, LF, TAB
// and the others below 0x20, and DEL) as a blank, so no value splits its
// line or the columns after it.
std::string CabrilloFieldText(const std::string& value);

class CabrilloLog {
 public:
  // The desktop shows the header dialog and names the host's version.
  CabrilloLog(Settings* settings, Desktop* desktop);

  // Loads the header from the settings ("Mode" CW or else SSB picks the
  // contest and mode), shows the header dialog and saves on OK, leaving
  // soapbox and address in the forms the file needs and qsoLines empty. On
  // any ending but OK sets *exportFlag to 0 and writes nothing.
  void SetupHeader(const std::string& ownCall, int* exportFlag);

  // Formats one contact as a QSO line and appends it to the QSO lines; the
  // texts are written as CabrilloFieldText makes them.
  void AddQso(const std::string& call, int freqKHz, const std::string& modeText,
              const StatsOleDate& time, const std::string& rstSent,
              const std::string& exchSent, const std::string& rstRcvd,
              const std::string& exchRcvd);

  // Writes fileBase + ".cbr" in the current folder (header, QSO lines, end
  // line), every header value as CabrilloFieldText makes it (address and
  // soapbox line by line), whole or not at all. OK when the file was
  // produced; otherwise the message is the reason the operator is given for
  // a file that could not be created or completely written and closed. cw
  // picks the CONTEST line. Changes nothing in the object.
  Status WriteLog(int claimedScore, bool cw);

  // The notice the operator is shown for what WriteLog returned: "File
  // produced: " and the name, or "File not produced: " and the name, a line
  // break and the reason. When the header values of the last SetupHeader
  // could not be saved, a produced file's notice says so on a second line.
  std::string Notice(const Status& written) const;

  // Every record of the store, in store order, as QSO lines: what a
  // repeated export request writes lists each contact once.
  void RebuildQsoLines(const std::vector<CInfo>& records, bool cw);
  const std::vector<std::string>& qsoLines() const { return qsoLines_; }

  CabrilloForm form;     // the header values, as the dialog shows them
  std::string fileBase;  // the output file's name without ".cbr"

 private:
  Settings* settings_;
  Desktop* desktop_;
  std::vector<std::string> qsoLines_;
  bool headerSaved_ = true;  // the dialog's values reached the settings file
};

}  // namespace aadx

#endif  // AADX_CABRILLO_CABRILLO_LOG_H_

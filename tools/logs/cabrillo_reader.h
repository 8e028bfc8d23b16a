// Reads contest contacts from a Cabrillo 3.0 log.
#ifndef AADX_TOOLS_LOGS_CABRILLO_READER_H_
#define AADX_TOOLS_LOGS_CABRILLO_READER_H_

#include <istream>
#include <string>

#include "tools/logs/log_contact.h"

namespace aadx {
namespace logs {

// Why an "X-QSO:" line is skipped, as its message gives it.
extern const char kExcludedQsoReason[];

// Parses `text`; `file` names it in messages. Reads the CALLSIGN and
// CONTEST headers and every "QSO:" line:
//   QSO: freq mo date time own-call rst exch call rst exch [t]
// with the frequency in kHz and PH meaning SSB. Missing exchange fields are
// allowed (the plug-in refuses such contacts itself). A QSO line that
// cannot make a contact, an "X-QSO:" line and a line that is no Cabrillo
// line at all are skipped with a message naming the line; X-QSO lines are
// also counted as the log's own exclusions. "QTC:" lines are counted only.
// Every other tag goes to the log's header. The frequency may be a band
// code ("7000").
ParsedLog ReadCabrillo(std::istream& in, const std::string& file,
                       const ByteProgressFn& progress = nullptr);
ParsedLog ReadCabrillo(const std::string& text, const std::string& file);

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_CABRILLO_READER_H_

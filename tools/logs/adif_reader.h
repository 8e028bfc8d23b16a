// Reads contest contacts from ADIF text (.adi files).
#ifndef AADX_TOOLS_LOGS_ADIF_READER_H_
#define AADX_TOOLS_LOGS_ADIF_READER_H_

#include <istream>
#include <string>

#include "tools/logs/log_contact.h"

namespace aadx {
namespace logs {

// Parses ADIF from `in`, a piece at a time, so that only the record being
// read is held besides the contacts; `file` names it in messages and
// `progress` (may be empty) hears the bytes read so far. Fields used: CALL,
// QSO_DATE, TIME_ON, FREQ, BAND, MODE, SUBMODE, RST_SENT, RST_RCVD,
// STX_STRING or STX, SRX_STRING or SRX, PFX, DXCC or COUNTRY (DXCC 0: no
// entity), CONT, STATION_CALLSIGN or OPERATOR, CONTEST_ID. The exchange is
// taken as logged: the string field when the record has one, else the number
// unless it is 0. A record without a call, a valid date and time, or a band
// (given, or found from FREQ) is skipped with a message, as is a record with
// a malformed field; a field whose length runs into the next field is
// reported and reading goes on at that field.
ParsedLog ReadAdif(std::istream& in, const std::string& file,
                   const ByteProgressFn& progress = nullptr);
ParsedLog ReadAdif(const std::string& text, const std::string& file);

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_ADIF_READER_H_

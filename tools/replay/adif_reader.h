// Reads contest contacts from ADIF text (.adi files).
#ifndef AADX_TOOLS_REPLAY_ADIF_READER_H_
#define AADX_TOOLS_REPLAY_ADIF_READER_H_

#include <string>

#include "tools/replay/log_contact.h"

namespace aadx {
namespace replay {

// Parses `text`; `file` names it in messages. Fields used: CALL, QSO_DATE,
// TIME_ON, FREQ, BAND, MODE, RST_SENT, RST_RCVD, STX_STRING or STX,
// SRX_STRING or SRX, PFX, DXCC or COUNTRY, CONT, STATION_CALLSIGN or
// OPERATOR, CONTEST_ID. A record without a call, a valid date and time, or
// a band (given, or found from FREQ) is skipped with a message, as is a
// record with a malformed field.
ParsedLog ReadAdif(const std::string& text, const std::string& file);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_ADIF_READER_H_

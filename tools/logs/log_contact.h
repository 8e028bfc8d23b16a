// One contact as read from a contest log, and everything a reader learns
// from one log file, before any value is derived from the callsign.
#ifndef AADX_TOOLS_LOGS_LOG_CONTACT_H_
#define AADX_TOOLS_LOGS_LOG_CONTACT_H_

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/logs/qso_time.h"

namespace aadx {
namespace logs {

struct LogContact {
  std::string source;   // where the record is, e.g. "x.adi: record 12"
  std::string ownCall;  // the station that logged it, if the record says
  std::string call;     // worked station, upper case
  QsoTime time;
  uint32_t freqHz = 0;
  std::string band;  // host spelling, e.g. "20m"
  std::string mode;  // "CW", "SSB" or the log's other mode, upper case
  std::string rstSent;
  std::string rstRcvd;
  std::string exchSent;
  std::string exchRcvd;
  // As the log gives them; empty when it does not. Used only on request:
  // by default the country file and the WPX rules decide.
  std::string prefix;
  std::string dxcc;
  std::string continent;
  // The 1-based line of the file the record starts on (last, so that the
  // fields above keep their places in brace initializers).
  int line = 0;
};

struct ParsedLog {
  std::string file;
  std::string ownCall;  // the log's own callsign, if it names one
  // "CW" or "SSB" when the log names the All Asian DX contest in a mode.
  std::string contestMode;
  // Every contest the log names (Cabrillo's CONTEST header, ADIF's
  // CONTEST_ID) with the number of its contacts under that name.
  std::map<std::string, int> contests;
  std::vector<LogContact> contacts;
  // One message per skipped record, naming the file and the record or line.
  std::vector<std::string> problems;
  int recordsRead = 0;  // contacts plus skipped records
  // Of the skipped records, the contacts the log itself leaves out of
  // scoring (Cabrillo "X-QSO:" lines).
  int excludedQsos = 0;
  int qtcLines = 0;  // Cabrillo "QTC:" lines: no contacts, no header
  // What the reader mended in a record it kept, one message each.
  std::vector<std::string> notes;
  // Header tags of a Cabrillo log, upper case, with their values in file
  // order (ADDRESS and SOAPBOX may come more than once).
  std::vector<std::pair<std::string, std::string>> header;
};

// Told how many bytes of a log have been read so far.
using ByteProgressFn = std::function<void(uint64_t bytes)>;

}  // namespace logs
}  // namespace aadx

#endif  // AADX_TOOLS_LOGS_LOG_CONTACT_H_

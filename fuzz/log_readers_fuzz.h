// Oracles shared by the fuzz targets of the log readers.
#ifndef AADX_FUZZ_LOG_READERS_FUZZ_H_
#define AADX_FUZZ_LOG_READERS_FUZZ_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "tools/logs/log_contact.h"

namespace aadx {

// Every record read is a contact or a skipped record with its message.
inline void CheckCounted(const logs::ParsedLog& log) {
  FUZZ_CHECK(
      log.recordsRead >= 0 && static_cast<size_t>(log.recordsRead) ==
                                  log.contacts.size() + log.problems.size(),
      "a record is neither a contact nor a skipped record");
}

// after is before with one good record behind it, whose worked call is
// call: one more record read, and it is the last contact.
inline void CheckNothingLostBehind(const logs::ParsedLog& before,
                                   const logs::ParsedLog& after,
                                   const std::string& call) {
  CheckCounted(after);
  FUZZ_CHECK(after.recordsRead == before.recordsRead + 1,
             "the good record behind the text was not read once");
  FUZZ_CHECK(after.contacts.size() == before.contacts.size() + 1,
             "the good record behind the text was lost");
  FUZZ_CHECK(after.contacts.back().call == call,
             "the last contact is not the good record");
}

// The fuzz input read by read (a reader's text overload) as it came, then
// closed by closer, then with goodRecord, whose worked call is call,
// behind it: every record counted, and the good record not lost.
template <typename Read>
int CheckReader(const uint8_t* data, size_t size, Read read,
                const std::string& closer, const std::string& goodRecord,
                const std::string& call) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CheckCounted(read(text));
  text += closer;
  logs::ParsedLog before = read(text);
  CheckNothingLostBehind(before, read(text + goodRecord), call);
  return 0;
}

}  // namespace aadx

#endif  // AADX_FUZZ_LOG_READERS_FUZZ_H_

// The contacts the log readers give, one line each, for the tests of the
// readers and of what is built from their contacts.
#ifndef AADX_TESTS_TEST_LOG_CONTACTS_H_
#define AADX_TESTS_TEST_LOG_CONTACTS_H_

#include <string>
#include <vector>

#include "tests/test_util.h"
#include "tools/logs/log_contact.h"
#include "tools/logs/qso_time.h"

namespace aadx {

// Every field of the contact in its order, between bars; the time as
// FormatQsoTime writes it.
inline std::string ContactLine(const logs::LogContact& c) {
  return BarJoined({c.source, c.ownCall, c.call, logs::FormatQsoTime(c.time),
                    std::to_string(c.freqHz), c.band, c.mode, c.rstSent,
                    c.rstRcvd, c.exchSent, c.exchRcvd, c.prefix, c.dxcc,
                    c.continent});
}

inline std::vector<std::string> ContactLines(
    const std::vector<logs::LogContact>& contacts) {
  return LinesOf(contacts, ContactLine);
}

}  // namespace aadx

#endif  // AADX_TESTS_TEST_LOG_CONTACTS_H_

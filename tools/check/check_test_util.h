// Small Cabrillo logs of the All Asian DX contest (CW, 2025: from 21 June
// 00:00 UTC) written for the checker's tests.
#ifndef AADX_TOOLS_CHECK_CHECK_TEST_UTIL_H_
#define AADX_TOOLS_CHECK_CHECK_TEST_UTIL_H_

#include <string>
#include <vector>

namespace aadx {
namespace check {

// One QSO line's fields after "QSO: ": 20 m CW on 21 June 2025 at `time`
// ("0100"; "d2 0100" is the second day), ages as the exchanges.
inline std::string QsoLine(const std::string& time, const std::string& own,
                           const std::string& sent, const std::string& call,
                           const std::string& rcvd,
                           const std::string& freq = "14025") {
  const bool dayTwo = time.rfind("d2 ", 0) == 0;
  return freq + " CW " + (dayTwo ? "2025-06-22 " : "2025-06-21 ") +
         (dayTwo ? time.substr(3) : time) + " " + own + " 599 " + sent + " " +
         call + " 599 " + rcvd;
}

// A Cabrillo log of `call`: three header lines, so that its first QSO is on
// line 4, then the QSO lines.
inline std::string CabrilloLog(const std::string& call,
                               const std::vector<std::string>& qsos,
                               const std::string& contest = "AADX-CW") {
  std::string text =
      "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\nCONTEST: " + contest + "\n";
  for (const std::string& q : qsos) text += "QSO: " + q + "\n";
  return text + "END-OF-LOG:\n";
}

}  // namespace check
}  // namespace aadx

#endif  // AADX_TOOLS_CHECK_CHECK_TEST_UTIL_H_

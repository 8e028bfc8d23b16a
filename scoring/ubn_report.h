// The UBN report "err.txt": one line per refused contact and per dupe, so
// the operator can review them after the contest.
#ifndef AADX_SCORING_UBN_REPORT_H_
#define AADX_SCORING_UBN_REPORT_H_

#include <cstdio>
#include <string>

#include "base/qso_store.h"

namespace aadx {

extern const char kUbnFileName[];

// "QSO:  kHz  mode  date  own  rst  nr  call  rst  nr" then the message,
// which starts with its own three blanks: the contact's fields as the host
// passed them, its time as "%Y-%m-%d %H%M" and the own call after it. No
// line end.
std::string FormatUbnLine(const CInfo& contact, const std::string& ownCall,
                          const std::string& message);

// Starts "err.txt" afresh with its header line for the given mode.
void StartUbnReport(bool cw);

// An "err.txt" opened for appending for the length of one AddData0 call.
// Other programs may read and write the file meanwhile. When the file
// cannot be opened the lines are dropped.
class UbnAppender {
 public:
  UbnAppender();
  ~UbnAppender();
  UbnAppender(const UbnAppender&) = delete;
  UbnAppender& operator=(const UbnAppender&) = delete;

  // Writes one line, every line feed as CR LF, and flushes it.
  void WriteLine(const std::string& line);

 private:
  std::FILE* file_;
};

}  // namespace aadx

#endif  // AADX_SCORING_UBN_REPORT_H_

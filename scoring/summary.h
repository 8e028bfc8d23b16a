// The summary text GetResult0 returns to the host: a header, one line per
// band, the totals and the score. Lines end with CR LF, columns with a TAB.
#ifndef AADX_SCORING_SUMMARY_H_
#define AADX_SCORING_SUMMARY_H_

#include <string>

#include "scoring/score.h"

namespace aadx {

struct SummaryHeader {
  bool cw = false;
  bool asia = false;
  std::string startDate;  // "%d.%m"
  std::string endDate;    // "%d.%m.%Y"
  std::string contestant;
};

std::string FormatSummary(const SummaryHeader& header,
                          const ScoreResult& score);

}  // namespace aadx

#endif  // AADX_SCORING_SUMMARY_H_

// Per-band figures and totals of one score, the plug-in's or the sponsor's,
// in the shape of the plug-in's summary.
#ifndef AADX_TOOLS_SPONSOR_SCORE_TABLE_H_
#define AADX_TOOLS_SPONSOR_SCORE_TABLE_H_

#include <cstdint>
#include <string>
#include <vector>

namespace aadx {
namespace sponsor {

struct BandScore {
  std::string band;  // "160m" ... "10m"
  int qsos = 0;
  int points = 0;
  int multipliers = 0;
};

struct ScoreTable {
  std::vector<BandScore> bands;  // in the order shown
  BandScore total;               // band "Total"
  int64_t score = 0;
};

// Reads the band lines, the totals line and the score line of the plug-in's
// summary text (CR LF or LF line ends). Returns false when the totals or the
// score line is missing or malformed.
bool ParsePluginSummary(const std::string& summary, ScoreTable* table);

}  // namespace sponsor
}  // namespace aadx

#endif  // AADX_TOOLS_SPONSOR_SCORE_TABLE_H_

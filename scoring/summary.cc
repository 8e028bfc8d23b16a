#include "scoring/summary.h"

namespace aadx {
namespace {

std::string Num(int32_t value) { return std::to_string(value); }

}  // namespace

std::string FormatSummary(const SummaryHeader& h, const ScoreResult& s) {
  std::string text = "  ";
  text += h.cw ? "AADX-CW " : "AADX-SSB ";
  text += h.startDate + "-" + h.endDate + " \r\n";
  text += "     Contestant: " + h.contestant + "\r\n";
  text += "Band\tQSOs\tPoints\t";
  text += h.asia ? "DXCC\r\n" : "New Prefix\r\n";
  for (const BandTally& t : s.bands) {
    text += t.band + "\t " + Num(t.qsos) + "\t " + Num(t.points) + "\t " +
            Num(t.multipliers) + "\r\n";
  }
  text += "Total\t " + Num(s.totalQsos) + "\t " + Num(s.totalPoints) + "\t " +
          Num(s.totalMultipliers) + "\r\n";
  text += "Score = " + Num(s.totalPoints) + " * " + Num(s.totalMultipliers) +
          "  = " + Num(s.score) + " \r\n";
  return text;
}

}  // namespace aadx

#include "scoring/summary.h"

#include <charconv>

namespace aadx {
namespace {

std::string Num(int32_t value) { return std::to_string(value); }

// Appends "NAME\t Q\t P\t M" and CR LF: a band's row or the total's. The
// numbers go through one small buffer, since a log of thousands of band
// texts has as many rows.
void AppendRow(std::string* text, const std::string& name, int32_t qsos,
               int32_t points, int32_t multipliers) {
  char tail[64];  // three "\t " and 11-character numbers, then CR LF
  char* end = tail;
  for (int32_t value : {qsos, points, multipliers}) {
    *end++ = '\t';
    *end++ = ' ';
    end = std::to_chars(end, tail + sizeof tail, value).ptr;
  }
  *end++ = '\r';
  *end++ = '\n';
  text->append(name).append(tail, end);
}

}  // namespace

std::string FormatSummary(const SummaryHeader& h, const ScoreResult& s) {
  std::string text = "  ";
  text += h.cw ? "AADX-CW " : "AADX-SSB ";
  text += h.startDate + "-" + h.endDate + " \r\n";
  text += "     Contestant: " + h.contestant + "\r\n";
  text += "Band\tQSOs\tPoints\t";
  text += h.asia ? "DXCC\r\n" : "New Prefix\r\n";
  size_t room = text.size() + 128;
  for (const BandTally& t : s.bands) room += t.band.size() + 40;
  text.reserve(room);
  for (const BandTally& t : s.bands) {
    AppendRow(&text, t.band, t.qsos, t.points, t.multipliers);
  }
  AppendRow(&text, "Total", s.totalQsos, s.totalPoints, s.totalMultipliers);
  text += "Score = " + Num(s.totalPoints) + " * " + Num(s.totalMultipliers) +
          "  = " + Num(s.score) + " \r\n";
  return text;
}

}  // namespace aadx

#include "tools/sponsor/score_table.h"

#include <cstdio>
#include <sstream>

namespace aadx {
namespace sponsor {

namespace {

// "name\t n\t n\t n"
bool ParseBandLine(const std::string& line, BandScore* band) {
  const size_t tab = line.find('\t');
  if (tab == std::string::npos || tab == 0) return false;
  int qsos = 0, points = 0, mults = 0;
  char extra = 0;
  if (std::sscanf(line.c_str() + tab, "\t %d\t %d\t %d %c", &qsos, &points,
                  &mults, &extra) != 3) {
    return false;
  }
  band->band = line.substr(0, tab);
  band->qsos = qsos;
  band->points = points;
  band->multipliers = mults;
  return true;
}

}  // namespace

bool ParsePluginSummary(const std::string& summary, ScoreTable* table) {
  ScoreTable result;
  bool haveTotal = false;
  bool haveScore = false;
  std::istringstream in(summary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    long long points = 0, mults = 0, score = 0;
    if (std::sscanf(line.c_str(), "Score = %lld * %lld = %lld", &points, &mults,
                    &score) == 3) {
      result.score = score;
      haveScore = true;
      continue;
    }
    BandScore band;
    if (!ParseBandLine(line, &band)) continue;
    if (band.band == "Total") {
      result.total = band;
      haveTotal = true;
    } else if (!haveTotal) {
      result.bands.push_back(band);
    }
  }
  if (!haveTotal || !haveScore) return false;
  *table = result;
  return true;
}

}  // namespace sponsor
}  // namespace aadx

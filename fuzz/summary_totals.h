// The sums a fuzz target checks in the summary text GetResult0 returns:
// its band lines, read back from the "Total" line upwards, and its totals.
#ifndef AADX_FUZZ_SUMMARY_TOTALS_H_
#define AADX_FUZZ_SUMMARY_TOTALS_H_

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace aadx {

struct SummaryTotals {
  int64_t bandQsos = 0, bandPoints = 0, bandMultipliers = 0;
  int64_t totalQsos = 0, totalPoints = 0, totalMultipliers = 0, score = 0;
};

inline std::vector<std::string> SplitText(const std::string& text,
                                          const std::string& separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::string::npos;
       start = at + separator.size()) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

inline bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// A column " 12" as the summary writes it.
inline bool ReadNumber(const std::string& column, int64_t* value) {
  long long n = 0;
  char extra = 0;
  if (std::sscanf(column.c_str(), " %lld%c", &n, &extra) != 1) return false;
  *value = n;
  return true;
}

// The last three TAB-separated numbers of a band or total line.
inline bool ReadColumns(const std::string& line, int64_t* qsos, int64_t* points,
                        int64_t* multipliers) {
  std::vector<std::string> columns = SplitText(line, "\t");
  size_t n = columns.size();
  return n >= 4 && ReadNumber(columns[n - 3], qsos) &&
         ReadNumber(columns[n - 2], points) &&
         ReadNumber(columns[n - 1], multipliers);
}

// Reads the summary from its end: "Score = P * M  = S ", the "Total" line,
// and the band lines up to the column header. Band names hold no TAB and no
// line break; the contestant's call, above the header, may hold anything.
inline bool ReadSummaryTotals(const std::string& summary, SummaryTotals* t) {
  std::vector<std::string> lines = SplitText(summary, "\r\n");
  if (lines.size() < 4 || !lines.back().empty()) return false;
  size_t score = lines.size() - 2, total = lines.size() - 3;
  long long p = 0, m = 0, s = 0;
  if (std::sscanf(lines[score].c_str(), "Score = %lld * %lld  = %lld", &p, &m,
                  &s) != 3 ||
      !StartsWith(lines[total], "Total\t") ||
      !ReadColumns(lines[total], &t->totalQsos, &t->totalPoints,
                   &t->totalMultipliers)) {
    return false;
  }
  t->score = s;
  if (p != t->totalPoints || m != t->totalMultipliers) return false;
  for (size_t i = total; i-- > 0;) {
    if (StartsWith(lines[i], "Band\tQSOs\tPoints\t")) return true;
    int64_t q, pt, mu;
    if (!ReadColumns(lines[i], &q, &pt, &mu)) return false;
    t->bandQsos += q;
    t->bandPoints += pt;
    t->bandMultipliers += mu;
  }
  return false;
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace aadx

#endif  // AADX_FUZZ_SUMMARY_TOTALS_H_

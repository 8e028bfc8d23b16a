#include "tools/logs/band_plan.h"

#include <cctype>

#include "base/ascii.h"

namespace aadx {
namespace logs {

namespace {

struct Band {
  const char* name;
  uint32_t lowKhz;
  uint32_t highKhz;
};

// Widest allocations of the three IARU regions.
const Band kBands[] = {
    {"160m", 1800, 2000},   {"80m", 3500, 4000},       {"60m", 5060, 5450},
    {"40m", 7000, 7300},    {"30m", 10100, 10150},     {"20m", 14000, 14350},
    {"17m", 18068, 18168},  {"15m", 21000, 21450},     {"12m", 24890, 24990},
    {"10m", 28000, 29700},  {"6m", 50000, 54000},      {"4m", 70000, 71000},
    {"2m", 144000, 148000}, {"1.25m", 219000, 225000}, {"70cm", 420000, 450000},
};

}  // namespace

std::string BandOfKhz(uint32_t khz) {
  for (const Band& band : kBands) {
    if (khz >= band.lowKhz && khz <= band.highKhz) return band.name;
  }
  return "";
}

uint32_t BandEdgeKhz(const std::string& band) {
  for (const Band& b : kBands) {
    if (band == b.name) return b.lowKhz;
  }
  return 0;
}

std::string NormalizeBand(const std::string& band) {
  std::string result;
  for (char c : band) {
    if (std::isspace(static_cast<unsigned char>(c))) continue;
    result += AsciiLower(c);
  }
  return result;
}

}  // namespace logs
}  // namespace aadx

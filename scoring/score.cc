#include "scoring/score.h"

#include <algorithm>
#include <utility>

namespace aadx {
namespace {

std::string BandKey(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

void AddDistinct(std::vector<std::string>* values, const std::string& value,
                 std::vector<std::string>* slotList) {
  if (std::find(values->begin(), values->end(), value) != values->end()) {
    return;
  }
  values->push_back(value);
  if (slotList != nullptr) slotList->push_back(value);
}

// Wraps on overflow like the 32-bit arithmetic the host expects, without
// the undefined behaviour of signed overflow.
int32_t Wrap(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

void SortBandList(std::vector<std::string>* bands) {
  std::vector<std::string>& b = *bands;
  for (size_t i = 0; i + 1 < b.size(); ++i) {
    for (size_t j = i + 1; j < b.size(); ++j) {
      if (BandKey(b[i]) < BandKey(b[j])) std::swap(b[i], b[j]);
    }
  }
}

int BandFactor(const std::string& band) {
  if (band == "160m") return 3;
  if (band == "80m" || band == "10m") return 2;
  return 1;
}

ScoreResult ComputeScore(std::vector<std::string>* bandList,
                         const QsoStore& store, bool asia,
                         const std::string& ownContinent,
                         BandValueLists* dxccLists,
                         BandValueLists* prefixLists) {
  SortBandList(bandList);
  ScoreResult result;
  for (const std::string& band : *bandList) {
    int slot = BandSlotOf(band);
    std::vector<std::string>* dxccSlot = nullptr;
    std::vector<std::string>* prefixSlot = nullptr;
    if (slot >= 0) {
      dxccSlot = &(*dxccLists)[slot];
      prefixSlot = &(*prefixLists)[slot];
      dxccSlot->clear();
      prefixSlot->clear();
    }

    BandTally t;
    t.band = band;
    for (const CInfo& r : store.records()) {
      if (r.band != band || r.call.empty() || r.dupe != 0) continue;
      ++t.qsos;
      if (asia) {
        if (r.continent != ownContinent) {
          ++t.farQsos;
        } else {
          ++t.nearQsos;
        }
      } else if (r.continent == "AS") {
        ++t.farQsos;
      }
      AddDistinct(&t.dxccValues, r.dxcc, dxccSlot);
      AddDistinct(&t.prefixValues, r.prefix, prefixSlot);
    }
    int64_t base = asia ? 3LL * t.farQsos + t.nearQsos : t.farQsos;
    t.points = Wrap(base * BandFactor(band));
    int32_t dxcc = static_cast<int32_t>(t.dxccValues.size());
    int32_t prefixes = static_cast<int32_t>(t.prefixValues.size());
    t.multipliers = asia ? dxcc : prefixes;

    result.totalQsos = Wrap(int64_t{result.totalQsos} + t.qsos);
    result.totalPoints = Wrap(int64_t{result.totalPoints} + t.points);
    result.totalDxcc = Wrap(int64_t{result.totalDxcc} + dxcc);
    result.totalPrefixes = Wrap(int64_t{result.totalPrefixes} + prefixes);
    result.bands.push_back(std::move(t));
  }
  result.totalMultipliers = asia ? result.totalDxcc : result.totalPrefixes;
  result.score =
      Wrap(int64_t{result.totalPoints} * int64_t{result.totalMultipliers});
  return result;
}

}  // namespace aadx

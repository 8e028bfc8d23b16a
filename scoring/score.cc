#include "scoring/score.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace aadx {
namespace {

std::string BandKey(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

// Wraps on overflow like the 32-bit arithmetic the host expects, without
// the undefined behaviour of signed overflow.
int32_t Wrap(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// The exchange sort the band order is defined by: each place in turn takes
// every later entry whose key is higher than its current one. Run on key
// ranks, for the lists where two names share a key and the order among
// them depends on how the exchanges went.
void ExchangeSortByRank(std::vector<int>* ranks, std::vector<int>* order) {
  std::vector<int>& r = *ranks;
  std::vector<int>& o = *order;
  for (size_t i = 0; i + 1 < r.size(); ++i) {
    for (size_t j = i + 1; j < r.size(); ++j) {
      if (r[i] < r[j]) {
        std::swap(r[i], r[j]);
        std::swap(o[i], o[j]);
      }
    }
  }
}

// A band's DXCC or prefix values without repeats, in first-seen order:
// searched in place while short, through a set once long.
class DistinctValues {
 public:
  explicit DistinctValues(std::vector<std::string>* values) : values_(values) {}

  bool Add(const std::string& value) {
    if (values_->size() < kShort) {
      if (std::find(values_->begin(), values_->end(), value) !=
          values_->end()) {
        return false;
      }
    } else {
      if (seen_.empty()) seen_.insert(values_->begin(), values_->end());
      if (!seen_.insert(value).second) return false;
    }
    values_->push_back(value);
    return true;
  }

 private:
  static constexpr size_t kShort = 16;
  std::vector<std::string>* values_;
  std::unordered_set<std::string> seen_;
};

// One band's tally as the store is read.
struct BandWork {
  BandWork() = default;
  BandWork(const BandWork&) = delete;  // the value sets point into tally
  BandWork& operator=(const BandWork&) = delete;

  BandTally tally;
  std::vector<std::string>* dxccSlot = nullptr;
  std::vector<std::string>* prefixSlot = nullptr;
  DistinctValues dxcc{&tally.dxccValues};
  DistinctValues prefixes{&tally.prefixValues};
};

void AddDistinct(DistinctValues* values, const std::string& value,
                 std::vector<std::string>* slotList) {
  if (values->Add(value) && slotList != nullptr) slotList->push_back(value);
}

}  // namespace

void SortBandList(std::vector<std::string>* bands) {
  std::vector<std::string>& b = *bands;
  std::vector<std::string> keys;
  keys.reserve(b.size());
  for (const std::string& band : b) keys.push_back(BandKey(band));
  std::vector<int> order(b.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(),
            [&](int x, int y) { return keys[y] < keys[x]; });

  bool tie = false;
  for (size_t i = 1; i < order.size() && !tie; ++i) {
    tie = keys[order[i - 1]] == keys[order[i]];
  }
  if (tie) {
    // Keys all distinct give one order only, the sorted one; shared keys
    // need the exchanges themselves, on ranks instead of texts.
    std::vector<int> rank(b.size());
    int next = 0;
    for (size_t i = 0; i < order.size(); ++i) {
      if (i > 0 && keys[order[i - 1]] != keys[order[i]]) ++next;
      rank[order[i]] = -next;  // the highest key has the highest rank
    }
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    ExchangeSortByRank(&rank, &order);
  }
  std::vector<std::string> sorted;
  sorted.reserve(b.size());
  for (int i : order) sorted.push_back(std::move(b[i]));
  b = std::move(sorted);
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
  std::vector<BandWork> work(bandList->size());
  std::unordered_map<std::string, BandWork*> byBand;
  byBand.reserve(bandList->size());
  for (size_t i = 0; i < bandList->size(); ++i) {
    const std::string& band = (*bandList)[i];
    BandWork& w = work[i];
    w.tally.band = band;
    byBand.emplace(band, &w);
    int slot = BandSlotOf(band);
    if (slot >= 0) {
      w.dxccSlot = &(*dxccLists)[slot];
      w.prefixSlot = &(*prefixLists)[slot];
      w.dxccSlot->clear();
      w.prefixSlot->clear();
    }
  }

  // One pass in store order, so every list keeps its first-seen order.
  store.ForEach([&](const CInfo& r) {
    if (r.call.empty() || r.dupe != 0) return;
    auto it = byBand.find(r.band);
    if (it == byBand.end()) return;
    BandWork& w = *it->second;
    BandTally& t = w.tally;
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
    AddDistinct(&w.dxcc, r.dxcc, w.dxccSlot);
    AddDistinct(&w.prefixes, r.prefix, w.prefixSlot);
  });

  ScoreResult result;
  result.bands.reserve(work.size());
  for (BandWork& w : work) {
    BandTally& t = w.tally;
    int64_t base = asia ? 3LL * t.farQsos + t.nearQsos : t.farQsos;
    t.points = Wrap(base * BandFactor(t.band));
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

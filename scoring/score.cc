#include "scoring/score.h"

#include <memory>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "scoring/band_order.h"

namespace aadx {
namespace {

// Wraps on overflow like the 32-bit arithmetic the host expects, without
// the undefined behaviour of signed overflow.
int32_t Wrap(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// Counts a band's distinct DXCC or prefix values. The first is kept in
// place and the others in a set made only when a second comes, so a band
// with one contact, as in a log of thousands of odd band texts, costs no
// allocation.
class DistinctValues {
 public:
  // Whether the value is new to the band.
  bool Add(const std::string& value) {
    if (count_ == 0) {
      first_ = value;
    } else if (value == first_) {
      return false;
    } else {
      if (others_ == nullptr) {
        others_ = std::make_unique<std::unordered_set<std::string>>();
      }
      if (!others_->insert(value).second) return false;
    }
    ++count_;
    return true;
  }
  int32_t count() const { return count_; }

 private:
  std::string first_;
  std::unique_ptr<std::unordered_set<std::string>> others_;
  int32_t count_ = 0;
};

// One band's tally, in its place in the result, as the store is read. A
// contest band also refills its slot lists, in first-seen order.
struct BandWork {
  explicit BandWork(BandTally* t) : tally(t) {}

  BandTally* tally;
  std::vector<std::string>* dxccSlot = nullptr;
  std::vector<std::string>* prefixSlot = nullptr;
  DistinctValues dxcc;
  DistinctValues prefixes;
};

void AddDistinct(DistinctValues* values, const std::string& value,
                 std::vector<std::string>* slotList) {
  if (values->Add(value) && slotList != nullptr) slotList->push_back(value);
}

}  // namespace

int BandFactor(const std::string& band) {
  std::string_view b = band;
  if (b == "160m") return 3;
  if (b == "80m" || b == "10m") return 2;
  return 1;
}

ScoreResult ComputeScore(std::vector<int>* bandOrder, const QsoStore& store,
                         bool asia, const std::string& ownContinent,
                         BandValueLists* dxccLists,
                         BandValueLists* prefixLists) {
  std::vector<int>& order = *bandOrder;
  if (order.size() > static_cast<size_t>(store.bandCount())) order.clear();
  for (int band = static_cast<int>(order.size()); band < store.bandCount();
       ++band) {
    order.push_back(band);
  }
  std::vector<const std::string*> names;
  names.reserve(order.size());
  for (int band : order) names.push_back(&store.bandName(band));
  std::vector<int> sorted;
  sorted.reserve(order.size());
  for (int i : BandSortOrder(names)) sorted.push_back(order[i]);
  order = std::move(sorted);

  ScoreResult result;
  result.bands.resize(order.size());
  std::vector<BandWork> work;
  work.reserve(order.size());
  std::vector<int> placeOf(order.size());  // by band number
  for (size_t i = 0; i < order.size(); ++i) {
    BandTally& t = result.bands[i];
    t.band = store.bandName(order[i]);
    placeOf[order[i]] = static_cast<int>(i);
    BandWork& w = work.emplace_back(&t);
    int slot = BandSlotOf(t.band);
    if (slot >= 0) {
      w.dxccSlot = &(*dxccLists)[slot];
      w.prefixSlot = &(*prefixLists)[slot];
      w.dxccSlot->clear();
      w.prefixSlot->clear();
    }
  }

  // One pass in store order, so every list keeps its first-seen order.
  store.ForEachWithBand([&](const CInfo& r, int band) {
    if (r.call.empty() || r.dupe != 0) return;
    BandWork& w = work[placeOf[band]];
    BandTally& t = *w.tally;
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

  for (const BandWork& w : work) {
    BandTally& t = *w.tally;
    int64_t base = asia ? 3LL * t.farQsos + t.nearQsos : t.farQsos;
    t.points = Wrap(base * BandFactor(t.band));
    t.dxcc = w.dxcc.count();
    t.prefixes = w.prefixes.count();
    t.multipliers = asia ? t.dxcc : t.prefixes;

    result.totalQsos = Wrap(int64_t{result.totalQsos} + t.qsos);
    result.totalPoints = Wrap(int64_t{result.totalPoints} + t.points);
    result.totalDxcc = Wrap(int64_t{result.totalDxcc} + t.dxcc);
    result.totalPrefixes = Wrap(int64_t{result.totalPrefixes} + t.prefixes);
  }
  result.totalMultipliers = asia ? result.totalDxcc : result.totalPrefixes;
  result.score =
      Wrap(int64_t{result.totalPoints} * int64_t{result.totalMultipliers});
  return result;
}

}  // namespace aadx

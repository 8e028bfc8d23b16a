#include "scoring/band_order.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>

namespace aadx {
namespace {

// A band's sort key is its name left-padded with '0' to this width; longer
// names are their own key.
constexpr size_t kBandKeyWidth = 20;

// Every name's key, the padded ones laid out in *buffer, so that a list of
// thousands of odd band texts costs one allocation, not one per name.
std::vector<std::string_view> BandKeys(
    const std::vector<const std::string*>& names, std::string* buffer) {
  buffer->assign(names.size() * kBandKeyWidth, '0');
  std::vector<std::string_view> keys;
  keys.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& band = *names[i];
    if (band.size() >= kBandKeyWidth) {
      keys.emplace_back(band);
      continue;
    }
    char* key = &(*buffer)[i * kBandKeyWidth];
    band.copy(key + kBandKeyWidth - band.size(), band.size());
    keys.emplace_back(key, kBandKeyWidth);
  }
  return keys;
}

// A key's first kBandKeyWidth bytes as numbers that compare as the bytes
// do, and the position of its name: sorting these compares a few numbers
// side by side in memory instead of calling memcmp on keys far apart.
struct KeyHead {
  uint64_t high;
  uint64_t middle;
  uint32_t low;
  int position;
};

uint64_t BigEndian(std::string_view bytes) {
  uint64_t value = 0;
  for (char c : bytes) value = value << 8 | static_cast<unsigned char>(c);
  return value;
}

KeyHead HeadOf(std::string_view key, int position) {
  static_assert(kBandKeyWidth == 8 + 8 + 4, "the head holds a whole key");
  return KeyHead{BigEndian(key.substr(0, 8)), BigEndian(key.substr(8, 8)),
                 static_cast<uint32_t>(BigEndian(key.substr(16, 4))), position};
}

// Marks on the places 0 to n-1 (a Fenwick tree): how many marked places
// lie below a place, and where the k-th marked one is, each in O(log n).
class PlaceMarks {
 public:
  // n places, every one marked or none.
  void Reset(size_t n, bool marked) {
    tree_.assign(n + 1, 0);
    if (!marked) return;
    for (size_t i = 1; i <= n; ++i) tree_[i] = i & (~i + 1);
  }

  void Mark(size_t place) {
    for (size_t i = place + 1; i < tree_.size(); i += i & (~i + 1)) {
      ++tree_[i];
    }
  }

  void Unmark(size_t place) {
    for (size_t i = place + 1; i < tree_.size(); i += i & (~i + 1)) {
      --tree_[i];
    }
  }

  // Marked places before place.
  size_t CountBelow(size_t place) const {
    size_t count = 0;
    for (size_t i = place; i > 0; i &= i - 1) count += tree_[i];
    return count;
  }

  // The marked place with k marked places before it; there must be more
  // than k marked places.
  size_t FindMarked(size_t k) const {
    size_t step = 1;
    while (step * 2 < tree_.size()) step *= 2;
    size_t place = 0;  // the marked places before it are fewer than k + 1
    for (; step > 0; step /= 2) {
      if (place + step < tree_.size() && tree_[place + step] <= k) {
        place += step;
        k -= tree_[place];
      }
    }
    return place;
  }

 private:
  std::vector<size_t> tree_;  // 1-based
};

// *order holds positions into keys, highest key first, so that equal keys
// make runs. Puts each run into the order the exchange sort leaves those
// entries in.
//
// Why that is this order. A pass of the exchange sort carries the entry at
// its place along the list, trades it for each later entry with a higher
// key than the one carried, and leaves the highest at the place. Whether
// an entry with key v or higher is traded for depends only on the entries
// with key v or higher before it, and each one traded for lands where the
// next one was: seen on the entries with key v or higher alone, every pass
// does just the same. So the order of the entries with key v depends only
// on where the higher ones lie among them, and each pass takes out one
// higher entry. When the entries seen start with a higher one, that one
// goes and no entry with key v moves. When they start with a run of
// entries with key v, the first of the run is carried to the higher entry
// after the run and left in its place: the run turns by one and that
// higher entry goes. So, taken in list order, the entries with key v make
// a run that turns by one for every higher entry between it and the next
// entry with key v, which then joins the run's end; the higher entries
// after the last one turn it too, those before the first do nothing. Once
// no higher entry is left, the run comes out as it stands.
//
// The run is kept as a circle and its head: a turn moves the head on, an
// entry joins just before the head. Where each entry joins the circle is
// known as it joins; where it ends up is found backwards, the last to join
// taking its place first among the places still free.
void OrderRunsAsExchanged(const std::vector<std::string_view>& keys,
                          std::vector<int>* order) {
  std::vector<int>& o = *order;
  const size_t n = o.size();
  PlaceMarks higher;  // the positions of the runs done
  higher.Reset(n, false);
  PlaceMarks free;             // the places of the circle not yet taken
  std::vector<size_t> joinAt;  // by entry of the run, in list order
  std::vector<int> circle;
  size_t end;
  for (size_t begin = 0; begin < n; begin = end) {
    end = begin + 1;
    while (end < n && keys[o[end]] == keys[o[begin]]) ++end;
    int* run = &o[begin];
    const size_t count = end - begin;
    if (count > 1) {
      std::sort(run, run + count);  // list order
      joinAt.assign(count, 0);
      size_t head = 0;
      for (size_t t = 1; t < count; ++t) {
        size_t between = higher.CountBelow(static_cast<size_t>(run[t])) -
                         higher.CountBelow(static_cast<size_t>(run[t - 1]) + 1);
        head = (head + between) % t;  // t entries in the circle
        joinAt[t] = head;
        ++head;
      }
      // begin entries have a higher key.
      size_t after =
          begin - higher.CountBelow(static_cast<size_t>(run[count - 1]) + 1);
      head = (head + after) % count;
      free.Reset(count, true);
      circle.resize(count);
      for (size_t t = count; t-- > 0;) {
        size_t place = free.FindMarked(joinAt[t]);
        free.Unmark(place);
        circle[place] = run[t];
      }
      for (size_t i = 0; i < count; ++i) run[i] = circle[(head + i) % count];
    }
    for (size_t i = begin; i < end; ++i) {
      higher.Mark(static_cast<size_t>(o[i]));
    }
  }
}

}  // namespace

std::vector<int> BandSortOrder(const std::vector<const std::string*>& names) {
  std::string keyBuffer;
  std::vector<std::string_view> keys = BandKeys(names, &keyBuffer);
  std::vector<int> order(names.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  // A list in order already, as the last computation left it, is its own
  // exchange sort: no later key is ever higher.
  if (std::is_sorted(keys.begin(), keys.end(), std::greater<>())) return order;
  std::vector<KeyHead> heads;
  heads.reserve(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    heads.push_back(HeadOf(keys[i], static_cast<int>(i)));
  }
  std::sort(heads.begin(), heads.end(),
            [&](const KeyHead& x, const KeyHead& y) {
              if (x.high != y.high) return y.high < x.high;
              if (x.middle != y.middle) return y.middle < x.middle;
              if (x.low != y.low) return y.low < x.low;
              // Only names longer than the key's width differ beyond it.
              std::string_view kx = keys[x.position];
              std::string_view ky = keys[y.position];
              return (kx.size() > kBandKeyWidth || ky.size() > kBandKeyWidth) &&
                     ky < kx;
            });
  for (size_t i = 0; i < heads.size(); ++i) order[i] = heads[i].position;
  OrderRunsAsExchanged(keys, &order);
  return order;
}

}  // namespace aadx

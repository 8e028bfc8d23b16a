#include "scoring/band_order.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/scan_model.h"

namespace aadx {
namespace {

// The exchange sort itself, swap for swap, on positions into names.
std::vector<int> ExchangedPositions(const std::vector<std::string>& names) {
  std::vector<int> o;
  for (size_t i = 0; i < names.size(); ++i) o.push_back(static_cast<int>(i));
  for (size_t i = 0; i + 1 < o.size(); ++i) {
    for (size_t j = i + 1; j < o.size(); ++j) {
      if (ScanBandKey(names[o[i]]) < ScanBandKey(names[o[j]])) {
        std::swap(o[i], o[j]);
      }
    }
  }
  return o;
}

std::vector<int> Sorted(const std::vector<std::string>& names) {
  std::vector<const std::string*> pointers;
  for (const std::string& name : names) pointers.push_back(&name);
  return BandSortOrder(pointers);
}

// count names drawn from pool, with a fixed seed.
std::vector<std::string> Drawn(const std::vector<std::string>& pool, int count,
                               unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(pool[rng() % pool.size()]);
  return names;
}

// Equal names and names that share a padded key come out in the order the
// exchange sort's swaps leave them, wherever the higher keys lie.
TEST(BandOrderTest, EqualKeysComeOutAsTheExchangeSortLeavesThem) {
  const std::string long160 = "000000000000000000160m";  // its own key
  const std::string padded160 = "0000000000000000160m";  // 160m's key
  const std::vector<std::string> cases[] = {
      {},
      {"m"},
      {"m", "0m"},
      {"0m", "m"},
      {"m", "20m", "0m"},
      {"0m", "160m", "m", "00m", "80m", "000m", "10m"},
      {"10m", "m", "0m", "00m", "160m", "160m", "0160m"},
      // Empty names: all the key of "0" and "00".
      {"", "0", "1", "", "00", "A", "0", ""},
      // Equal names and their padded twins.
      {"20m", "20m", "020m", "40m", "20m", "0020m", "40m"},
      // Digits only: leading zeros share keys, lengths do not.
      {"1", "01", "10", "001", "010", "2", "02", "0010", "9"},
      // A name of the key's width equal to a padded key; a longer one.
      {"160m", long160, padded160, "0160m", "6m", padded160},
      // Letters above digits, case apart.
      {"0A", "a", "A", "00A", "0a", "B", "A"},
      Drawn({"m", "0m", "00m", "1m", "01m", "z", ""}, 300, 1),
      Drawn({"6m", "06m", "160m", "0160m", "10m", "010m", "0010m"}, 500, 2),
      Drawn({"B1", "0B1", "B2", "0B2", "B10", "0B10", "C"}, 700, 3),
  };
  for (const std::vector<std::string>& names : cases) {
    EXPECT_EQ(Sorted(names), ExchangedPositions(names))
        << names.size() << " names from \"" << (names.empty() ? "" : names[0])
        << "\"";
  }
}

}  // namespace
}  // namespace aadx

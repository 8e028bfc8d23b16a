#include "base/small_vector.h"

#include <gtest/gtest.h>

#include <vector>

namespace aadx {
namespace {

// Erasing anywhere, across the boundary between the values in place and
// those on the heap, keeps the others in order, as a std::vector does.
TEST(SmallVectorTest, EraseKeepsOrderAcrossThePlaceAndTheHeap) {
  for (int size = 1; size <= 6; ++size) {
    for (int at = 0; at < size; ++at) {
      SmallVector<int, 2> small;
      std::vector<int> plain;
      for (int i = 0; i < size; ++i) {
        small.push_back(i * 10);
        plain.push_back(i * 10);
      }
      small.erase(at);
      plain.erase(plain.begin() + at);
      small.push_back(99);
      plain.push_back(99);
      std::vector<int> got;
      for (int i = 0; i < small.size(); ++i) got.push_back(small[i]);
      ASSERT_EQ(got, plain) << size << " " << at;
    }
  }
}

}  // namespace
}  // namespace aadx

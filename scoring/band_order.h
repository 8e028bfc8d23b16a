// The order of the score's band list.
//
// A band's key is its name left-padded with '0' to 20 characters (a longer
// name is its own key), compared byte by byte; the list goes highest key
// first. The order is the one an exchange sort of the list leaves: each
// place in turn takes every later entry whose key is higher than its
// current one, by swapping the two. Names that share a key ("m" and "0m")
// come out in the order those swaps give them, which depends on where the
// higher keys lay in the list; BandSortOrder gives that order without
// doing the swaps, in O(n log n) time.
#ifndef AADX_SCORING_BAND_ORDER_H_
#define AADX_SCORING_BAND_ORDER_H_

#include <string>
#include <vector>

namespace aadx {

// Where each place of the sorted list takes its name from: positions into
// names.
std::vector<int> BandSortOrder(const std::vector<const std::string*>& names);

}  // namespace aadx

#endif  // AADX_SCORING_BAND_ORDER_H_

// A sequence of plain values whose first N live in place, the rest on the
// heap. The store keeps a callsign's records and counts in these: most
// callsigns have one or two, and keeping them inside the callsign's entry
// saves a trip to memory for each lookup on a large log.
#ifndef AADX_BASE_SMALL_VECTOR_H_
#define AADX_BASE_SMALL_VECTOR_H_

#include <type_traits>
#include <vector>

namespace aadx {

template <typename T, int N>
class SmallVector {
  static_assert(std::is_trivially_copyable<T>::value, "plain values only");

 public:
  int size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T& operator[](int i) { return i < N ? inPlace_[i] : more_[i - N]; }
  const T& operator[](int i) const {
    return i < N ? inPlace_[i] : more_[i - N];
  }

  void push_back(const T& value) {
    if (size_ < N) {
      inPlace_[size_] = value;
    } else {
      more_.push_back(value);
    }
    ++size_;
  }

  // Removes the i-th value; the later ones move up, keeping their order.
  void erase(int i) {
    for (int j = i; j + 1 < size_; ++j) (*this)[j] = (*this)[j + 1];
    if (size_ > N) more_.pop_back();
    --size_;
  }

 private:
  T inPlace_[N];
  int size_ = 0;
  std::vector<T> more_;
};

}  // namespace aadx

#endif  // AADX_BASE_SMALL_VECTOR_H_

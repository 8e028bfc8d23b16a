// Texts numbered 0, 1, 2, ... in order of first appearance, each with a
// value beside it, kept until Clear. A lookup reads one slot of a flat,
// open-addressed table and then the entry, text and value together: two
// memory reads however many texts there are, where a node-based map walks
// a chain of separately allocated nodes. That is what keeps the store's
// per-contact cost flat on logs larger than the processor's caches.
#ifndef AADX_BASE_NUMBERED_TEXTS_H_
#define AADX_BASE_NUMBERED_TEXTS_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace aadx {

template <typename Value>
class NumberedTexts {
 public:
  struct Entry {
    std::string text;
    Value value;
  };

  int size() const { return static_cast<int>(entries_.size()); }
  Entry& operator[](int number) { return entries_[number]; }
  const Entry& operator[](int number) const { return entries_[number]; }
  std::vector<Entry>& entries() { return entries_; }

  // The text's number, or -1 when it was never numbered.
  int Find(std::string_view text) const {
    if (entries_.empty()) return -1;
    uint32_t hash = Hash(text);
    for (size_t i = hash & Mask();; i = (i + 1) & Mask()) {
      const Slot& slot = table_[i];
      if (slot.number < 0) return -1;
      if (slot.hash == hash && entries_[slot.number].text == text) {
        return slot.number;
      }
    }
  }

  // The text's number, numbering it with a default value when new.
  int Number(std::string_view text) {
    if (2 * (entries_.size() + 1) > table_.size()) Grow();
    uint32_t hash = Hash(text);
    size_t i = hash & Mask();
    for (;; i = (i + 1) & Mask()) {
      const Slot& slot = table_[i];
      if (slot.number < 0) break;
      if (slot.hash == hash && entries_[slot.number].text == text) {
        return slot.number;
      }
    }
    int number = size();
    table_[i] = Slot{hash, number};
    entries_.push_back(Entry{std::string(text), Value()});
    return number;
  }

  // Forgets every text; keeps the room, so filling again grows nothing.
  void Clear() {
    entries_.clear();
    table_.assign(table_.size(), Slot{0, -1});
  }

 private:
  struct Slot {
    uint32_t hash;
    int32_t number;  // -1: empty
  };

  static uint32_t Hash(std::string_view text) {
    return static_cast<uint32_t>(std::hash<std::string_view>()(text));
  }
  size_t Mask() const { return table_.size() - 1; }

  // Doubles the table, at most half full afterwards, so probes stay short.
  void Grow() {
    std::vector<Slot> old = std::move(table_);
    table_.assign(old.empty() ? 16 : 2 * old.size(), Slot{0, -1});
    for (const Slot& slot : old) {
      if (slot.number < 0) continue;
      size_t i = slot.hash & Mask();
      while (table_[i].number >= 0) i = (i + 1) & Mask();
      table_[i] = slot;
    }
  }

  std::vector<Slot> table_;  // size a power of two, or empty
  std::vector<Entry> entries_;
};

}  // namespace aadx

#endif  // AADX_BASE_NUMBERED_TEXTS_H_

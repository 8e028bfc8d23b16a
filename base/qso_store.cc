#include "base/qso_store.h"

#include <algorithm>

namespace aadx {
namespace {

// The host's date-time values compare by status and, when valid, by value.
bool SameTime(const StatsOleDate& a, const StatsOleDate& b) {
  if (a.status != b.status) return false;
  return a.status != kOleDateValid || a.days == b.days;
}

// Index keys join texts with NUL, which no text from the host contains.
std::string Key(const std::string& a, const std::string& b) {
  std::string key;
  key.reserve(a.size() + b.size() + 1);
  key.append(a).push_back('\0');
  return key.append(b);
}

// Gaps are closed once they outnumber the records, and not before this
// many, so small stores never pay for it.
constexpr size_t kMinGapsToClose = 64;

}  // namespace

Intake CheckIntake(const CInfo& c) {
  if (c.band == "30m" || c.band == "17m" || c.band == "12m") {
    return Intake::kNoContestBand;
  }
  if (c.mode != "CW" && c.mode != "SSB") return Intake::kNoTestMode;
  if (c.exchRcvd.empty() || c.exchSent.empty()) return Intake::kNoRxNumber;
  return Intake::kAccepted;
}

const CInfo& QsoStore::at(int index) const {
  if (static_cast<size_t>(live_) == slots_.size()) return slots_[index];
  for (size_t i = 0;; ++i) {
    if (!removed_[i] && index-- == 0) return slots_[i];
  }
}

std::vector<CInfo> QsoStore::records() const {
  std::vector<CInfo> copy;
  copy.reserve(live_);
  ForEach([&](const CInfo& r) { copy.push_back(r); });
  return copy;
}

// Keeps the capacity: the host rebuilds the statistics by a reset and the
// whole log again, which then grows nothing.
void QsoStore::Clear() {
  slots_.clear();
  facts_.clear();
  removed_.clear();
  live_ = 0;
  bands_.Clear();
  modes_.Clear();
  prefixBands_.Clear();
  calls_.Clear();
}

int QsoStore::Kinds::Find(int band, int mode) const {
  for (int i = 0; i < size_; ++i) {
    if (at(i).band == band && at(i).mode == mode) return i;
  }
  return -1;
}

void QsoStore::Kinds::Add(const Kind& kind) {
  if (size_ < kInPlace) {
    inPlace_[size_] = kind;
  } else {
    more_.push_back(kind);
  }
  ++size_;
}

void QsoStore::Kinds::Erase(int i) {
  at(i) = at(size_ - 1);
  if (size_ > kInPlace) more_.pop_back();
  --size_;
}

int QsoStore::CountEarlierMatches(const CInfo& contact) const {
  int call = calls_.Find(contact.call);
  if (call < 0) return 0;
  const Kinds& kinds = calls_[call].value.kinds;
  int kind = kinds.Find(bands_.Find(contact.band), modes_.Find(contact.mode));
  return kind < 0 ? 0 : kinds.at(kind).count;
}

bool QsoStore::WorkedOnBand(const std::string& call,
                            const std::string& band) const {
  int number = calls_.Find(call);
  if (number < 0) return false;
  const Kinds& kinds = calls_[number].value.kinds;
  int id = bands_.Find(band);
  for (int i = 0; i < kinds.size(); ++i) {
    if (kinds.at(i).band == id) return true;
  }
  return false;
}

bool QsoStore::PrefixWorkedOnBand(const std::string& prefix,
                                  const std::string& band) const {
  int number = prefixBands_.Find(Key(prefix, band));
  return number >= 0 && prefixBands_[number].value > 0;
}

int QsoStore::Append(const CInfo& record) {
  int slot = static_cast<int>(slots_.size());
  Facts facts{bands_.Number(record.band), modes_.Number(record.mode),
              prefixBands_.Number(Key(record.prefix, record.band)), -1,
              record.time};
  ++prefixBands_[facts.prefixBand].value;

  CallRecords& mine = calls_[calls_.Number(record.call)].value;
  int kind = mine.kinds.Find(facts.band, facts.mode);
  if (kind < 0) {
    kind = mine.kinds.size();
    mine.kinds.Add(Kind{facts.band, facts.mode, 0});
  }
  int earlier = mine.kinds.at(kind).count++;
  if (mine.last >= 0) {
    facts_[mine.last].next = slot;
  } else {
    mine.first = slot;
  }
  mine.last = slot;

  slots_.push_back(record);
  slots_.back().dupe = earlier > 0 ? 1 : 0;
  facts_.push_back(facts);
  removed_.push_back(false);
  ++live_;
  return earlier;
}

bool QsoStore::Remove(const CInfo& contact) {
  int call = calls_.Find(contact.call);
  int band = bands_.Find(contact.band);
  if (call < 0 || band < 0) return false;
  CallRecords& mine = calls_[call].value;
  int mode = modes_.Find(contact.mode);

  // Only this call's records can match; they are linked in insertion
  // order. Returns the first matching slot and the slot before it.
  auto find = [&](auto matches, int* before) {
    *before = -1;
    for (int slot = mine.first; slot >= 0; slot = facts_[slot].next) {
      if (matches(facts_[slot])) return slot;
      *before = slot;
    }
    return -1;
  };
  int before;
  int slot = find(
      [&](const Facts& f) {
        return f.band == band && f.mode == mode &&
               SameTime(f.time, contact.time);
      },
      &before);
  if (slot < 0) {
    slot =
        find([&](const Facts& f) { return f.band == band && f.mode == mode; },
             &before);
  }
  if (slot < 0) {
    slot = find([&](const Facts& f) { return f.band == band; }, &before);
  }
  if (slot < 0) return false;

  const Facts& gone = facts_[slot];
  if (before >= 0) {
    facts_[before].next = gone.next;
  } else {
    mine.first = gone.next;
  }
  if (mine.last == slot) mine.last = before;
  removed_[slot] = true;
  --live_;
  int kind = mine.kinds.Find(gone.band, gone.mode);
  if (--mine.kinds.at(kind).count == 0) mine.kinds.Erase(kind);
  --prefixBands_[gone.prefixBand].value;

  bool seen = false;
  for (int other = mine.first; other >= 0; other = facts_[other].next) {
    const Facts& f = facts_[other];
    if (f.band != gone.band || f.mode != gone.mode) continue;
    slots_[other].dupe = seen ? 1 : 0;
    seen = true;
  }
  // The gap keeps its texts until the records close up: clearing them now
  // would read the whole record for nothing.

  size_t gaps = slots_.size() - static_cast<size_t>(live_);
  if (gaps >= kMinGapsToClose && gaps > static_cast<size_t>(live_)) {
    CloseGaps();
  }
  return true;
}

void QsoStore::CloseGaps() {
  std::vector<int> moved(slots_.size(), -1);
  size_t kept = 0;
  for (size_t i = 0; i < slots_.size(); ++i) {
    if (removed_[i]) continue;
    moved[i] = static_cast<int>(kept);
    if (kept != i) {
      slots_[kept] = std::move(slots_[i]);
      facts_[kept] = facts_[i];
    }
    ++kept;
  }
  slots_.resize(kept);
  facts_.resize(kept);
  removed_.assign(kept, false);
  // Links point at remaining records only: removal unlinks.
  for (Facts& f : facts_) {
    if (f.next >= 0) f.next = moved[f.next];
  }
  for (auto& entry : calls_.entries()) {
    CallRecords& r = entry.value;
    if (r.first >= 0) r.first = moved[r.first];
    if (r.last >= 0) r.last = moved[r.last];
  }
}

}  // namespace aadx

#include "base/qso_store.h"

#include <algorithm>

namespace aadx {
namespace {

bool SameStation(const CInfo& a, const CInfo& b) {
  return a.call == b.call && a.band == b.band && a.mode == b.mode;
}

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

void QsoStore::Clear() {
  slots_.clear();
  removed_.clear();
  live_ = 0;
  byCall_.clear();
  prefixBands_.clear();
}

int QsoStore::CountEarlierMatches(const CInfo& contact) const {
  auto it = byCall_.find(contact.call);
  if (it == byCall_.end()) return 0;
  for (const Kind& k : it->second.kinds) {
    if (k.band == contact.band && k.mode == contact.mode) return k.count;
  }
  return 0;
}

bool QsoStore::WorkedOnBand(const std::string& call,
                            const std::string& band) const {
  auto it = byCall_.find(call);
  if (it == byCall_.end()) return false;
  for (const Kind& k : it->second.kinds) {
    if (k.band == band) return true;
  }
  return false;
}

bool QsoStore::PrefixWorkedOnBand(const std::string& prefix,
                                  const std::string& band) const {
  return prefixBands_.count(Key(prefix, band)) != 0;
}

int QsoStore::Append(CInfo record) {
  CallRecords& mine = byCall_[record.call];
  auto kind =
      std::find_if(mine.kinds.begin(), mine.kinds.end(), [&](const Kind& k) {
        return k.band == record.band && k.mode == record.mode;
      });
  if (kind == mine.kinds.end()) {
    mine.kinds.push_back(Kind{record.band, record.mode, 0});
    kind = mine.kinds.end() - 1;
  }
  int earlier = kind->count++;
  record.dupe = earlier > 0 ? 1 : 0;
  ++prefixBands_[Key(record.prefix, record.band)];
  mine.slots.push_back(static_cast<int>(slots_.size()));
  slots_.push_back(std::move(record));
  removed_.push_back(false);
  ++live_;
  return earlier;
}

bool QsoStore::Remove(const CInfo& contact) {
  auto calls = byCall_.find(contact.call);
  if (calls == byCall_.end()) return false;
  CallRecords& mine = calls->second;

  // Only this call's records can match; they are in insertion order.
  auto find = [&](auto matches) {
    return std::find_if(mine.slots.begin(), mine.slots.end(),
                        [&](int slot) { return matches(slots_[slot]); });
  };
  auto it = find([&](const CInfo& r) {
    return SameStation(r, contact) && SameTime(r.time, contact.time);
  });
  if (it == mine.slots.end()) {
    it = find([&](const CInfo& r) { return SameStation(r, contact); });
  }
  if (it == mine.slots.end()) {
    it = find([&](const CInfo& r) { return r.band == contact.band; });
  }
  if (it == mine.slots.end()) return false;

  int slot = *it;
  mine.slots.erase(it);
  CInfo& removed = slots_[slot];
  removed_[slot] = true;
  --live_;
  for (auto k = mine.kinds.begin(); k != mine.kinds.end(); ++k) {
    if (k->band != removed.band || k->mode != removed.mode) continue;
    if (--k->count == 0) mine.kinds.erase(k);
    break;
  }
  auto prefix = prefixBands_.find(Key(removed.prefix, removed.band));
  if (prefix != prefixBands_.end() && --prefix->second == 0) {
    prefixBands_.erase(prefix);
  }

  bool seen = false;
  for (int other : mine.slots) {
    CInfo& r = slots_[other];
    if (!SameStation(r, removed)) continue;
    r.dupe = seen ? 1 : 0;
    seen = true;
  }
  if (mine.slots.empty()) byCall_.erase(calls);
  // The gap keeps no texts until the records close up.
  removed = CInfo();

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
    if (kept != i) slots_[kept] = std::move(slots_[i]);
    ++kept;
  }
  slots_.resize(kept);
  removed_.assign(kept, false);
  for (auto& entry : byCall_) {
    for (int& slot : entry.second.slots) slot = moved[slot];
  }
}

void AddToBandList(std::vector<std::string>* bands, const std::string& band) {
  if (std::find(bands->begin(), bands->end(), band) == bands->end()) {
    bands->push_back(band);
  }
}

}  // namespace aadx

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

std::string StationKey(const CInfo& c) {
  return Key(Key(c.call, c.band), c.mode);
}

int CountOf(const std::unordered_map<std::string, int>& counts,
            const std::string& key) {
  auto it = counts.find(key);
  return it == counts.end() ? 0 : it->second;
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
  stations_.clear();
  callBands_.clear();
  prefixBands_.clear();
}

int QsoStore::CountEarlierMatches(const CInfo& contact) const {
  return CountOf(stations_, StationKey(contact));
}

bool QsoStore::WorkedOnBand(const std::string& call,
                            const std::string& band) const {
  return CountOf(callBands_, Key(call, band)) > 0;
}

bool QsoStore::PrefixWorkedOnBand(const std::string& prefix,
                                  const std::string& band) const {
  return CountOf(prefixBands_, Key(prefix, band)) > 0;
}

void QsoStore::Append(CInfo record) {
  int& earlier = stations_[StationKey(record)];
  record.dupe = earlier > 0 ? 1 : 0;
  ++earlier;
  ++callBands_[Key(record.call, record.band)];
  ++prefixBands_[Key(record.prefix, record.band)];
  byCall_[record.call].push_back(static_cast<int>(slots_.size()));
  slots_.push_back(std::move(record));
  removed_.push_back(false);
  ++live_;
}

void QsoStore::CountDown(Counts* counts, const std::string& key) {
  auto it = counts->find(key);
  if (it != counts->end() && --it->second == 0) counts->erase(it);
}

bool QsoStore::Remove(const CInfo& contact) {
  auto calls = byCall_.find(contact.call);
  if (calls == byCall_.end()) return false;
  std::vector<int>& mine = calls->second;

  // Only this call's records can match; they are in insertion order.
  auto find = [&](auto matches) {
    return std::find_if(mine.begin(), mine.end(),
                        [&](int slot) { return matches(slots_[slot]); });
  };
  auto it = find([&](const CInfo& r) {
    return SameStation(r, contact) && SameTime(r.time, contact.time);
  });
  if (it == mine.end()) {
    it = find([&](const CInfo& r) { return SameStation(r, contact); });
  }
  if (it == mine.end()) {
    it = find([&](const CInfo& r) { return r.band == contact.band; });
  }
  if (it == mine.end()) return false;

  int slot = *it;
  mine.erase(it);
  CInfo& removed = slots_[slot];
  removed_[slot] = true;
  --live_;
  CountDown(&stations_, StationKey(removed));
  CountDown(&callBands_, Key(removed.call, removed.band));
  CountDown(&prefixBands_, Key(removed.prefix, removed.band));

  bool seen = false;
  for (int other : mine) {
    CInfo& r = slots_[other];
    if (!SameStation(r, removed)) continue;
    r.dupe = seen ? 1 : 0;
    seen = true;
  }
  if (mine.empty()) byCall_.erase(calls);
  // The gap keeps its texts until the records close up; its memory is
  // given back now.
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
    for (int& slot : entry.second) slot = moved[slot];
  }
}

void AddToBandList(std::vector<std::string>* bands, const std::string& band) {
  if (std::find(bands->begin(), bands->end(), band) == bands->end()) {
    bands->push_back(band);
  }
}

}  // namespace aadx

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

void QsoStore::Clear() { *this = QsoStore(); }

int QsoStore::Numbering::Find(const std::string& name) const {
  auto it = ids.find(name);
  return it == ids.end() ? -1 : it->second;
}

int QsoStore::Numbering::Number(const std::string& name) {
  auto inserted = ids.emplace(name, static_cast<int>(names.size()));
  if (inserted.second) names.push_back(name);
  return inserted.first->second;
}

int QsoStore::KindIndex(const CallRecords& mine, int band, int mode) {
  for (size_t i = 0; i < mine.kinds.size(); ++i) {
    if (mine.kinds[i].band == band && mine.kinds[i].mode == mode) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int QsoStore::CountEarlierMatches(const CInfo& contact) const {
  auto it = byCall_.find(contact.call);
  if (it == byCall_.end()) return 0;
  const CallRecords& mine = it->second;
  int kind =
      KindIndex(mine, bands_.Find(contact.band), modes_.Find(contact.mode));
  return kind < 0 ? 0 : mine.kinds[kind].count;
}

bool QsoStore::WorkedOnBand(const std::string& call,
                            const std::string& band) const {
  auto it = byCall_.find(call);
  if (it == byCall_.end()) return false;
  int id = bands_.Find(band);
  for (const Kind& k : it->second.kinds) {
    if (k.band == id) return true;
  }
  return false;
}

bool QsoStore::PrefixWorkedOnBand(const std::string& prefix,
                                  const std::string& band) const {
  return prefixBands_.count(Key(prefix, band)) != 0;
}

int QsoStore::Append(CInfo record) {
  int band = bands_.Number(record.band);
  int mode = modes_.Number(record.mode);
  CallRecords& mine = byCall_[record.call];
  int kind = KindIndex(mine, band, mode);
  if (kind < 0) {
    kind = static_cast<int>(mine.kinds.size());
    mine.kinds.push_back(Kind{band, mode, 0});
  }
  int earlier = mine.kinds[kind].count++;
  record.dupe = earlier > 0 ? 1 : 0;
  ++prefixBands_[Key(record.prefix, record.band)];
  int slot = static_cast<int>(slots_.size());
  mine.entries.push_back(Entry{slot, band, mode, record.time});
  slots_.push_back(std::move(record));
  slotBands_.push_back(band);
  removed_.push_back(false);
  ++live_;
  return earlier;
}

bool QsoStore::Remove(const CInfo& contact) {
  auto calls = byCall_.find(contact.call);
  int band = bands_.Find(contact.band);
  if (calls == byCall_.end() || band < 0) return false;
  CallRecords& mine = calls->second;
  int mode = modes_.Find(contact.mode);

  // Only this call's records can match; they are in insertion order.
  auto find = [&](auto matches) {
    return std::find_if(mine.entries.begin(), mine.entries.end(), matches);
  };
  auto it = find([&](const Entry& e) {
    return e.band == band && e.mode == mode && SameTime(e.time, contact.time);
  });
  if (it == mine.entries.end()) {
    it = find([&](const Entry& e) { return e.band == band && e.mode == mode; });
  }
  if (it == mine.entries.end()) {
    it = find([&](const Entry& e) { return e.band == band; });
  }
  if (it == mine.entries.end()) return false;

  Entry gone = *it;
  mine.entries.erase(it);
  removed_[gone.slot] = true;
  --live_;
  int kind = KindIndex(mine, gone.band, gone.mode);
  if (--mine.kinds[kind].count == 0)
    mine.kinds.erase(mine.kinds.begin() + kind);
  auto prefix =
      prefixBands_.find(Key(slots_[gone.slot].prefix, bandName(gone.band)));
  if (prefix != prefixBands_.end() && --prefix->second == 0) {
    prefixBands_.erase(prefix);
  }

  bool seen = false;
  for (const Entry& e : mine.entries) {
    if (e.band != gone.band || e.mode != gone.mode) continue;
    slots_[e.slot].dupe = seen ? 1 : 0;
    seen = true;
  }
  if (mine.entries.empty()) byCall_.erase(calls);
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
      slotBands_[kept] = slotBands_[i];
    }
    ++kept;
  }
  slots_.resize(kept);
  slotBands_.resize(kept);
  removed_.assign(kept, false);
  for (auto& entry : byCall_) {
    for (Entry& e : entry.second.entries) e.slot = moved[e.slot];
  }
}

}  // namespace aadx

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
  slotBands_.clear();
  removed_.clear();
  live_ = 0;
  bands_.Clear();
  modes_.Clear();
  prefixBands_.Clear();
  calls_.Clear();
}

int QsoStore::FindKind(const Kinds& kinds, int band, int mode) {
  for (int i = 0; i < kinds.size(); ++i) {
    if (kinds[i].band == band && kinds[i].mode == mode) return i;
  }
  return -1;
}

bool QsoStore::WorkedOnBand(const std::string& call,
                            const std::string& band) const {
  int number = calls_.Find(call);
  if (number < 0) return false;
  const Kinds& kinds = calls_[number].value.kinds;
  int id = bands_.Find(band);
  for (int i = 0; i < kinds.size(); ++i) {
    if (kinds[i].band == id) return true;
  }
  return false;
}

bool QsoStore::PrefixWorkedOnBand(const std::string& prefix,
                                  const std::string& band) const {
  int number = prefixBands_.Find(Key(prefix, band));
  return number >= 0 && prefixBands_[number].value > 0;
}

int QsoStore::Append(const CInfo& record) {
  Facts facts{static_cast<int>(slots_.size()), bands_.Number(record.band),
              modes_.Number(record.mode),
              prefixBands_.Number(Key(record.prefix, record.band)),
              record.time};
  ++prefixBands_[facts.prefixBand].value;

  CallRecords& mine = calls_[calls_.Number(record.call)].value;
  int kind = FindKind(mine.kinds, facts.band, facts.mode);
  if (kind < 0) {
    kind = mine.kinds.size();
    mine.kinds.push_back(Kind{facts.band, facts.mode, 0});
  }
  int earlier = mine.kinds[kind].count++;
  mine.records.push_back(facts);

  slots_.push_back(record);
  slots_.back().dupe = earlier > 0 ? 1 : 0;
  slotBands_.push_back(facts.band);
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

  // Only this call's records can match; they are in insertion order.
  auto find = [&](auto matches) {
    for (int i = 0; i < mine.records.size(); ++i) {
      if (matches(mine.records[i])) return i;
    }
    return -1;
  };
  int found = find([&](const Facts& f) {
    return f.band == band && f.mode == mode && SameTime(f.time, contact.time);
  });
  if (found < 0) {
    found =
        find([&](const Facts& f) { return f.band == band && f.mode == mode; });
  }
  if (found < 0) found = find([&](const Facts& f) { return f.band == band; });
  if (found < 0) return false;

  Facts gone = mine.records[found];
  mine.records.erase(found);
  removed_[gone.slot] = true;
  --live_;
  int kind = FindKind(mine.kinds, gone.band, gone.mode);
  if (--mine.kinds[kind].count == 0) mine.kinds.erase(kind);
  --prefixBands_[gone.prefixBand].value;

  bool seen = false;
  for (int i = 0; i < mine.records.size(); ++i) {
    const Facts& f = mine.records[i];
    if (f.band != gone.band || f.mode != gone.mode) continue;
    slots_[f.slot].dupe = seen ? 1 : 0;
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
      slotBands_[kept] = slotBands_[i];
    }
    ++kept;
  }
  slots_.resize(kept);
  slotBands_.resize(kept);
  removed_.assign(kept, false);
  for (auto& entry : calls_.entries()) {
    Records& records = entry.value.records;
    for (int i = 0; i < records.size(); ++i) {
      records[i].slot = moved[records[i].slot];
    }
  }
}

}  // namespace aadx

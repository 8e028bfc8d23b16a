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

}  // namespace

Intake CheckIntake(const CInfo& c) {
  if (c.band == "30m" || c.band == "17m" || c.band == "12m") {
    return Intake::kNoContestBand;
  }
  if (c.mode != "CW" && c.mode != "SSB") return Intake::kNoTestMode;
  if (c.exchRcvd.empty() || c.exchSent.empty()) return Intake::kNoRxNumber;
  return Intake::kAccepted;
}

int QsoStore::CountEarlierMatches(const CInfo& contact) const {
  return static_cast<int>(
      std::count_if(records_.begin(), records_.end(),
                    [&](const CInfo& r) { return SameStation(r, contact); }));
}

void QsoStore::Append(CInfo record) {
  record.dupe = CountEarlierMatches(record) > 0 ? 1 : 0;
  records_.push_back(std::move(record));
}

bool QsoStore::Remove(const CInfo& contact) {
  auto find = [&](auto matches) {
    return std::find_if(records_.begin(), records_.end(), matches);
  };
  auto it = find([&](const CInfo& r) {
    return SameStation(r, contact) && SameTime(r.time, contact.time);
  });
  if (it == records_.end()) {
    it = find([&](const CInfo& r) { return SameStation(r, contact); });
  }
  if (it == records_.end()) {
    it = find([&](const CInfo& r) {
      return r.call == contact.call && r.band == contact.band;
    });
  }
  if (it == records_.end()) return false;

  CInfo removed = *it;
  records_.erase(it);
  bool seen = false;
  for (CInfo& r : records_) {
    if (!SameStation(r, removed)) continue;
    r.dupe = seen ? 1 : 0;
    seen = true;
  }
  return true;
}

void AddToBandList(std::vector<std::string>* bands, const std::string& band) {
  if (std::find(bands->begin(), bands->end(), band) == bands->end()) {
    bands->push_back(band);
  }
}

}  // namespace aadx

// The plug-in's store, call check, score and window rows done the plain
// way: every question answered by scanning the whole log, the band list
// sorted by a literal exchange sort. The equivalence tests run the indexed
// plug-in and this model side by side and compare every answer.
#ifndef AADX_TESTS_SCAN_MODEL_H_
#define AADX_TESTS_SCAN_MODEL_H_

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/ascii.h"
#include "base/ole_date.h"
#include "base/plugin_state.h"
#include "plugin/host_args.h"
#include "scoring/score.h"

namespace aadx {

inline std::string ScanBandKey(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

inline void ExchangeSort(std::vector<std::string>* bands) {
  std::vector<std::string>& b = *bands;
  for (size_t i = 0; i + 1 < b.size(); ++i) {
    for (size_t j = i + 1; j < b.size(); ++j) {
      if (ScanBandKey(b[i]) < ScanBandKey(b[j])) std::swap(b[i], b[j]);
    }
  }
}

struct ScanModel {
  std::vector<CInfo> records;
  std::vector<std::string> bandList;
  bool asia = false;
  std::string ownContinent;
  BandValueLists dxccLists;
  BandValueLists prefixLists;

  static bool SameStation(const CInfo& a, const CInfo& b) {
    return a.call == b.call && a.band == b.band && a.mode == b.mode;
  }

  void Reset(const std::string& continent) {
    records.clear();
    bandList.clear();
    ownContinent = continent;
    asia = continent == "AS";
  }

  // What AddData answers for a contact and the UBN messages it earns.
  struct AddOutcome {
    int result = 0;  // 1 stored, 0 refused
    std::vector<std::string> messages;
  };

  // The contest's rules for a contact, read as the plug-in applies them:
  // its band must not be one of the WARC bands, its mode must be CW or SSB
  // and both exchange numbers must be there. The texts compare exactly as
  // the host spells them. The first rule broken names the refusal.
  static const char* Refusal(const CInfo& c) {
    const std::vector<std::string> warcBands = {"30m", "17m", "12m"};
    const std::vector<std::string> testModes = {"CW", "SSB"};
    auto has = [](const std::vector<std::string>& texts, const std::string& t) {
      return std::count(texts.begin(), texts.end(), t) > 0;
    };
    if (has(warcBands, c.band)) return "   NO CONTEST BAND !!!";
    if (!has(testModes, c.mode)) return "   NO TEST MODE !!!";
    if (c.exchSent.empty() || c.exchRcvd.empty()) return "   NO RX NUMBER !!!";
    return nullptr;
  }

  // Stores the contact unless the rules refuse it; a stored contact earns
  // one DUPE message per earlier record of its call, band and mode.
  AddOutcome Add(const CInfo& contact) {
    if (const char* refusal = Refusal(contact)) return {0, {refusal}};
    if (std::find(bandList.begin(), bandList.end(), contact.band) ==
        bandList.end()) {
      bandList.push_back(contact.band);
    }
    int matches = 0;
    for (const CInfo& r : records) matches += SameStation(r, contact);
    CInfo stored = contact;
    stored.dupe = matches > 0;
    records.push_back(stored);
    return {1, std::vector<std::string>(matches, "   DUPE !!!")};
  }

  void Remove(const CInfo& c) {
    auto find = [&](auto matches) {
      return std::find_if(records.begin(), records.end(), matches);
    };
    auto sameTime = [](const StatsOleDate& a, const StatsOleDate& b) {
      return a.status == b.status &&
             (a.status != kOleDateValid || a.days == b.days);
    };
    auto it = find([&](const CInfo& r) {
      return SameStation(r, c) && sameTime(r.time, c.time);
    });
    if (it == records.end()) {
      it = find([&](const CInfo& r) { return SameStation(r, c); });
    }
    if (it == records.end()) {
      it = find(
          [&](const CInfo& r) { return r.call == c.call && r.band == c.band; });
    }
    if (it == records.end()) return;
    CInfo removed = *it;
    records.erase(it);
    bool seen = false;
    for (CInfo& r : records) {
      if (!SameStation(r, removed)) continue;
      r.dupe = seen;
      seen = true;
    }
  }

  int CheckCall(const CallQuery& q) const {
    if (q.hasBand && q.hasBand2 && !EqualIgnoringAsciiCase(q.band, q.band2))
      return 4;
    if (q.dxcc.empty()) return 1;
    if (!asia && q.continent != "AS") return 4;
    for (const CInfo& r : records) {
      if (r.call == q.call && r.band == q.band) return 0;
    }
    for (const CInfo& r : records) {
      if (r.band == q.band && r.prefix == q.prefix) return 1;
    }
    return 2;
  }

  static void AddDistinct(std::vector<std::string>* values,
                          const std::string& value,
                          std::vector<std::string>* slotList) {
    if (std::find(values->begin(), values->end(), value) != values->end())
      return;
    values->push_back(value);
    if (slotList != nullptr) slotList->push_back(value);
  }

  ScoreResult Score() {
    ExchangeSort(&bandList);
    ScoreResult result;
    for (const std::string& band : bandList) {
      std::vector<std::string> dxccValues, prefixValues;
      int slot = BandSlotOf(band);
      std::vector<std::string>* dxccSlot = nullptr;
      std::vector<std::string>* prefixSlot = nullptr;
      if (slot >= 0) {
        dxccSlot = &dxccLists[slot];
        prefixSlot = &prefixLists[slot];
        dxccSlot->clear();
        prefixSlot->clear();
      }
      BandTally t;
      t.band = band;
      for (const CInfo& r : records) {
        if (r.band != band || r.call.empty() || r.dupe != 0) continue;
        ++t.qsos;
        if (asia) {
          ++(r.continent != ownContinent ? t.farQsos : t.nearQsos);
        } else if (r.continent == "AS") {
          ++t.farQsos;
        }
        AddDistinct(&dxccValues, r.dxcc, dxccSlot);
        AddDistinct(&prefixValues, r.prefix, prefixSlot);
      }
      int64_t base = asia ? 3LL * t.farQsos + t.nearQsos : t.farQsos;
      t.points = static_cast<int32_t>(base * BandFactor(band));
      t.dxcc = static_cast<int32_t>(dxccValues.size());
      t.prefixes = static_cast<int32_t>(prefixValues.size());
      t.multipliers = asia ? t.dxcc : t.prefixes;
      result.totalQsos += t.qsos;
      result.totalPoints += t.points;
      result.totalDxcc += t.dxcc;
      result.totalPrefixes += t.prefixes;
      result.bands.push_back(t);
    }
    result.totalMultipliers = asia ? result.totalDxcc : result.totalPrefixes;
    result.score = result.totalPoints * result.totalMultipliers;
    return result;
  }

  // The window's band rows for a typed call: mode, time, exchange.
  std::array<std::array<std::string, 3>, kBandSlots> Rows(
      const std::string& call) const {
    std::array<std::array<std::string, 3>, kBandSlots> rows;
    for (auto& row : rows) row = {"   -", "   -", "   -"};
    for (const CInfo& r : records) {
      int slot = BandSlotOf(r.band);
      if (call.empty() || r.call != call || slot < 0) continue;
      rows[slot] = {r.mode, FormatOleDate(&r.time, OleDateText::kHourMinute),
                    r.exchRcvd};
    }
    return rows;
  }
};

}  // namespace aadx

#endif  // AADX_TESTS_SCAN_MODEL_H_

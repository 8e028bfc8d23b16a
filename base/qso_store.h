// The plug-in's own copy of the contest log: one CInfo per contact the host
// passed in since the last reset, in insertion order.
#ifndef AADX_BASE_QSO_STORE_H_
#define AADX_BASE_QSO_STORE_H_

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/ole_date_value.h"

namespace aadx {

struct CInfo {
  std::string call;
  std::string dxcc;
  std::string prefix;
  std::string continent;
  std::string band;
  std::string mode;
  std::string rstRcvd;
  std::string rstSent;
  std::string exchRcvd;
  std::string exchSent;
  int32_t freqKHz = 0;
  int32_t dupe = 0;
  StatsOleDate time = {0.0, kOleDateValid};
};

// Why a contact is refused (AddData0 then stores nothing); kAccepted when
// it counts.
enum class Intake { kAccepted, kNoContestBand, kNoTestMode, kNoRxNumber };

// Checks a contact against the contest's bands, modes and exchange, in that
// order; the first failure wins.
Intake CheckIntake(const CInfo& contact);

// The records in insertion order, with indexes beside them so that the
// questions each export asks cost the same however long the log is. A
// removed record leaves a gap until gaps outnumber the records; then the
// records close up in one pass, so a removal costs a constant amount on
// average. Readers see only the remaining records, in insertion order.
class QsoStore {
 public:
  int count() const { return live_; }
  // The index-th remaining record; walks the gaps when there are any.
  const CInfo& at(int index) const;
  // A copy of the remaining records in insertion order.
  std::vector<CInfo> records() const;
  void Clear();

  // Calls fn(const CInfo&) for every remaining record in insertion order.
  template <typename Fn>
  void ForEach(Fn&& fn) const {
    for (size_t i = 0; i < slots_.size(); ++i) {
      if (!removed_[i]) fn(slots_[i]);
    }
  }

  // Calls fn(const CInfo&) for the records of one callsign, in insertion
  // order.
  template <typename Fn>
  void ForEachOfCall(const std::string& call, Fn&& fn) const {
    auto it = byCall_.find(call);
    if (it == byCall_.end()) return;
    for (int slot : it->second.slots) fn(slots_[slot]);
  }

  // Number of earlier records with the same call, band and mode; each one
  // is a "DUPE" line in the UBN report.
  int CountEarlierMatches(const CInfo& contact) const;

  // Whether any record, in any mode, has this call on this band.
  bool WorkedOnBand(const std::string& call, const std::string& band) const;
  // Whether any record has this prefix on this band.
  bool PrefixWorkedOnBand(const std::string& prefix,
                          const std::string& band) const;

  // Appends the record, marking it a dupe when an earlier one matches, and
  // returns the number of earlier matches.
  int Append(CInfo record);

  // Removes the record the host deleted and returns true, or false when
  // none matches. Prefers an exact match on call, band, mode and time, then
  // call, band and mode, then call and band. Afterwards the dupe marks of
  // the removed record's call, band and mode are derived again, so the
  // first remaining contact of that kind counts.
  bool Remove(const CInfo& contact);

 private:
  // How many records of a callsign share one band and mode.
  struct Kind {
    std::string band;
    std::string mode;
    int count;
  };
  // A callsign's records: their slots, ascending (insertion order), and
  // their counts per band and mode, a handful at most.
  struct CallRecords {
    std::vector<int> slots;
    std::vector<Kind> kinds;
  };

  void CloseGaps();

  std::vector<CInfo> slots_;   // every record appended since the gaps closed
  std::vector<bool> removed_;  // per slot: a gap
  int live_ = 0;
  std::unordered_map<std::string, CallRecords> byCall_;
  std::unordered_map<std::string, int> prefixBands_;  // records per prefix
                                                      // and band
};

// Band names in order of first appearance among accepted contacts.
void AddToBandList(std::vector<std::string>* bands, const std::string& band);

}  // namespace aadx

#endif  // AADX_BASE_QSO_STORE_H_

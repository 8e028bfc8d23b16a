// The plug-in's own copy of the contest log: one CInfo per contact the host
// passed in since the last reset, in insertion order.
#ifndef AADX_BASE_QSO_STORE_H_
#define AADX_BASE_QSO_STORE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "base/numbered_texts.h"
#include "base/ole_date_value.h"
#include "base/small_vector.h"

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
//
// Band and mode texts are numbered in order of first appearance since the
// last Clear; the numbers stay valid until then, removals included, so the
// score can follow a record's band without a lookup.
class QsoStore {
 public:
  int count() const { return live_; }
  // A copy of the remaining records in insertion order.
  std::vector<CInfo> records() const;
  void Clear();

  // Calls fn(const CInfo&) for every remaining record in insertion order.
  template <typename Fn>
  void ForEach(Fn&& fn) const {
    ForEachWithBand([&](const CInfo& r, int) { fn(r); });
  }
  // The same, with each record's band number: fn(const CInfo&, int band).
  template <typename Fn>
  void ForEachWithBand(Fn&& fn) const {
    for (size_t i = 0; i < slots_.size(); ++i) {
      if (!removed_[i]) fn(slots_[i], slotBands_[i]);
    }
  }

  // Calls fn(const CInfo&) for the records of one callsign, in insertion
  // order.
  template <typename Fn>
  void ForEachOfCall(const std::string& call, Fn&& fn) const {
    int number = calls_.Find(call);
    if (number < 0) return;
    const Records& records = calls_[number].value.records;
    for (int i = 0; i < records.size(); ++i) fn(slots_[records[i].slot]);
  }

  // Every band text appended since the last Clear, numbered 0, 1, ... in
  // order of first appearance.
  int bandCount() const { return bands_.size(); }
  const std::string& bandName(int band) const { return bands_[band].text; }

  // Whether any record, in any mode, has this call on this band.
  bool WorkedOnBand(const std::string& call, const std::string& band) const;
  // Whether any record has this prefix on this band.
  bool PrefixWorkedOnBand(const std::string& prefix,
                          const std::string& band) const;

  // Appends the record, marking it a dupe when an earlier one matches, and
  // returns the number of earlier records with the same call, band and
  // mode: each one is a "DUPE" line in the UBN report.
  int Append(const CInfo& record);

  // Removes the record the host deleted and returns true, or false when
  // none matches. Prefers an exact match on call, band, mode and time, then
  // call, band and mode, then call and band. Afterwards the dupe marks of
  // the removed record's call, band and mode are derived again, so the
  // first remaining contact of that kind counts.
  bool Remove(const CInfo& contact);

 private:
  // What the indexes know of a record, kept with its callsign, so that
  // removal finds it without reading the records themselves.
  struct Facts {
    int slot;
    int band;
    int mode;
    int prefixBand;  // number of the prefix and band
    StatsOleDate time;
  };
  // How many records of a callsign share one band and mode.
  struct Kind {
    int band;
    int mode;
    int count;
  };
  // Most callsigns have a record or two, on a band or two: those stay in
  // the callsign's entry.
  using Records = SmallVector<Facts, 2>;
  using Kinds = SmallVector<Kind, 2>;
  // A callsign's records in insertion order and its counts per band and
  // mode, in no particular order. A callsign keeps its number, with no
  // records, once they are all removed.
  struct CallRecords {
    Records records;
    Kinds kinds;
  };
  static int FindKind(const Kinds& kinds, int band, int mode);  // or -1
  struct NoValue {};

  void CloseGaps();

  std::vector<CInfo> slots_;    // every record appended since the gaps closed
  std::vector<int> slotBands_;  // per slot: its band's number
  std::vector<bool> removed_;   // per slot: a gap
  int live_ = 0;
  NumberedTexts<NoValue> bands_;
  NumberedTexts<NoValue> modes_;
  NumberedTexts<int> prefixBands_;  // prefix and band joined: their records
  NumberedTexts<CallRecords> calls_;
};

}  // namespace aadx

#endif  // AADX_BASE_QSO_STORE_H_

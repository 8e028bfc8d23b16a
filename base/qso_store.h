// The plug-in's own copy of the contest log: one CInfo per contact the host
// passed in since the last reset, in insertion order.
#ifndef AADX_BASE_QSO_STORE_H_
#define AADX_BASE_QSO_STORE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "base/numbered_texts.h"
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
//
// Band and mode texts are numbered in order of first appearance since the
// last Clear; the numbers stay valid until then, removals included, so the
// score can follow a record's band without a lookup.
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
    ForEachWithBand([&](const CInfo& r, int) { fn(r); });
  }
  // The same, with each record's band number: fn(const CInfo&, int band).
  template <typename Fn>
  void ForEachWithBand(Fn&& fn) const {
    for (size_t i = 0; i < slots_.size(); ++i) {
      if (!removed_[i]) fn(slots_[i], facts_[i].band);
    }
  }

  // Calls fn(const CInfo&) for the records of one callsign, in insertion
  // order.
  template <typename Fn>
  void ForEachOfCall(const std::string& call, Fn&& fn) const {
    int number = calls_.Find(call);
    if (number < 0) return;
    for (int slot = calls_[number].value.first; slot >= 0;
         slot = facts_[slot].next) {
      fn(slots_[slot]);
    }
  }

  // Every band text appended since the last Clear, numbered 0, 1, ... in
  // order of first appearance.
  int bandCount() const { return bands_.size(); }
  const std::string& bandName(int band) const { return bands_[band].text; }

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
  int Append(const CInfo& record);

  // Removes the record the host deleted and returns true, or false when
  // none matches. Prefers an exact match on call, band, mode and time, then
  // call, band and mode, then call and band. Afterwards the dupe marks of
  // the removed record's call, band and mode are derived again, so the
  // first remaining contact of that kind counts.
  bool Remove(const CInfo& contact);

 private:
  // What the indexes know of each record, beside it, so that removal
  // finds and unlinks a record without reading the record itself.
  struct Facts {
    int band;
    int mode;
    int prefixBand;  // number of the prefix and band
    int next;        // the same call's next slot, or -1
    StatsOleDate time;
  };
  // How many records of a callsign share one band and mode.
  struct Kind {
    int band;
    int mode;
    int count;
  };
  // A callsign's kinds, in no particular order. Two are kept in place, as
  // most callsigns are worked on a band or two; more go to the heap.
  class Kinds {
   public:
    int size() const { return size_; }
    Kind& at(int i) { return i < kInPlace ? inPlace_[i] : more_[i - kInPlace]; }
    const Kind& at(int i) const {
      return i < kInPlace ? inPlace_[i] : more_[i - kInPlace];
    }
    // The kind's place, or -1.
    int Find(int band, int mode) const;
    void Add(const Kind& kind);
    void Erase(int i);  // the last kind takes its place

   private:
    static constexpr int kInPlace = 2;
    Kind inPlace_[kInPlace];
    int size_ = 0;
    std::vector<Kind> more_;
  };
  // A callsign's records, linked through their facts in insertion order,
  // and their counts per band and mode. A callsign keeps its number, with
  // no records, once they are all removed.
  struct CallRecords {
    int first = -1;
    int last = -1;
    Kinds kinds;
  };
  struct NoValue {};

  void CloseGaps();

  std::vector<CInfo> slots_;   // every record appended since the gaps closed
  std::vector<Facts> facts_;   // per slot
  std::vector<bool> removed_;  // per slot: a gap
  int live_ = 0;
  NumberedTexts<NoValue> bands_;
  NumberedTexts<NoValue> modes_;
  NumberedTexts<int> prefixBands_;  // prefix and band joined: their records
  NumberedTexts<CallRecords> calls_;
};

}  // namespace aadx

#endif  // AADX_BASE_QSO_STORE_H_

// The plug-in's own copy of the contest log: one CInfo per contact the host
// passed in since the last reset, in insertion order.
#ifndef AADX_BASE_QSO_STORE_H_
#define AADX_BASE_QSO_STORE_H_

#include <cstdint>
#include <string>
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

class QsoStore {
 public:
  int count() const { return static_cast<int>(records_.size()); }
  const CInfo& at(int index) const { return records_[index]; }
  const std::vector<CInfo>& records() const { return records_; }
  void Clear() { records_.clear(); }

  // Number of earlier records with the same call, band and mode; each one
  // is a "DUPE" line in the UBN report.
  int CountEarlierMatches(const CInfo& contact) const;

  // Appends the record, marking it a dupe when an earlier one matches.
  void Append(CInfo record);

  // Removes the record the host deleted and returns true, or false when
  // none matches. Prefers an exact match on call, band, mode and time, then
  // call, band and mode, then call and band. Afterwards the dupe marks of
  // the removed record's call, band and mode are derived again, so the
  // first remaining contact of that kind counts.
  bool Remove(const CInfo& contact);

 private:
  std::vector<CInfo> records_;
};

// Band names in order of first appearance among accepted contacts.
void AddToBandList(std::vector<std::string>* bands, const std::string& band);

}  // namespace aadx

#endif  // AADX_BASE_QSO_STORE_H_

// The plug-in's process-wide state between export calls.
//
// Threads: the host calls the exports one at a time on its thread; the
// Multiplier window runs on a thread of its own and reads the store, the
// flags and the band lists, and writes the band rows, the typed call and the
// current band slot. Those fields live in SharedState, behind one private
// lock; the rest is touched by the host's calls only, and the window is
// never handed it.
#ifndef AADX_BASE_PLUGIN_STATE_H_
#define AADX_BASE_PLUGIN_STATE_H_

#include <array>
#include <string>
#include <vector>

#include "base/mutex.h"
#include "base/qso_store.h"
#include "base/thread_annotations.h"

namespace aadx {

constexpr int kBandSlots = 6;

// The contest bands in slot order: "160m", "80m", "40m", "20m", "15m", "10m".
extern const char* const kContestBands[kBandSlots];

// Slot of an exact contest band name, -1 for any other text.
int BandSlotOf(const std::string& band);

// A Multiplier window row: band name, mode, time, received exchange, spare.
using BandRow = std::array<std::string, 5>;

// The fields the Multiplier window's thread shares with the host's.
struct SharedFields {
  QsoStore store;
  std::array<BandRow, kBandSlots> bandRows;
  int modeFlag = 0;  // 1 CW, 0 SSB
  int asiaFlag = 0;  // 1 when the own continent is "AS"
  std::string typedCall;
  int currentBandSlot = -1;
  std::array<std::vector<std::string>, kBandSlots> bandDxccLists;
  std::array<std::vector<std::string>, kBandSlots> bandPrefixLists;
};

// The shared fields behind their lock: reachable only inside WithLock.
class SharedState {
 public:
  // Calls fn(SharedFields&) with the lock held and returns its result. fn
  // must not call the host (a host call may wait for the host's thread) nor
  // enter WithLock again.
  template <typename Fn>
  decltype(auto) WithLock(Fn&& fn) EXCLUDES(mu_) {
    MutexLock lock(&mu_);
    return fn(fields_);
  }

 private:
  Mutex mu_;
  SharedFields fields_ GUARDED_BY(mu_);
};

struct PluginState {
  SharedState shared;

  // Host thread only.
  // The store's band numbers in the order the last score sorted them.
  std::vector<int> bandOrder;
  int exportFlag = 0;
  std::string contestantCall;
  std::string ownContinent;
  std::string startDateText;
  std::string endDateText;
  int talqGood = 0;
  int hostState = 0;
  std::string resultText;
  int claimedScore = 0;
};

}  // namespace aadx

#endif  // AADX_BASE_PLUGIN_STATE_H_

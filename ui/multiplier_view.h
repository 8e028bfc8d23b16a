// What the Multiplier window's poll timer does on each tick, apart from the
// window itself: it reads the host's entry field and frequency through the
// host link, fills the band rows from the QSO store, keeps the typed call
// and the current band slot, asks the host to run "<SP1>" after the
// operator has tuned away, and chooses the window title. The Windows window
// only kills and re-arms its timer, sets the title and repaints the grid.
//
// Threads: Tick runs on the window's thread. It reaches the shared state
// only through its lock, and never holds it while it calls the host, since
// a host call may wait for the host's own thread.
#ifndef AADX_UI_MULTIPLIER_VIEW_H_
#define AADX_UI_MULTIPLIER_VIEW_H_

#include <string>

#include "base/plugin_state.h"
#include "host/host_link.h"

namespace aadx {

// The poll timer: its identifier, its period when armed at start or by the
// call check, and its period when a completed tick re-arms it.
constexpr unsigned kPollTimerId = 1500;
constexpr unsigned kPollFirstMs = 300;
constexpr unsigned kPollNextMs = 330;

// Tuning by more than this many Hz since the last "<SP1>" sends another.
constexpr double kRetuneHz = 300.0;

// Band slot of a frequency in Hz from its whole MHz: 1, 3, 7, 14, 21 and 28
// give slots 0 to 5; anything else, NaN included, gives -1.
int BandSlotOfFrequency(double hz);

// "AADX-CW worked with <call>" (mode flag CW) or "AADX-SSB worked with
// <call>".
std::string WorkedTitle(bool cw, const std::string& call);

// The title while the entry field is empty, e.g. "AADX-CW  DXCC worked on
// 20m " (Asia flag set) or "AADX-SSB  Prefix worked on  " (slot -1). The
// subject between the contest name and "DXCC"/"Prefix" is a text that no
// operation sets, so it is always empty and leaves two spaces; every title
// ends with a space.
std::string IdleTitle(bool asia, bool cw, const std::string& bandText);

enum class TickEnd {
  kNoHost,      // no host object held
  kHostFailed,  // a call on the host object failed
  kShortEntry,  // the entry holds "?" or only one or two bytes
  kCompleted,   // every step ran
};

struct TickResult {
  TickEnd end = TickEnd::kNoHost;
  // Whether the window title is to be set to title. A tick that ends
  // early may still have chosen one before it ended.
  bool setTitle = false;
  std::string title;

  // Only a completed tick re-arms the timer (kPollNextMs) and repaints the
  // grid; after any other ending the timer stays stopped until the call
  // check re-arms it.
  bool completed() const { return end == TickEnd::kCompleted; }
};

class MultiplierPoller {
 public:
  MultiplierPoller(SharedState* state, HostLink* host)
      : state_(state), host_(host) {}
  MultiplierPoller(const MultiplierPoller&) = delete;
  MultiplierPoller& operator=(const MultiplierPoller&) = delete;

  // One poll tick, after the timer has been killed.
  TickResult Tick();

 private:
  // Rewrites the band rows for the typed call (every row blank when it is
  // empty) and returns the mode flag, all under the lock.
  bool FillBandRows(const std::string& call);

  SharedState* const state_;
  HostLink* const host_;
  // The frequency at which "<SP1>" was last sent; 0 until the first one.
  double macroFrequency_ = 0.0;  // window thread only
};

}  // namespace aadx

#endif  // AADX_UI_MULTIPLIER_VIEW_H_

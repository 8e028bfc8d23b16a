// The always-on-top Multiplier window, running on a thread of its own. The
// core starts, closes and re-arms it only through this interface.
#ifndef AADX_UI_MULTIPLIER_WINDOW_H_
#define AADX_UI_MULTIPLIER_WINDOW_H_

#include <memory>

namespace aadx {

class SharedState;
class HostLink;
class Settings;

class MultiplierWindow {
 public:
  virtual ~MultiplierWindow() = default;

  // True while a window runs (its object exists).
  virtual bool IsRunning() = 0;
  // Starts the window on a new thread, closing a running one first.
  virtual void Start() = 0;
  // Closes the window and returns when it no longer runs.
  virtual void Close() = 0;
  // Restarts the poll timer at 300 ms.
  virtual void ArmPollTimer() = 0;
};

// The platform's window (on Windows the Win32 window 104; elsewhere one that
// never runs) over the shared state it shows, the link it polls and the
// settings that keep its place, which all outlive it.
std::unique_ptr<MultiplierWindow> NewMultiplierWindow(SharedState* state,
                                                      HostLink* host,
                                                      Settings* settings);

}  // namespace aadx

#endif  // AADX_UI_MULTIPLIER_WINDOW_H_

// The always-on-top Multiplier window, running on a thread of its own. The
// core starts, closes and re-arms it only through this interface.
#ifndef AADX_UI_MULTIPLIER_WINDOW_H_
#define AADX_UI_MULTIPLIER_WINDOW_H_

namespace aadx {

class SharedState;
class HostLink;
class Settings;

class MultiplierWindow {
 public:
  virtual ~MultiplierWindow() = default;

  // Gives the window the shared state it shows, the link it polls and the
  // settings that keep its place. Called once, before any other call.
  virtual void Attach(SharedState* state, HostLink* host, Settings* settings) {
    (void)state;
    (void)host;
    (void)settings;
  }

  // True while a window runs (its object exists).
  virtual bool IsRunning() = 0;
  // Starts the window on a new thread, closing a running one first.
  virtual void Start() = 0;
  // Closes the window and returns when it no longer runs.
  virtual void Close() = 0;
  // Restarts the poll timer at 300 ms.
  virtual void ArmPollTimer() = 0;
};

MultiplierWindow* DefaultMultiplierWindow();

}  // namespace aadx

#endif  // AADX_UI_MULTIPLIER_WINDOW_H_

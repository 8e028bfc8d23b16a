// No window ever runs outside Windows.
#include "ui/multiplier_window.h"

namespace aadx {
namespace {

class NoMultiplierWindow : public MultiplierWindow {
 public:
  bool IsRunning() override { return false; }
  void Start() override {}
  void Close() override {}
  void ArmPollTimer() override {}
};

}  // namespace

std::unique_ptr<MultiplierWindow> NewMultiplierWindow(SharedState*, HostLink*,
                                                      Settings*) {
  return std::make_unique<NoMultiplierWindow>();
}

}  // namespace aadx

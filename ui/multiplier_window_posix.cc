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

MultiplierWindow* DefaultMultiplierWindow() {
  static NoMultiplierWindow window;
  return &window;
}

}  // namespace aadx

// Recording stand-ins for the platform services, so core tests can see
// what the plug-in asked of the host, the dialogs and the window.
#ifndef AADX_TESTS_FAKES_H_
#define AADX_TESTS_FAKES_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_form.h"
#include "plugin/platform.h"

namespace aadx {

class FakeHostLink : public HostLink {
 public:
  bool present = false;  // whether a host object is registered
  int32_t state = 0;
  double frequency = 0.0;
  std::string entryText;
  std::vector<std::string> calls;   // every call, in order
  std::vector<std::string> macros;  // texts passed to RunHostMacro

  void Connect() override {
    calls.push_back("Connect");
    if (present) held_ = true;
  }
  bool HasHost() override { return held_; }
  bool ReadHostState(int32_t* value) override {
    calls.push_back("ReadHostState");
    if (!held_) return false;
    *value = state;
    return true;
  }
  bool ReadHostFrequency(double* hz) override {
    calls.push_back("ReadHostFrequency");
    if (!held_) return false;
    *hz = frequency;
    return true;
  }
  bool ReadEntryText(std::string* text) override {
    calls.push_back("ReadEntryText");
    if (!held_) return false;
    *text = entryText;
    return true;
  }
  bool RunHostMacro(const std::string& macro) override {
    calls.push_back("RunHostMacro");
    if (!held_) return false;
    macros.push_back(macro);
    return true;
  }
  void Release() override { held_ = false; }

 private:
  bool held_ = false;
};

class FakeWindow : public MultiplierWindow {
 public:
  bool running = false;
  int starts = 0;
  int closes = 0;
  int timerArms = 0;

  bool IsRunning() override { return running; }
  void Start() override {
    ++starts;
    running = true;
  }
  void Close() override {
    ++closes;
    running = false;
  }
  void ArmPollTimer() override { ++timerArms; }
};

// The desktop with the operator and the host scripted: dialogs answered by
// the test, messages recorded, a host version set by the test; the settings
// profile is this platform's real one unless the test makes writes fail.
class FakeDesktop : public DesktopWrapper {
 public:
  FakeDesktop() : DesktopWrapper(DefaultDesktop()) {}

  // What the operator does: edit the form, then OK (true) or Cancel.
  std::function<bool(CabrilloForm*)> onCabrillo = [](CabrilloForm*) {
    return true;
  };
  std::function<bool(int*, std::string*)> onSetup = [](int*, std::string*) {
    return true;
  };
  std::vector<CabrilloForm> cabrilloShown;  // the form as each dialog opened
  std::vector<std::string> messages;        // caption + ": " + text
  std::vector<MessageIcon> icons;           // the icon of each message
  std::string hostVersion;                  // what HostVersionText answers
  bool profileWritesFail = false;           // a full disk, a read-only folder

  bool RunCabrilloDialog(CabrilloForm* form) override {
    cabrilloShown.push_back(*form);
    return onCabrillo(form);
  }
  bool RunSetupDialog(int* windowFlag, std::string* modeText) override {
    return onSetup(windowFlag, modeText);
  }
  void ShowMessage(const std::string& text, const std::string& caption,
                   MessageIcon icon) override {
    messages.push_back(caption + ": " + text);
    icons.push_back(icon);
  }
  std::string HostVersionText() override { return hostVersion; }
  Status WriteProfile(const std::string& file, const std::string& section,
                      const std::string& key,
                      const std::string& value) override {
    if (profileWritesFail) return Status::NotWritten("cannot write " + file);
    return DesktopWrapper::WriteProfile(file, section, key, value);
  }
};

// A platform of fakes around the real profile of this platform. The window
// is made by the plug-in, which owns it; window points to it from then on.
struct FakePlatform {
  FakeHostLink host;
  FakeDesktop desktop;
  FakeWindow* window = nullptr;

  Platform platform() {
    return Platform{&desktop, &host,
                    [this](SharedState*, HostLink*, Settings*) {
                      auto made = std::make_unique<FakeWindow>();
                      window = made.get();
                      return made;
                    }};
  }
};

}  // namespace aadx

#endif  // AADX_TESTS_FAKES_H_

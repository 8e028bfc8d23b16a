// The desktop the plug-in lives on: its stateless services behind one
// interface, in the manner of LevelDB's Env. The settings profile, the two
// dialogs, the message box and the host logger's version are reached only
// through it, so tests hand the core a recording fake that overrides just
// what it watches (DesktopWrapper) and keeps the real rest.
//
// One implementation per platform, at the top floor where the dialogs'
// controls and resources are in reach: plugin/desktop_win.cc (the Windows
// profile API, dialogs 113 and 101, MessageBoxA, the host executable's
// version resource) and plugin/desktop_posix.cc (our INI code, dialogs
// answered with OK, warnings to stderr, no host version).
//
// The host link and the Multiplier window keep state and threads of their
// own, so they stay objects of their own (host/host_link.h,
// ui/multiplier_window.h).
#ifndef AADX_BASE_DESKTOP_H_
#define AADX_BASE_DESKTOP_H_

#include <string>

#include "base/status.h"

namespace aadx {

struct CabrilloForm;  // the Cabrillo header dialog's texts (cabrillo/)

enum class MessageIcon { kInformation, kWarning };

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The value of key in section of the profile file, or def when the file
  // or key is missing. Values of any length are returned whole.
  virtual std::string ReadProfile(const std::string& file,
                                  const std::string& section,
                                  const std::string& key,
                                  const std::string& def) = 0;
  // Sets key in section to value. On failure the file keeps what it held.
  virtual Status WriteProfile(const std::string& file,
                              const std::string& section,
                              const std::string& key,
                              const std::string& value) = 0;

  // The contest setup dialog; true on OK, with the two values updated.
  virtual bool RunSetupDialog(int* windowFlag, std::string* modeText) = 0;

  // The Cabrillo header dialog on *form, the caller's copy; true when the
  // operator pressed OK, with *form holding the controls' texts. Cancel,
  // Esc and the close button leave *form as it was; a failure while the
  // texts are taken back may leave part of them in it, so the caller drops
  // its copy on any ending but OK.
  virtual bool RunCabrilloDialog(CabrilloForm* form) = 0;

  // A message box with the icon and a single OK button, owned by the
  // calling thread's active window; returns when it is closed.
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageIcon icon) = 0;

  // The host logger's version for the Cabrillo CREATED-BY line ("2.20",
  // "3.1.5"), or the empty text when there is none.
  virtual std::string HostVersionText() = 0;
};

// Forwards every call to another desktop: a test overrides only the calls
// it watches or answers itself.
class DesktopWrapper : public Desktop {
 public:
  explicit DesktopWrapper(Desktop* target) : target_(target) {}

  Desktop* target() const { return target_; }

  std::string ReadProfile(const std::string& file, const std::string& section,
                          const std::string& key,
                          const std::string& def) override {
    return target_->ReadProfile(file, section, key, def);
  }
  Status WriteProfile(const std::string& file, const std::string& section,
                      const std::string& key,
                      const std::string& value) override {
    return target_->WriteProfile(file, section, key, value);
  }
  bool RunSetupDialog(int* windowFlag, std::string* modeText) override {
    return target_->RunSetupDialog(windowFlag, modeText);
  }
  bool RunCabrilloDialog(CabrilloForm* form) override {
    return target_->RunCabrilloDialog(form);
  }
  void ShowMessage(const std::string& text, const std::string& caption,
                   MessageIcon icon) override {
    target_->ShowMessage(text, caption, icon);
  }
  std::string HostVersionText() override { return target_->HostVersionText(); }

 private:
  Desktop* target_;
};

// The desktop of the platform the library was built for, owned by the
// library. Defined with its implementation (see above).
Desktop* DefaultDesktop();

}  // namespace aadx

#endif  // AADX_BASE_DESKTOP_H_

// The contest setup dialog and the message box, as the core sees them.
// Windows shows the real ones; elsewhere a stand-in answers like an operator
// who presses OK without editing anything, and passes warning notices on to
// stderr.
#ifndef AADX_UI_DIALOGS_H_
#define AADX_UI_DIALOGS_H_

#include <string>

namespace aadx {

enum class MessageIcon { kInformation, kWarning };

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows the contest setup dialog; true on OK, with the two values updated.
  virtual bool RunSetupDialog(int* windowFlag, std::string* modeText) = 0;

  // A message box with the icon and a single OK button, owned by the
  // calling thread's active window; returns when it is closed.
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageIcon icon) = 0;
};

Dialogs* DefaultDialogs();

}  // namespace aadx

#endif  // AADX_UI_DIALOGS_H_

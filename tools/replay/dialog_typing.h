// What the operator types into the plug-in's Cabrillo header dialog during
// an export run. On Linux the plug-in's stand-in of that dialog takes the
// texts from the environment variable AADX_CABRILLO_DIALOG_INPUT ("LABEL=TEXT"
// lines, LABEL a control's label) and types them; on Windows the real
// dialog shows and the operator types them, so stderr says what.
#ifndef AADX_TOOLS_REPLAY_DIALOG_TYPING_H_
#define AADX_TOOLS_REPLAY_DIALOG_TYPING_H_

#include "tools/replay/cabrillo_header.h"

namespace aadx {
namespace replay {

class ScopedDialogTyping {
 public:
  // `typed`: control label and text.
  explicit ScopedDialogTyping(const TagValues& typed);
  ~ScopedDialogTyping();
  ScopedDialogTyping(const ScopedDialogTyping&) = delete;
  ScopedDialogTyping& operator=(const ScopedDialogTyping&) = delete;

 private:
  bool set_ = false;
};

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_DIALOG_TYPING_H_

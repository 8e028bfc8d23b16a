#include <stdlib.h>

#include "tools/replay/dialog_typing.h"

namespace aadx {
namespace replay {

namespace {
const char kVariable[] = "AADX_CABRILLO_DIALOG_INPUT";
}  // namespace

ScopedDialogTyping::ScopedDialogTyping(const TagValues& typed) {
  if (typed.empty()) return;
  std::string lines;
  for (const auto& [label, text] : typed) lines += label + "=" + text + "\n";
  set_ = setenv(kVariable, lines.c_str(), 1) == 0;
}

ScopedDialogTyping::~ScopedDialogTyping() {
  if (set_) unsetenv(kVariable);
}

}  // namespace replay
}  // namespace aadx

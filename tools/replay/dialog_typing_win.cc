#include <cstdio>

#include "tools/replay/dialog_typing.h"

namespace aadx {
namespace replay {

ScopedDialogTyping::ScopedDialogTyping(const TagValues& typed) {
  for (const auto& [label, text] : typed) {
    std::fprintf(stderr,
                 "aadx-replay: in the Cabrillo header dialog, type \"%s\" "
                 "into %s\n",
                 text.c_str(), label.c_str());
  }
}

ScopedDialogTyping::~ScopedDialogTyping() {}

}  // namespace replay
}  // namespace aadx

#include "tools/replay/progress_bar.h"

#if defined(_WIN32)
#include <io.h>
#define AADX_ISATTY _isatty
#define AADX_FILENO _fileno
#else
#include <unistd.h>
#define AADX_ISATTY isatty
#define AADX_FILENO fileno
#endif

namespace aadx {
namespace replay {

bool StderrIsTerminal() { return AADX_ISATTY(AADX_FILENO(stderr)) != 0; }

void ProgressBar::Update(size_t done, size_t total) {
  if (!enabled_ || total <= threshold_ || total == 0) return;
  const int percent = static_cast<int>(done * 100 / total);
  if (percent == last_percent_) return;
  last_percent_ = percent;
  const int width = 40;
  const int filled = percent * width / 100;
  std::fprintf(out_, "\rReplaying [%.*s%*s] %3d%% %lu/%lu", filled,
               "########################################", width - filled, "",
               percent, static_cast<unsigned long>(done),
               static_cast<unsigned long>(total));
  std::fflush(out_);
}

void ProgressBar::Finish() {
  if (last_percent_ < 0) return;
  std::fprintf(out_, "\r%*s\r", 79, "");
  std::fflush(out_);
  last_percent_ = -1;
}

}  // namespace replay
}  // namespace aadx

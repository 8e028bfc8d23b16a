#include "tools/replay/progress_bar.h"

#include <chrono>

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

namespace {

double SteadySeconds() {
  return std::chrono::duration<double>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

bool StderrIsTerminal() { return AADX_ISATTY(AADX_FILENO(stderr)) != 0; }

ProgressBar::ProgressBar(std::FILE* out, bool terminal, Clock clock,
                         double quietSeconds, double lineSeconds)
    : out_(out),
      terminal_(terminal),
      clock_(clock ? std::move(clock) : Clock(SteadySeconds)),
      quietSeconds_(quietSeconds),
      lineSeconds_(lineSeconds) {}

void ProgressBar::Update(const char* stage, uint64_t done, uint64_t total) {
  const double now = clock_();
  if (stage_ != stage) {
    Finish();
    stage_ = stage;
    stageStart_ = now;
    lastShown_ = -1;
  }
  if (total == 0 || now - stageStart_ < quietSeconds_) return;
  const double gap = terminal_ ? 0.2 : lineSeconds_;
  if (lastShown_ >= 0 && now - lastShown_ < gap && done < total) return;
  lastShown_ = now;
  const int percent = static_cast<int>(done * 100 / total);
  const std::string d = std::to_string(done);
  const std::string t = std::to_string(total);
  if (terminal_) {
    const int width = 40;
    const int filled = percent * width / 100;
    std::fprintf(out_, "\r%-9s [%.*s%*s] %3d%% %s/%s", stage, filled,
                 "########################################", width - filled, "",
                 percent, d.c_str(), t.c_str());
    drawn_ = true;
  } else {
    std::fprintf(out_, "aadx-replay: %s %s of %s (%d%%)\n", stage, d.c_str(),
                 t.c_str(), percent);
  }
  std::fflush(out_);
}

void ProgressBar::Finish() {
  if (!drawn_) return;
  std::fprintf(out_, "\r%*s\r", 79, "");
  std::fflush(out_);
  drawn_ = false;
}

}  // namespace replay
}  // namespace aadx

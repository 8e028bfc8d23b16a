// A one-line progress bar on stderr for long replays.
#ifndef AADX_TOOLS_REPLAY_PROGRESS_BAR_H_
#define AADX_TOOLS_REPLAY_PROGRESS_BAR_H_

#include <cstddef>
#include <cstdio>

namespace aadx {
namespace replay {

// True when stderr is a terminal (not a file or a pipe).
bool StderrIsTerminal();

class ProgressBar {
 public:
  // Draws on `out` only when `enabled` and the total passes `threshold`.
  ProgressBar(std::FILE* out, bool enabled, size_t threshold)
      : out_(out), enabled_(enabled), threshold_(threshold) {}

  void Update(size_t done, size_t total);

  // Clears the line if anything was drawn.
  void Finish();

 private:
  std::FILE* out_;
  bool enabled_;
  size_t threshold_;
  int last_percent_ = -1;
};

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_PROGRESS_BAR_H_

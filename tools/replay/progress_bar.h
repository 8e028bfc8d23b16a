// Progress of long stages on stderr: on a terminal a bar that redraws in
// place, elsewhere (a file, a pipe, CI) one line every few seconds.
#ifndef AADX_TOOLS_REPLAY_PROGRESS_BAR_H_
#define AADX_TOOLS_REPLAY_PROGRESS_BAR_H_

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace aadx {
namespace replay {

// True when stderr is a terminal (not a file or a pipe).
bool StderrIsTerminal();

class ProgressBar {
 public:
  // Seconds on a steady clock; tests pass their own.
  using Clock = std::function<double()>;

  // Nothing is shown in a stage's first `quietSeconds`, so short runs stay
  // silent. A terminal redraws at most every 0.2 s; elsewhere a line comes
  // every `lineSeconds`.
  ProgressBar(std::FILE* out, bool terminal, Clock clock = nullptr,
              double quietSeconds = 0.5, double lineSeconds = 5);

  void Update(const char* stage, uint64_t done, uint64_t total);

  // Clears the bar if one was drawn.
  void Finish();

 private:
  std::FILE* out_;
  bool terminal_;
  Clock clock_;
  double quietSeconds_;
  double lineSeconds_;
  std::string stage_;
  double stageStart_ = 0;
  double lastShown_ = -1;
  bool drawn_ = false;
};

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_PROGRESS_BAR_H_

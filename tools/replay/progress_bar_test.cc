#include "tools/replay/progress_bar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace aadx {
namespace replay {
namespace {

// What the bar writes for `total` steps taking `stepSeconds` each.
std::string Drawn(bool terminal, uint64_t total, double stepSeconds) {
  std::FILE* out = std::tmpfile();
  double now = 0;
  ProgressBar bar(out, terminal, [&now] { return now; });
  for (uint64_t i = 1; i <= total; ++i) {
    now += stepSeconds;
    bar.Update("Replaying", i, total);
  }
  bar.Finish();
  std::rewind(out);
  std::string text;
  int c;
  while ((c = std::fgetc(out)) != EOF) text += static_cast<char>(c);
  std::fclose(out);
  return text;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t pos = text.find(what); pos != std::string::npos;
       pos = text.find(what, pos + 1))
    ++n;
  return n;
}

TEST(ProgressBarTest, TerminalBarRedrawsInPlaceAndIsCleared) {
  std::string text = Drawn(true, 100, 0.1);  // 10 s
  EXPECT_NE(std::string::npos, text.find("100% 100/100"));
  EXPECT_EQ(std::string::npos, text.find('\n'));
  EXPECT_GE(Count(text, "Replaying"), 25u);  // every 0.2 s after 0.5 s
  EXPECT_LE(Count(text, "Replaying"), 50u);
  EXPECT_EQ(text.size() - 81, text.rfind('\r', text.size() - 2));
}

TEST(ProgressBarTest, FilesAndPipesGetALineEveryFewSeconds) {
  std::string text = Drawn(false, 100, 0.2);  // 20 s
  EXPECT_EQ(std::string::npos, text.find('\r'));
  EXPECT_NE(std::string::npos,
            text.find("aadx-replay: Replaying 4 of 100 (4%)\n"));
  EXPECT_NE(std::string::npos,
            text.find("aadx-replay: Replaying 100 of 100 (100%)\n"));
  EXPECT_EQ(5u, Count(text, "\n"));  // 0.8 s, 5.8, 10.8, 15.8, and the end
}

TEST(ProgressBarTest, ShortRunsStaySilent) {
  EXPECT_EQ("", Drawn(true, 1000, 0.0001));
  EXPECT_EQ("", Drawn(false, 1000, 0.0001));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

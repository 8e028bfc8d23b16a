#include "tools/replay/progress_bar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace aadx {
namespace replay {
namespace {

std::string Drawn(bool enabled, size_t threshold, size_t total) {
  std::FILE* out = std::tmpfile();
  ProgressBar bar(out, enabled, threshold);
  for (size_t i = 1; i <= total; ++i) bar.Update(i, total);
  bar.Finish();
  std::rewind(out);
  std::string text;
  int c;
  while ((c = std::fgetc(out)) != EOF) text += static_cast<char>(c);
  std::fclose(out);
  return text;
}

TEST(ProgressBarTest, DrawsOncePerPercentForLongRuns) {
  std::string text = Drawn(true, 100, 1000);
  EXPECT_NE(std::string::npos, text.find("100% 1000/1000"));
  EXPECT_NE(std::string::npos, text.find("  1% 10/1000"));
  size_t updates = 0;
  for (size_t pos = text.find("Replaying"); pos != std::string::npos;
       pos = text.find("Replaying", pos + 1))
    ++updates;
  EXPECT_EQ(101u, updates);  // 0% to 100%
}

TEST(ProgressBarTest, StaysSilentForShortRunsOrWhenDisabled) {
  EXPECT_EQ("", Drawn(true, 100, 100));
  EXPECT_EQ("", Drawn(false, 100, 1000));
}

}  // namespace
}  // namespace replay
}  // namespace aadx

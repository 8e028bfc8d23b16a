#include "base/numbered_texts.h"

#include <gtest/gtest.h>

namespace aadx {
namespace {

// Enough texts to grow the table many times; numbers follow first
// appearance, repeats keep theirs, and a cleared table numbers afresh.
TEST(NumberedTextsTest, NumbersTextsInFirstSeenOrderAcrossGrowthAndClear) {
  NumberedTexts<int> texts;
  EXPECT_EQ(texts.Find("JA1AA"), -1);
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 5000; ++i) {
      ASSERT_EQ(texts.Number("C" + std::to_string(i)), i);
      texts[i].value = i * 2;
    }
    ASSERT_EQ(texts.size(), 5000);
    for (int i = 0; i < 5000; ++i) {
      ASSERT_EQ(texts.Number("C" + std::to_string(i)), i);
      ASSERT_EQ(texts.Find("C" + std::to_string(i)), i);
      ASSERT_EQ(texts[i].text, "C" + std::to_string(i));
      ASSERT_EQ(texts[i].value, i * 2);
    }
    EXPECT_EQ(texts.Find("C5000"), -1);
    EXPECT_EQ(texts.Find(""), -1);
    EXPECT_EQ(texts.Find(std::string("C1\0", 3)), -1);
    texts.Clear();
    EXPECT_EQ(texts.size(), 0);
    EXPECT_EQ(texts.Find("C1"), -1);
  }
}

}  // namespace
}  // namespace aadx

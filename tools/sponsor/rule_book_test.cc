#include "tools/sponsor/rule_book.h"

#include <gtest/gtest.h>

namespace aadx {
namespace sponsor {
namespace {

TEST(RuleBookTest, AYearWithoutATableTakesTheNearest) {
  const struct {
    int year;
    int table;
    const char* text;
  } kCases[] = {
      {2021, 2024,
       "rules of 2024, the earliest known (the contest is of 2021)"},
      {2024, 2024, "rules of 2024"},
      {2025, 2025, "rules of 2025"},
      {2027, 2025, "rules of 2025, the latest known (the contest is of 2027)"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(c.table, RulesForYear(c.year).year) << c.year;
    EXPECT_EQ(c.text, RulesYearText(c.year));
  }
  for (const YearRules& rules : AllYearRules())
    EXPECT_FALSE(rules.sources.empty()) << rules.year;
}

// JARL's code in a CATEGORY line or a CATEGORY- value, else the Cabrillo
// CATEGORY- lines, for the entrant's continent.
TEST(RuleBookTest, CategoryTheHeaderNames) {
  const struct {
    int year;
    bool asian;
    HeaderTags tags;
    const char* code;  // "" none
    const char* why;   // the lines read when none matches
  } kCases[] = {
      {2025, true, {{"CATEGORY", "soablp24"}}, "SOABLP24", ""},
      {2025,
       false,
       {{"CATEGORY-OPERATOR", "SINGLE-OP"},
        {"CATEGORY-BAND", "ALL"},
        {"CATEGORY-POWER", "LOW"},
        {"CATEGORY-TIME", "24-HOURS"}},
       "SOABLP24",
       ""},
      {2025,
       true,
       {{"CATEGORY-OPERATOR", "SINGLE-OP"},
        {"CATEGORY-BAND", "20M"},
        {"CATEGORY-POWER", "HIGH"}},
       "SO20HP",
       ""},
      {2025,
       true,
       {{"CATEGORY-OPERATOR", "MULTI-OP"},
        {"CATEGORY-TRANSMITTER", "ONE"},
        {"CATEGORY-POWER", "HIGH"}},
       "MSHP",
       ""},
      {2025,
       false,
       {{"CATEGORY-OPERATOR", "MULTI-OP"},
        {"CATEGORY-TRANSMITTER", "UNLIMITED"},
        {"CATEGORY-POWER", "QRP"}},
       "MMLP",
       ""},
      {2024,
       false,
       {{"CATEGORY-OPERATOR", "SINGLE-OP"},
        {"CATEGORY-BAND", "ALL"},
        {"CATEGORY-POWER", "HIGH"}},
       "SOAB",
       ""},
      {2024,
       true,
       {{"CATEGORY-OPERATOR", "MULTI-OP"}, {"CATEGORY-TRANSMITTER", "ONE"}},
       "M/S",
       ""},
      {2024,
       true,
       {{"CATEGORY-OPERATOR", "SINGLE-OP"},
        {"CATEGORY-BAND", "ALL"},
        {"CATEGORY-POWER", "LOW"},
        {"CATEGORY-TIME", "24-HOURS"}},
       "",
       "CATEGORY-OPERATOR SINGLE-OP, CATEGORY-BAND ALL, CATEGORY-POWER LOW, "
       "CATEGORY-TIME 24-HOURS"},
      {2025,
       true,
       {{"CATEGORY-OPERATOR", "SINGLE-OP"}, {"CATEGORY-BAND", "ALL"}},
       "",
       "CATEGORY-OPERATOR SINGLE-OP, CATEGORY-BAND ALL"},
      {2025, true, {{"CATEGORY-POWER", "LOW"}}, "", "CATEGORY-POWER LOW"},
      {2025, true, {{"NAME", "Pat"}}, "", ""},
  };
  for (const auto& c : kCases) {
    std::string why = "not cleared";
    const CategoryRule* found =
        CategoryFromHeader(RulesForYear(c.year), c.tags, c.asian, true, &why);
    EXPECT_EQ(c.code, std::string(found ? found->code : "")) << c.code;
    EXPECT_EQ(found ? "" : c.why, why) << c.code;
  }
}

TEST(RuleBookTest, WhatACategoryMeans) {
  const struct {
    int year;
    const char* code;
    const char* meaning;
  } kCases[] = {
      {2025, "SOABLP24",
       "single operator, all bands, low power (100 W or less), the first 24 "
       "hours of operating time"},
      {2025, "so20hp", "single operator, 20m only, high power"},
      {2024, "SO20", "single operator, 20m only, entrants outside Asia"},
      {2024, "SOSV",
       "single operator, all bands, operator 70 or over, JA stations only"},
  };
  for (const auto& c : kCases) {
    const CategoryRule* found = FindCategory(RulesForYear(c.year), c.code);
    ASSERT_NE(nullptr, found) << c.code;
    EXPECT_EQ(c.meaning, DescribeCategory(*found));
  }
  EXPECT_EQ(nullptr, FindCategory(RulesForYear(2025), "SOAB"));
  EXPECT_EQ(nullptr, FindCategory(RulesForYear(2024), "SOABLP24"));
}

}  // namespace
}  // namespace sponsor
}  // namespace aadx

#include "data/gbk_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "fixtures.h"

namespace velkarin::data {
namespace {

using testing::G;

TEST(IntegerValueOfTextTest, Table) {
  struct Case {
    std::string text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"0", 0},          {"5", 5},           {"05", 5},
      {"12abc", 12},     {"abc", 0},         {"", 0},
      {"-3", -3},        {"+7", 7},          {"- 3", 0},
      {" \t\n\v\f\r 9", 9},
      {G("５"), 5},      {G("－１２"), -12}, {G("　２０"), 20},  // full-width digits, sign, space
      {G("２x"), 2},     {G("二十"), 0},
      {"2147483647", 2147483647},
      {"2147483648", std::numeric_limits<std::int32_t>::max()},
      {"99999999999999999999", std::numeric_limits<std::int32_t>::max()},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-99999999999999999999", std::numeric_limits<std::int32_t>::min()},
  };
  for (const Case& c : cases) EXPECT_EQ(IntegerValueOfText(c.text), c.value) << testing::U(c.text);
}

TEST(ContainsAtCharBoundaryTest, Table) {
  struct Case {
    std::string haystack;
    std::string needle;
    bool found;
  };
  const Case cases[] = {
      {G("布甲"), G("布"), true},
      {G("铁剑"), G("布"), false},
      {"Armor", "A", true},
      {"armor", "A", false},  // case-sensitive
      {G("布甲"), "\xBC\xBC", false},  // the trail byte of 布 and the lead byte of 甲
      {G("^ff0000布鞋"), G("布鞋"), true},
      {G("甲"), G("布甲"), false},
      {"", "a", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContainsAtCharBoundary(c.haystack, c.needle), c.found)
        << testing::U(c.haystack) << " / " << testing::U(c.needle);
  }
}

}  // namespace
}  // namespace velkarin::data

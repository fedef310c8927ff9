#include "equip/split_fields.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace velkarin::equip {
namespace {

using velkarin::testing::G;

struct SplitCase {
  std::string text;
  std::vector<std::string> fields;
};

TEST(SplitFields, BarsEndFields) {
  const std::vector<SplitCase> cases = {
      {"", {}},
      {"50|10|80|20|", {"50", "10", "80", "20"}},
      {"a||b|", {"a", "", "b"}},
      {"|", {""}},
      {"||", {"", ""}},
      {"a|b", {"a", "b"}},  // a tail without its bar still counts
      {"abc", {"abc"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitFields(c.text), c.fields) << c.text;
}

TEST(SplitFields, TrailByteBarIsNoSeparator) {
  // 亅 is 81 7C in GBK: its second byte is the bar's byte.
  std::string hook = G("亅");
  ASSERT_EQ(hook, "\x81|");
  EXPECT_EQ(SplitFields(hook + "|" + G("名") + "|"), (std::vector<std::string>{hook, G("名")}));
  EXPECT_EQ(SplitFields(hook), (std::vector<std::string>{hook}));
}

TEST(SplitFields, LoneLeadByteAtTheEndIsKept) {
  EXPECT_EQ(SplitFields("a|\x81"), (std::vector<std::string>{"a", "\x81"}));
}

}  // namespace
}  // namespace velkarin::equip

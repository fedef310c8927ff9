// The range form of the addon descriptions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fixtures.h"
#include "washset/addon_range.h"

namespace velkarin::washset {
namespace {

using testing::U;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RangeCase {
  std::int32_t type;
  double first;
  double second;
  const char* text;  // UTF-8
};

class DescribeAddonRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DescribeAddonRangeTest, WordsTheRange) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(U(DescribeAddonRange(c.type, c.first, c.second)), c.text)
      << "type " << c.type << ", " << c.first << ", " << c.second;
}

// Skill 2 is 清风破.
INSTANTIATE_TEST_SUITE_P(
    Rows, DescribeAddonRangeTest,
    ::testing::Values(
        RangeCase{1, 50, 10, "生命增加 10-50"}, RangeCase{1, 50, 50, "生命增加 50"},
        RangeCase{1, 50, 50 - 5e-8, "生命增加 50"}, RangeCase{1, 12.5, 0.5, "生命增加 0.5-12.5"},
        RangeCase{1, 10, 50, "生命增加 50-10"}, RangeCase{1, 3, 3 + 5e-8, "生命增加 3"},
        RangeCase{1, -3, -3, "生命增加 -3"},
        RangeCase{7, 0.05, 0.05, "致命一击率增加 5.0%"}, RangeCase{8, 0.05, 0.0125, "致命一击伤害增加 1.3%-5.0%"},
        RangeCase{15, 0.05, 0.02, "生命提升 2.0%-5.0%"},
        RangeCase{25, 0.5, 0.3, "移动速度增加 0.3-0.5米/秒"}, RangeCase{37, 1.2, 1.2, "骑乘、幻形速度增加 1.2米/秒"},
        RangeCase{36, 100, 50, "攻击时给对手附加 50-100点伤害"}, RangeCase{36, 100, 100, "攻击时给对手附加 100点伤害"},
        RangeCase{78, 30, 10, "技能命中增加 1.0%-3.0%"}, RangeCase{78, 15, 15, "技能命中增加 1.5%"},
        RangeCase{79, 20, 20, "技能闪避增加 2.0%"},
        RangeCase{34, 2, 1, "清风破技能等级增加 1"}, RangeCase{34, 2, 2, "清风破技能等级增加 2"},
        RangeCase{35, 2, 1.5, "降低清风破技能冷却时间 1.5秒"}, RangeCase{41, 2.9, 3.7, "清风破 3级"},
        RangeCase{41, 2, -3.7, "清风破 -3级"}, RangeCase{77, 3, 1, "3召唤图腾数量增加 1"},
        RangeCase{77, 2.5, 2.5, "2.5召唤图腾数量增加 2.5"}, RangeCase{34, 0, 1, "技能等级增加 1"},
        RangeCase{0, 50, 10, ""}, RangeCase{84, 50, 10, ""}, RangeCase{-1, 1, 1, ""}));

// The edge of "equal" is a difference of 1e-7 itself.
TEST(DescribeAddonRange, ValuesOneTenMillionthApartCountAsEqual) {
  EXPECT_EQ(U(DescribeAddonRange(1, 1e-7, 0)), "生命增加 1e-07");
  EXPECT_EQ(U(DescribeAddonRange(1, 2e-7, 0)), "生命增加 0-2e-07");
}

struct TruncCase {
  double value;
  std::int32_t expected;
};
class TruncateToInt32Test : public ::testing::TestWithParam<TruncCase> {};

TEST_P(TruncateToInt32Test, TruncatesTowardZeroWithinTheRange) {
  EXPECT_EQ(TruncateToInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TruncateToInt32Test,
    ::testing::Values(TruncCase{2.9, 2}, TruncCase{-2.9, -2}, TruncCase{0, 0}, TruncCase{kNaN, 0},
                      TruncCase{kInf, 2147483647}, TruncCase{-kInf, -2147483647 - 1},
                      TruncCase{3e9, 2147483647}, TruncCase{-3e9, -2147483647 - 1},
                      TruncCase{2147483647.9, 2147483647}, TruncCase{-2147483648.9, -2147483647 - 1}));

TEST(DescribeAddonRange, ANaNOrAHugeLevelStillGivesAText) {
  EXPECT_EQ(U(DescribeAddonRange(41, 2, kNaN)), "清风破 0级");
  EXPECT_EQ(U(DescribeAddonRange(41, kNaN, 1e30)), " 2147483647级");
}

}  // namespace
}  // namespace velkarin::washset

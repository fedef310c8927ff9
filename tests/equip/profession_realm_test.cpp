#include "equip/profession_realm.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace velkarin::equip {
namespace {

using velkarin::testing::U;

const char* const kAllProfessions =
    "菜鸟 散人 游侠 枪豪 剑客 医师 术士 戟神 刀君 邪皇 剑圣 神算 医仙 天师 蛊王 修罗 天剑 魔尊 "
    "明王 魔灵 战灵 魔巫 斗魂 狂魔 鬼斩 影舞 御魄 巫祝 帝江 地藏 烈刃 玄冥 射手 弓箭 火枪 ";

TEST(ProfessionText, NamesTheProfessionsOfTheMask) {
  const std::int64_t kBit35 = std::int64_t{1} << 35;
  const std::vector<std::pair<std::int64_t, std::string>> cases = {
      {0, ""},
      {1, "菜鸟 "},
      {6, "散人 游侠 "},
      {std::int64_t{1} << 34, "火枪 "},
      {(std::int64_t{1} << 34) | 1, "菜鸟 火枪 "},
      {kBit35 - 1, kAllProfessions},
      {kBit35, kAllProfessions},  // no bit below 35, yet every step takes one
      {std::numeric_limits<std::int64_t>::max(), kAllProfessions},
      {-1, ""},
      {std::numeric_limits<std::int64_t>::min(), ""},
  };
  for (const auto& [mask, text] : cases) EXPECT_EQ(U(ProfessionText(mask)), text) << mask;
}

TEST(RealmName, NamesRealmTierAndStage) {
  const std::vector<std::pair<std::int32_t, std::string>> cases = {
      {1, "明劲一重初期"},   {2, "明劲一重中期"},   {3, "明劲一重后期"},   {4, "明劲二重初期"},
      {18, "明劲六重后期"},  {19, "暗劲一重初期"},  {126, "内罡六重后期"}, {127, "不坏一重初期"},
      {144, "不坏六重后期"}, {145, "不坏七重初期"}, {147, "不坏七重后期"}, {148, "不坏八重初期"},
      {150, "不坏八重后期"},
  };
  for (const auto& [level, text] : cases) EXPECT_EQ(U(RealmName(level)), text) << level;
}

TEST(RealmName, LevelsWithoutARealmAreEmpty) {
  for (std::int32_t level : {0, -1, 151, std::numeric_limits<std::int32_t>::min(),
                             std::numeric_limits<std::int32_t>::max()}) {
    EXPECT_EQ(RealmName(level), "") << level;
  }
}

}  // namespace
}  // namespace velkarin::equip

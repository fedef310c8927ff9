#include "profession_realm.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "data/codepage.h"

namespace velkarin::equip {
namespace {

constexpr int kProfessions = 35;
constexpr std::array<std::string_view, kProfessions> kProfessionNames = {
    "菜鸟", "散人", "游侠", "枪豪", "剑客", "医师", "术士", "戟神", "刀君", "邪皇", "剑圣", "神算",
    "医仙", "天师", "蛊王", "修罗", "天剑", "魔尊", "明王", "魔灵", "战灵", "魔巫", "斗魂", "狂魔",
    "鬼斩", "影舞", "御魄", "巫祝", "帝江", "地藏", "烈刃", "玄冥", "射手", "弓箭", "火枪"};

// Each realm spans 18 levels: six tiers of three stages. The last realm goes
// on with a seventh and an eighth tier, for levels 145 to 150.
constexpr std::int32_t kLevelsPerRealm = 18;
constexpr std::int32_t kStagesPerTier = 3;
constexpr std::array<std::string_view, 8> kRealmNames = {"明劲", "暗劲", "化劲", "引劲",
                                                         "丹劲", "外罡", "内罡", "不坏"};
constexpr std::array<std::string_view, 8> kTierNumerals = {"一", "二", "三", "四",
                                                           "五", "六", "七", "八"};
constexpr std::array<std::string_view, kStagesPerTier> kStageNames = {"初期", "中期", "后期"};

// A table of UTF-8 texts as GBK, converted once.
template <std::size_t N>
std::vector<std::string> ToGbk(const std::array<std::string_view, N>& utf8) {
  std::vector<std::string> gbk;
  gbk.reserve(N);
  for (std::string_view text : utf8) gbk.push_back(data::Utf8ToGbk(text));
  return gbk;
}

}  // namespace

std::string ProfessionText(std::int64_t mask) {
  static const std::vector<std::string> names = ToGbk(kProfessionNames);
  std::array<bool, kProfessions> taken{};
  std::int64_t rest = mask;
  for (int k = kProfessions - 1; k >= 0; --k) {
    std::int64_t bit = std::int64_t{1} << k;
    if (rest >= bit) {
      taken[static_cast<std::size_t>(k)] = true;
      rest -= bit;
    }
  }
  std::string text;
  for (std::size_t k = 0; k < taken.size(); ++k) {
    if (taken[k]) text.append(names[k]).append(" ");
  }
  return text;
}

std::string RealmName(std::int32_t level) {
  static const std::vector<std::string> realms = ToGbk(kRealmNames);
  static const std::vector<std::string> tiers = ToGbk(kTierNumerals);
  static const std::vector<std::string> stages = ToGbk(kStageNames);
  if (level < kFirstRealmLevel || level > kLastRealmLevel) return {};
  std::int32_t step = level - kFirstRealmLevel;
  std::int32_t realm =
      std::min<std::int32_t>(step / kLevelsPerRealm, static_cast<std::int32_t>(realms.size()) - 1);
  std::int32_t tier = (step - realm * kLevelsPerRealm) / kStagesPerTier;
  std::int32_t stage = step % kStagesPerTier;
  auto at = [](const std::vector<std::string>& table, std::int32_t k) -> const std::string& {
    return table[static_cast<std::size_t>(k)];
  };
  return at(realms, realm) + at(tiers, tier) + GBK("重") + at(stages, stage);
}

}  // namespace velkarin::equip

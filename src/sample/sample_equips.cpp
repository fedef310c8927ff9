#include "sample_lists.h"

#include <array>
#include <string>
#include <string_view>

namespace velkarin::sample {
namespace {

constexpr std::array<std::string_view, 16> kMaterials = {
    "玄铁", "青锋", "龙鳞", "烈焰", "寒冰", "紫电", "天罡", "赤霄",
    "碧落", "乾坤", "追风", "破军", "流云", "惊雷", "幽冥", "凤翎"};
struct Piece {
  std::string_view name;
  std::int32_t mainAttrKind;
  bool gendered;
};
constexpr std::array<Piece, 14> kPieces = {{{"长剑", 1, false},   {"战刀", 1, false},
                                            {"长枪", 1, false},   {"法杖", 1, false},
                                            {"战甲", 4, true},    {"头盔", 4, false},
                                            {"护腕", 4, false},   {"战靴", 4, false},
                                            {"披风", 8, true},    {"腰带", 8, false},
                                            {"戒指", 2, false},   {"项链", 2, false},
                                            {"护符", 8, false},   {"玉佩", 2, false}}};
constexpr std::array<std::string_view, 5> kColourPrefixes = {"^ff0000", "^6cfb4b", "^ffdc50",
                                                             "^5e1eff", "^0c286d"};
constexpr std::array<std::string_view, 6> kSubtitles = {"新手专用", "门派赠礼", "限时活动",
                                                        "^ffdc50传说之物", "绑定", "可交易"};
constexpr std::array<std::string_view, 8> kList3Names = {"武器", "护甲", "饰品", "时装",
                                                         "坐骑", "宝石", "材料", "任务"};

// Most items fit every profession (a mask of 0, now and then written as -1 or
// as the low 32 bits set); the others a random set of the 35, a few all.
std::int64_t SomeProfessionMask(Random& random) {
  constexpr std::int64_t kAll = (std::int64_t{1} << 35) - 1;
  std::int32_t roll = random.Between(1, 100);
  if (roll <= 36) return 0;
  if (roll <= 38) return -1;
  if (roll <= 40) return 4294967295;
  if (roll <= 43) return kAll;
  return static_cast<std::int64_t>(random.Next() % (1ull << 35));
}

// Prices in copper: some worth no money, the rest spread over copper, silver
// and gold amounts.
std::int32_t SomePrice(Random& random) {
  std::int32_t roll = random.Between(1, 100);
  if (roll <= 10) return 0;
  if (roll <= 20) return random.Between(1, 99);
  if (roll <= 50) return random.Between(100, 9999);
  return random.Between(10000, 2000000);
}

}  // namespace

std::vector<Record> List3() {
  std::vector<Record> records;
  for (std::size_t k = 0; k < kList3Names.size(); ++k) {
    records.push_back(NamedRecord(static_cast<std::int32_t>(k + 1), kList3Names[k]));
  }
  return records;
}

std::vector<Record> EquipList(Random& random, std::int32_t items) {
  std::vector<Record> records;
  records.reserve(static_cast<std::size_t>(items));
  for (std::int32_t k = 0; k < items; ++k) {
    const Piece& piece = random.Pick(kPieces);
    EquipSpec s;
    s.id = kFirstEquipId + k;
    if (k == 0) {
      s.name = std::string(kEquipMarker);
      s.mainAttrKind = 4;
      s.defence = 5;
    } else {
      std::string name = std::string(random.Pick(kMaterials)) + std::string(piece.name);
      if (piece.gendered) name += random.Chance(50) ? "(男)" : "(女)";
      if (random.Chance(25)) name = std::string(random.Pick(kColourPrefixes)) + name;
      s.name = name;
      s.mainAttrKind = piece.mainAttrKind;
    }
    s.list3Id = random.Between(1, static_cast<std::int32_t>(kList3Names.size()) + 1);
    if (random.Chance(30)) s.subtitle = std::string(random.Pick(kSubtitles));
    s.race = random.Between(0, 3);
    s.professionMask = SomeProfessionMask(random);
    s.gender = random.Between(0, 3);
    s.levelReq = random.Between(1, 150);
    s.rankReq = random.Chance(20) ? random.Pick(std::array<std::int32_t, 7>{2, 3, 4, 6, 8, 9, 16}) : 0;
    s.realmReq = random.Chance(30) ? random.Between(1, 150) : 0;
    s.hp = random.Between(0, 800);
    s.mp = random.Between(0, 400);
    if (piece.mainAttrKind == 1) {
      s.attackMin = random.Between(10, 200);
      s.attackMax = s.attackMin + random.Between(5, 120);
      s.attackRange = static_cast<float>(random.Between(10, 60)) / 10.0f;
    }
    s.defence = s.defence ? s.defence : random.Between(0, 300);
    s.hit = random.Between(0, 50);
    s.dodge = random.Between(0, 50);
    s.price = SomePrice(random);
    for (auto& id : s.addonIds) id = random.Chance(40) ? SomeAddonId(random) : 0;
    s.refinable = random.Chance(60) ? 1 : 0;
    for (int level = 1; level <= 20; ++level) s.refineBonus[level - 1] = level * random.Between(2, 12);
    s.socketCount = random.Between(0, 4);
    s.mainAttrPoolId = random.Chance(60) ? random.Between(1, kMainPools + 2) : 0;
    s.washPoolId = random.Chance(60) ? random.Between(1, kWashPools + 2) : 0;
    if (k == 0) {
      // The beginner's robe, shown on opening: it refines and washes.
      s.gender = 0;
      s.levelReq = 1;
      s.refinable = 1;
      s.mainAttrPoolId = 1;
    }
    records.push_back(EquipRecord(s));
  }
  return records;
}

std::vector<Record> MainAttrPoolList(Random& random) {
  std::vector<Record> records;
  for (std::int32_t id = 1; id <= kMainPools; ++id) {
    MainAttrPoolSpec fields{id, id == 1 ? std::string(kMainAttrPoolMarker) : "主属性随机库" + std::to_string(id), {}};
    std::int32_t low = random.Between(1, 30);
    std::int32_t high = low + random.Between(5, 60);
    fields.values = {high, low, high + random.Between(0, 40), low + random.Between(0, 10)};
    records.push_back(MainAttrPoolRecord(fields));
  }
  return records;
}

}  // namespace velkarin::sample

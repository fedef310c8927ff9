#include "sample.h"

#include <array>
#include <string_view>
#include <vector>

#include "builder.h"

namespace velkarin::sample {
namespace {

// A small generator whose sequence is the same on every platform and
// compiler (the standard distributions are not).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A number from lo to hi, both included.
  std::int32_t Between(std::int32_t lo, std::int32_t hi) {
    return lo + static_cast<std::int32_t>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(Between(0, static_cast<std::int32_t>(N) - 1))];
  }

 private:
  std::uint64_t state_;
};

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
constexpr std::array<std::string_view, 6> kSetNames = {"^ffdc50龙腾", "^6cfb4b青云", "逍遥",
                                                       "^ff0000烈阳", "寒霜", "天工"};

constexpr std::int32_t kAddonTypes = 83;
constexpr std::int32_t kAddonsPerType = 4;
constexpr std::int32_t kMainPools = 12;
constexpr std::int32_t kWashPools = 20;

std::vector<Record> AddonList(Random& random) {
  std::vector<Record> records;
  for (std::int32_t type = 1; type <= kAddonTypes; ++type) {
    for (std::int32_t k = 0; k < kAddonsPerType; ++k) {
      AddonSpec spec;
      spec.id = type * 100 + k;
      spec.type = type;
      bool fraction = random.Chance(50);
      spec.param1 = fraction ? FloatParam(static_cast<float>(random.Between(1, 20)) / 100.0f)
                             : IntParam(random.Between(1, 300));
      spec.param2 = fraction ? FloatParam(static_cast<float>(random.Between(5, 30)) / 10.0f)
                             : IntParam(random.Between(1, 5));
      records.push_back(AddonRecord(spec));
    }
  }
  return records;
}

std::int32_t SomeAddonId(Random& random) {
  // Mostly addons that exist, now and then one the list lacks.
  if (random.Chance(5)) return 99000 + random.Between(0, 99);
  return random.Between(1, kAddonTypes) * 100 + random.Between(0, kAddonsPerType - 1);
}

std::vector<Record> EquipList(Random& random, std::int32_t items) {
  std::vector<Record> records;
  records.reserve(static_cast<std::size_t>(items));
  for (std::int32_t k = 0; k < items; ++k) {
    const Piece& piece = random.Pick(kPieces);
    EquipSpec s;
    s.id = 10001 + k;
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
    s.professionMask = random.Chance(40) ? 0 : static_cast<std::int64_t>(random.Next() % (1ull << 35));
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
    s.price = random.Chance(10) ? 0 : random.Between(1, 2000000);
    for (auto& id : s.addonIds) id = random.Chance(40) ? SomeAddonId(random) : 0;
    s.refinable = random.Chance(60) ? 1 : 0;
    for (int level = 1; level <= 20; ++level) s.refineBonus[level - 1] = level * random.Between(2, 12);
    s.socketCount = random.Between(0, 4);
    s.mainAttrPoolId = random.Chance(60) ? random.Between(1, kMainPools + 2) : 0;
    s.washPoolId = random.Chance(60) ? random.Between(1, kWashPools + 2) : 0;
    records.push_back(EquipRecord(s));
  }
  return records;
}

std::vector<Record> MainAttrPoolList(Random& random) {
  std::vector<Record> records;
  for (std::int32_t id = 1; id <= kMainPools; ++id) {
    MainAttrPoolSpec spec{id, id == 1 ? std::string(kMainAttrPoolMarker) : "主属性随机库" + std::to_string(id), {}};
    std::int32_t low = random.Between(1, 30);
    std::int32_t high = low + random.Between(5, 60);
    spec.values = {high, low, high + random.Between(0, 40), low + random.Between(0, 10)};
    records.push_back(MainAttrPoolRecord(spec));
  }
  return records;
}

std::vector<Record> AddonPoolList(Random& random) {
  std::vector<Record> records;
  for (std::int32_t id = 1; id <= kWashPools; ++id) {
    AddonPoolSpec spec;
    spec.id = id;
    spec.name = id == 1 ? std::string(kAddonPoolMarker) : "附加属性随机库" + std::to_string(id);
    spec.countProbabilities = {0.3f, 0.3f, 0.2f, 0.1f, 0.07f, 0.03f};
    std::int32_t slots = random.Between(0, 12);
    for (std::int32_t s = 0; s < slots; ++s) {
      std::int32_t type = random.Between(1, kAddonTypes);
      double low = random.Between(1, 50);
      spec.slots.push_back({type, low + random.Between(0, 50), low, static_cast<float>(random.Between(1, 40)) / 100.0f});
    }
    records.push_back(AddonPoolRecord(spec));
  }
  return records;
}

std::vector<Record> SetList(Random& random, std::int32_t items) {
  std::vector<Record> records;
  std::int32_t sets = std::max(1, items / 20);
  for (std::int32_t k = 0; k < sets; ++k) {
    SetSpec spec;
    spec.id = 500 + k;
    spec.name = k == 0 ? std::string(kSetMarker) : std::string(random.Pick(kSetNames)) + "套装" + std::to_string(k);
    std::int32_t pieces = random.Between(2, 6);
    for (std::int32_t p = 0; p < pieces; ++p) spec.members.push_back(10001 + random.Between(0, items - 1));
    for (std::int32_t p = 2; p <= pieces; ++p) spec.bonusAddonIds.push_back(SomeAddonId(random));
    records.push_back(SetRecord(spec));
  }
  return records;
}

std::vector<Record> List3(void) {
  std::vector<Record> records;
  for (std::size_t k = 0; k < kList3Names.size(); ++k) {
    records.push_back(NamedRecord(static_cast<std::int32_t>(k + 1), kList3Names[k]));
  }
  return records;
}

// Filler lists of unnamed 1 MiB records until the file reaches the size.
void Pad(FileBuilder& file, std::int64_t sizeMb) {
  constexpr std::int32_t kFillerRecord = 1 << 20;
  std::int64_t target = sizeMb << 20;
  if (file.Size() + 8 >= static_cast<std::size_t>(target)) return;
  auto records = static_cast<std::int32_t>((target - static_cast<std::int64_t>(file.Size()) - 8 + kFillerRecord - 1) / kFillerRecord);
  file.Header(kFillerRecord, records);
  file.Raw(std::string(static_cast<std::size_t>(records) * kFillerRecord, '\0'));
}

}  // namespace

std::string GenerateSample(const SampleOptions& options) {
  Random random(options.seed);
  std::int32_t items = std::max(1, options.items);
  FileBuilder file;
  file.List(kAddonRecordSize, AddonList(random));
  file.List(kNamedRecordSize, {NamedRecord(1, "占位")});
  file.List(kNamedRecordSize, List3());
  file.List(424, EquipList(random, items));
  Pad(file, options.sizeMb);
  file.List(kMainAttrPoolRecordSize, MainAttrPoolList(random));
  file.List(kAddonPoolRecordSize, AddonPoolList(random));
  file.List(kSetRecordSize, SetList(random, items));
  return file.Data();
}

}  // namespace velkarin::sample

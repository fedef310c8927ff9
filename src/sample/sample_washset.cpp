#include "sample_lists.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace velkarin::sample {
namespace {

constexpr std::array<std::string_view, 6> kSetNames = {"^ffdc50龙腾", "^6cfb4b青云", "逍遥",
                                                       "^ff0000烈阳", "寒霜", "天工"};

}  // namespace

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
    for (std::int32_t p = 0; p < pieces; ++p) spec.members.push_back(kFirstEquipId + random.Between(0, items - 1));
    for (std::int32_t p = 2; p <= pieces; ++p) spec.bonusAddonIds.push_back(SomeAddonId(random));
    records.push_back(SetRecord(spec));
  }
  return records;
}

}  // namespace velkarin::sample

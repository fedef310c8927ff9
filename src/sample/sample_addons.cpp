#include "sample_lists.h"

#include <array>
#include <string>
#include <string_view>

namespace velkarin::sample {
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

}  // namespace velkarin::sample

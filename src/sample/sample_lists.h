// The lists of the sample file, one function per list. Each area of the
// viewer keeps the part of the generator that feeds its panels.
#pragma once

#include <cstdint>
#include <vector>

#include "builder.h"
#include "random.h"

namespace velkarin::sample {

inline constexpr std::int32_t kAddonTypes = 83;
inline constexpr std::int32_t kAddonsPerType = 4;
inline constexpr std::int32_t kMainPools = 12;
inline constexpr std::int32_t kWashPools = 20;
inline constexpr std::int32_t kList3Records = 8;
inline constexpr std::int32_t kFirstEquipId = 10001;

// sample_addons.cpp
std::vector<Record> AddonList(Random& random);
// An addon ID for an equipment or set record: mostly one that exists.
std::int32_t SomeAddonId(Random& random);

// sample_equips.cpp
std::vector<Record> List3();
std::vector<Record> EquipList(Random& random, std::int32_t items);
std::vector<Record> MainAttrPoolList(Random& random);

// sample_washset.cpp
std::vector<Record> AddonPoolList(Random& random);
std::vector<Record> SetList(Random& random, std::int32_t items);

}  // namespace velkarin::sample

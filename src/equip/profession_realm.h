// Chinese texts of two restriction fields of the equipment record: the
// professions of a profession mask and the martial realm of a level.
#pragma once

#include <cstdint>
#include <string>

namespace velkarin::equip {

// The names of the professions of the mask, in index order, each followed by
// one space; the empty text when none is taken. Bit k is profession k (0..34).
// The professions are taken greedily from the highest, so a negative mask
// takes none and a mask of 2^35 - 1 or more takes all 35.
std::string ProfessionText(std::int64_t mask);

// The martial realm levels that have a name.
inline constexpr std::int32_t kFirstRealmLevel = 1;
inline constexpr std::int32_t kLastRealmLevel = 150;

// The realm text of a level from 1 to 150, such as 明劲一重初期; the empty
// text for any other level.
std::string RealmName(std::int32_t level);

}  // namespace velkarin::equip

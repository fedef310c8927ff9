// The washing range of an item's main attribute, kept in the main-attribute
// pool list, which is found by the name of its first record.
#pragma once

#include <cstdint>
#include <string>

#include "data/element_data.h"

namespace velkarin::equip {

// The four pool values of the first pool record with this ID, each in plain
// decimal and followed by "|" (50|10|80|20|); the empty text when the data
// holds no pool list or no record has the ID. The list is searched afresh on
// every call.
std::string LookupMainAttrPool(const data::ElementData& data, std::int32_t poolId);

}  // namespace velkarin::equip

// The washing range of an item's main attribute, kept in the main-attribute
// pool list, which is found by the name of its first record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/element_data.h"
#include "data/record_index.h"

namespace velkarin::equip {

// Position of the first pool record with this ID, found by a search for the
// list and a walk over its records; nothing when the data holds no pool list
// or no record has the ID.
std::optional<std::int64_t> FindMainAttrPoolRecord(const data::ElementData& data, std::int32_t poolId);

// The same answers from one search and one walk per loaded file.
class MainAttrPoolIndex {
 public:
  explicit MainAttrPoolIndex(const data::ElementData& data);
  std::optional<std::int64_t> FirstRecord(std::int32_t poolId) const { return records_.FirstRecord(poolId); }

 private:
  data::RecordIdIndex records_;
};

// The four pool values of the first pool record with this ID, each in plain
// decimal and followed by "|" (50|10|80|20|); the empty text when the data
// holds no pool list or no record has the ID. The record is found through the
// MainAttrPoolIndex cached with the data.
std::string LookupMainAttrPool(const data::ElementData& data, std::int32_t poolId);

}  // namespace velkarin::equip

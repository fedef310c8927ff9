// Files with an equipment list, a washable-attribute pool list and a set list.
#pragma once

#include <cstdint>
#include <vector>

#include "data/equip_record.h"
#include "data/lists.h"
#include "fixtures.h"
#include "sample/builder.h"

namespace velkarin::washset::testing {

using velkarin::testing::DataOf;
using velkarin::testing::G;
using velkarin::testing::U;

// An equipment item with an ID, a name and a washable-attribute pool.
inline sample::EquipSpec Item(std::int32_t id, std::string name = "", std::int32_t washPoolId = 0) {
  sample::EquipSpec fields;
  fields.id = id;
  fields.name = name.empty() ? "物品" + std::to_string(id) : std::move(name);
  fields.washPoolId = washPoolId;
  return fields;
}

// The first equipment record is named by the list's marker, as in every file.
inline std::vector<sample::EquipSpec> WithMarkerItem(std::vector<sample::EquipSpec> items) {
  items.insert(items.begin(), Item(1, std::string(sample::kEquipMarker)));
  return items;
}

// The first pool is named by the list's marker.
inline sample::Record Pool(std::int32_t id, std::array<float, 6> counts,
                           std::vector<sample::PoolEntrySpec> slots = {}, bool first = false) {
  return sample::AddonPoolRecord(
      {id, first ? std::string(sample::kAddonPoolMarker) : "库" + std::to_string(id), counts, std::move(slots)});
}

inline sample::Record Set(const std::string& name, std::vector<std::int32_t> members,
                          std::vector<std::int32_t> bonuses = {}, std::int32_t memberCount = -1) {
  sample::SetSpec fields;
  fields.id = 1;
  fields.name = name;
  fields.members = std::move(members);
  fields.bonusAddonIds = std::move(bonuses);
  fields.memberCount = memberCount;
  return sample::SetRecord(fields);
}
inline sample::Record MarkerSet(std::vector<std::int32_t> members = {}) {
  return Set(std::string(sample::kSetMarker), std::move(members));
}

// Position of the record of equipment row `row` in a file built by FileWithEquips.
inline std::int64_t RecordPos(const data::ElementData& data, std::int64_t row) {
  return data::LocateEquipList(data).pos + data::kListHeaderBytes + data::kEquipRecordSize * row;
}

}  // namespace velkarin::washset::testing

// The lists found by the name of their first record. Their names are found
// together, in as few passes over the data as their shared beginnings allow,
// once per loaded file.
#pragma once

#include <cstdint>
#include <optional>

#include "element_data.h"

namespace velkarin::data {

enum class NamedList { Equip, MainAttrPool, AddonPool, Set };

// The header position of the list: its marker's first occurrence taken as
// the name field of the list's first record. Nothing without a marker.
std::optional<std::int64_t> LocateNamedList(const ElementData& data, NamedList list);

// The records of a named list as its header gives them: where the first
// starts, their size and their count (neither checked).
struct ListRecords {
  std::int64_t first = 0;
  std::int32_t size = 0;
  std::int32_t count = 0;
};
std::optional<ListRecords> NamedListRecords(const ElementData& data, NamedList list);

}  // namespace velkarin::data

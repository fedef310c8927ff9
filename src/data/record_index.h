// The first record of each ID in a list, found once, so that a lookup by ID
// does not walk the list again.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "element_data.h"
#include "lists.h"

namespace velkarin::data {

class RecordIdIndex {
 public:
  RecordIdIndex() = default;  // an index of no records

  // The records that FindFirstRecord(data, first, size, count, extent, ...)
  // would visit, keyed by the int32 at `idOffset` into each. Time and memory
  // grow with the number of those records, which the size of the data bounds.
  RecordIdIndex(const ElementData& data, std::int64_t first, std::int64_t size, std::int64_t count,
                std::int64_t extent, std::int64_t idOffset);

  // The same walk, with each record keyed by every ID that keysOf(pos, add)
  // passes to add (none, one or many): a lookup gives the first record in
  // walk order that had the ID, as FindFirstRecord would find it with a
  // `matches` that holds exactly for those records.
  template <typename KeysOf>
  static RecordIdIndex Build(const ElementData& data, std::int64_t first, std::int64_t size,
                             std::int64_t count, std::int64_t extent, KeysOf&& keysOf) {
    RecordIdIndex index;
    index.first_ = first;
    index.size_ = size;
    std::uint32_t k = 0;
    FindFirstRecord(data, first, size, count, extent, [&](std::int64_t pos) {
      keysOf(pos, [&](std::int32_t id) { index.firsts_.emplace_back(id, k); });
      ++k;
      return false;  // told that nothing matches, the walk visits every record it could stop at
    });
    index.KeepFirsts();
    return index;
  }

  // The first record with this ID.
  std::optional<std::int64_t> FirstRecord(std::int32_t id) const;

 private:
  void KeepFirsts();

  std::int64_t first_ = 0;
  std::int64_t size_ = 0;
  // (ID, record number) of the first record of each ID, sorted by ID.
  std::vector<std::pair<std::int32_t, std::uint32_t>> firsts_;
};

}  // namespace velkarin::data

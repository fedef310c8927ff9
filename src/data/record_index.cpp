#include "record_index.h"

#include <algorithm>

namespace velkarin::data {

RecordIdIndex::RecordIdIndex(const ElementData& data, std::int64_t first, std::int64_t size,
                             std::int64_t count, std::int64_t extent, std::int64_t idOffset)
    : RecordIdIndex(Build(data, first, size, count, extent, [&](std::int64_t pos, auto&& add) {
        add(data.ReadInt32(OffsetAdd(pos, idOffset)));
      })) {}

void RecordIdIndex::KeepFirsts() {
  // Sorting by (ID, record number) puts the first record of each ID first.
  std::sort(firsts_.begin(), firsts_.end());
  auto sameId = [](const auto& a, const auto& b) { return a.first == b.first; };
  firsts_.erase(std::unique(firsts_.begin(), firsts_.end(), sameId), firsts_.end());
  firsts_.shrink_to_fit();
}

std::optional<std::int64_t> RecordIdIndex::FirstRecord(std::int32_t id) const {
  auto it = std::lower_bound(firsts_.begin(), firsts_.end(), id,
                             [](const auto& entry, std::int32_t wanted) { return entry.first < wanted; });
  if (it == firsts_.end() || it->first != id) return std::nullopt;
  return OffsetAdd(first_, OffsetMul(it->second, size_));
}

}  // namespace velkarin::data

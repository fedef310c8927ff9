#include "addon_index.h"

#include <algorithm>

#include "addon.h"
#include "data/lists.h"

namespace velkarin::addon {

AddonIndex::AddonIndex(const data::ElementData& data) : data_(&data) {
  data::ListHeader header = data::ReadListHeader(data, kAddonListHeaderPos);
  recordSize_ = header.recordSize;
  // The scan's own walk, told that nothing matches, visits every record it
  // could ever stop at, in list order.
  std::uint32_t k = 0;
  data::FindFirstRecord(data, kAddonRecordsPos, header.recordSize, header.recordCount,
                        kAddonReadExtent, [&](std::int64_t pos) {
                          firsts_.emplace_back(data.ReadInt32(pos), k++);
                          return false;
                        });
  // Sorting by (ID, record number) puts the first record of each ID first.
  std::sort(firsts_.begin(), firsts_.end());
  auto sameId = [](const auto& a, const auto& b) { return a.first == b.first; };
  firsts_.erase(std::unique(firsts_.begin(), firsts_.end(), sameId), firsts_.end());
  firsts_.shrink_to_fit();
}

std::optional<std::int64_t> AddonIndex::FirstRecord(std::int32_t addonId) const {
  auto it = std::lower_bound(firsts_.begin(), firsts_.end(), addonId,
                             [](const auto& entry, std::int32_t id) { return entry.first < id; });
  if (it == firsts_.end() || it->first != addonId) return std::nullopt;
  return data::OffsetAdd(kAddonRecordsPos, data::OffsetMul(it->second, recordSize_));
}

std::string AddonIndex::Describe(std::int32_t addonId) const {
  auto pos = FirstRecord(addonId);
  return pos ? DescribeAddonRecord(*data_, *pos) : std::string();
}

}  // namespace velkarin::addon

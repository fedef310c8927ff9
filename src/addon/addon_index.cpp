#include "addon_index.h"

#include "addon.h"
#include "data/lists.h"

namespace velkarin::addon {
namespace {

data::RecordIdIndex IndexOfAddonList(const data::ElementData& data) {
  data::ListHeader header = data::ReadListHeader(data, kAddonListHeaderPos);
  return data::RecordIdIndex(data, kAddonRecordsPos, header.recordSize, header.recordCount,
                             kAddonReadExtent, 0);
}

}  // namespace

AddonIndex::AddonIndex(const data::ElementData& data) : data_(&data), records_(IndexOfAddonList(data)) {}

std::optional<std::int64_t> AddonIndex::FirstRecord(std::int32_t addonId) const {
  return records_.FirstRecord(addonId);
}

std::string AddonIndex::Describe(std::int32_t addonId) const {
  auto pos = FirstRecord(addonId);
  return pos ? DescribeAddonRecord(*data_, *pos) : std::string();
}

}  // namespace velkarin::addon

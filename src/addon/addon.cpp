#include "addon.h"

#include "addon_index.h"
#include "data/lists.h"

namespace velkarin::addon {
namespace {

// The 4 bytes of a parameter; those beyond the end of the data read as zero.
RawParam ReadParam(const data::ElementData& data, std::int64_t pos) {
  auto value = static_cast<std::uint32_t>(data.ReadInt32(pos));
  RawParam param{};
  for (char& byte : param) {
    byte = static_cast<char>(value & 0xFF);
    value >>= 8;
  }
  return param;
}

}  // namespace

std::optional<std::int64_t> FindAddonRecord(const data::ElementData& data, std::int32_t addonId) {
  data::ListHeader header = data::ReadListHeader(data, kAddonListHeaderPos);
  return data::FindFirstRecord(
      data, kAddonRecordsPos, header.recordSize, header.recordCount, kAddonReadExtent,
      [&](std::int64_t pos) { return data.ReadInt32(pos) == addonId; });
}

std::string DescribeAddonRecord(const data::ElementData& data, std::int64_t pos) {
  return DescribeAddonType(data.ReadInt32(data::OffsetAdd(pos, kAddonTypeOffset)),
                           ReadParam(data, data::OffsetAdd(pos, kAddonParam1Offset)),
                           ReadParam(data, data::OffsetAdd(pos, kAddonParam2Offset)));
}

std::string DescribeAddon(const data::ElementData& data, std::int32_t addonId) {
  return data.Cached<AddonIndex>().Describe(addonId);
}

}  // namespace velkarin::addon

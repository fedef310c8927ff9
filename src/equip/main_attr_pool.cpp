#include "main_attr_pool.h"

#include "addon/number_text.h"
#include "data/codepage.h"
#include "data/lists.h"

namespace velkarin::equip {
namespace {

// Offsets inside a pool record.
constexpr std::int64_t kIdOffset = 0;
constexpr std::int64_t kNameOffset = 4;
constexpr std::int64_t kValuesOffset = 72;
constexpr int kValues = 4;
constexpr std::int64_t kRecordExtent = kValuesOffset + 4 * kValues;

}  // namespace

std::string LookupMainAttrPool(const data::ElementData& data, std::int32_t poolId) {
  auto header = data::LocateListByName(data, GBK("测试主属性随机库"), kNameOffset);
  if (!header) return {};
  data::ListHeader list = data::ReadListHeader(data, *header);
  auto record = data::FindFirstRecord(
      data, data::OffsetAdd(*header, data::kListHeaderBytes), list.recordSize, list.recordCount,
      kRecordExtent,
      [&](std::int64_t pos) { return data.ReadInt32(data::OffsetAdd(pos, kIdOffset)) == poolId; });
  if (!record) return {};
  std::string text;
  for (int k = 0; k < kValues; ++k) {
    text += addon::IntText(data.ReadInt32(data::OffsetAdd(*record, kValuesOffset + 4 * k)));
    text += '|';
  }
  return text;
}

}  // namespace velkarin::equip

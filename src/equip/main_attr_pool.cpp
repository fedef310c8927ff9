#include "main_attr_pool.h"

#include "addon/number_text.h"
#include "data/codepage.h"
#include "data/lists.h"
#include "data/named_lists.h"

namespace velkarin::equip {
namespace {

// Offsets inside a pool record.
constexpr std::int64_t kIdOffset = 0;
constexpr std::int64_t kValuesOffset = 72;
constexpr int kValues = 4;
constexpr std::int64_t kRecordExtent = kValuesOffset + 4 * kValues;

data::RecordIdIndex IndexOfPoolList(const data::ElementData& data) {
  auto list = data::NamedListRecords(data, data::NamedList::MainAttrPool);
  if (!list) return {};
  return data::RecordIdIndex(data, list->first, list->size, list->count,
                             kRecordExtent, kIdOffset);
}

}  // namespace

std::optional<std::int64_t> FindMainAttrPoolRecord(const data::ElementData& data, std::int32_t poolId) {
  auto list = data::NamedListRecords(data, data::NamedList::MainAttrPool);
  if (!list) return std::nullopt;
  return data::FindFirstRecord(
      data, list->first, list->size, list->count, kRecordExtent,
      [&](std::int64_t pos) { return data.ReadInt32(data::OffsetAdd(pos, kIdOffset)) == poolId; });
}

MainAttrPoolIndex::MainAttrPoolIndex(const data::ElementData& data) : records_(IndexOfPoolList(data)) {}

std::string LookupMainAttrPool(const data::ElementData& data, std::int32_t poolId) {
  auto record = data.Cached<MainAttrPoolIndex>().FirstRecord(poolId);
  if (!record) return {};
  std::string text;
  for (int k = 0; k < kValues; ++k) {
    text += addon::IntText(data.ReadInt32(data::OffsetAdd(*record, kValuesOffset + 4 * k)));
    text += '|';
  }
  return text;
}

}  // namespace velkarin::equip

#include "equip_record.h"

#include <algorithm>

#include "codepage.h"
#include "lists.h"
#include "named_lists.h"

namespace velkarin::data {
namespace {
constexpr size_t kPrefixBytes = 7;
}  // namespace

std::string EquipRecord::EquipName() const {
  return data_.ReadName(OffsetAdd(pos_, equip_field::kEquipName));
}

std::string EquipRecord::Subtitle() const {
  return data_.ReadText(OffsetAdd(pos_, equip_field::kSubtitle), equip_field::kSubtitleBytes);
}

std::int64_t EquipRecord::ProfessionMask() const {
  return data_.ReadInt64(OffsetAdd(pos_, equip_field::kProfessionMask));
}

float EquipRecord::AttackRange() const {
  return data_.ReadFloat(OffsetAdd(pos_, equip_field::kAttackRange));
}

EquipListLocation LocateEquipList(const ElementData& data) {
  EquipListLocation list;
  auto pos = LocateNamedList(data, NamedList::Equip);
  if (!pos) return list;
  list.pos = *pos;
  ListHeader header = ReadListHeader(data, list.pos);
  list.recordSize = header.recordSize;
  list.count = header.recordCount;
  list.outcome = header.recordSize == kEquipRecordSize ? EquipListOutcome::Found
                                                       : EquipListOutcome::WrongRecordSize;
  return list;
}

std::int64_t ListableRecordCount(const ElementData& data, const EquipListLocation& list) {
  if (list.count <= 0 || list.recordSize <= 0) return 0;
  std::int64_t room = data.Size() - (list.pos + kListHeaderBytes);
  return std::clamp<std::int64_t>(room / list.recordSize, 0, list.count);
}

ColourPrefixSplit SplitColourPrefix(std::string_view text) {
  if (text.empty() || text[0] != '^') return {std::nullopt, std::string(text)};
  std::string code(text.substr(1, kPrefixBytes - 1));
  std::string shown(text.size() > kPrefixBytes ? text.substr(kPrefixBytes) : std::string_view());
  return {std::move(code), std::move(shown)};
}

}  // namespace velkarin::data

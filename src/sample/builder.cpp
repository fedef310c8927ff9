#include "builder.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "addon/addon.h"
#include "data/codepage.h"
#include "data/equip_record.h"

namespace velkarin::sample {
namespace {

template <typename T>
void PutLittleEndian(std::string& bytes, std::int64_t offset, T value) {
  auto raw = std::bit_cast<std::array<unsigned char, sizeof(T)>>(value);
  if constexpr (std::endian::native == std::endian::big) std::reverse(raw.begin(), raw.end());
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    auto at = static_cast<std::size_t>(offset) + i;
    if (offset >= 0 && at < bytes.size()) bytes[at] = static_cast<char>(raw[i]);
  }
}

}  // namespace

Record& Record::Int32(std::int64_t offset, std::int32_t value) {
  PutLittleEndian(bytes_, offset, value);
  return *this;
}
Record& Record::Int64(std::int64_t offset, std::int64_t value) {
  PutLittleEndian(bytes_, offset, value);
  return *this;
}
Record& Record::Float(std::int64_t offset, float value) {
  PutLittleEndian(bytes_, offset, value);
  return *this;
}
Record& Record::Double(std::int64_t offset, double value) {
  PutLittleEndian(bytes_, offset, value);
  return *this;
}

Record& Record::Name(std::int64_t offset, std::string_view utf8, std::int64_t fieldBytes) {
  std::string field = Utf16Le(utf8);
  field.resize(static_cast<std::size_t>(fieldBytes), '\0');
  return Bytes(offset, field);
}

Record& Record::Bytes(std::int64_t offset, std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto at = static_cast<std::size_t>(offset) + i;
    if (offset >= 0 && at < bytes_.size()) bytes_[at] = bytes[i];
  }
  return *this;
}

FileBuilder::FileBuilder() : bytes_(12, '\0') { bytes_.replace(0, 4, "VELK"); }

FileBuilder& FileBuilder::List(std::int32_t recordSize, const std::vector<Record>& records) {
  Header(recordSize, static_cast<std::int32_t>(records.size()));
  for (const Record& r : records) bytes_ += r.Data();
  return *this;
}

FileBuilder& FileBuilder::Header(std::int32_t recordSize, std::int32_t recordCount) {
  Record header(8);
  header.Int32(0, recordSize).Int32(4, recordCount);
  bytes_ += header.Data();
  return *this;
}

FileBuilder& FileBuilder::Raw(std::string_view bytes) {
  bytes_ += bytes;
  return *this;
}

std::string Utf16Le(std::string_view utf8) {
  std::string out;
  for (char16_t u : data::Utf8ToUtf16(utf8)) {
    out.push_back(static_cast<char>(u & 0xFF));
    out.push_back(static_cast<char>(u >> 8));
  }
  return out;
}

std::array<char, 4> IntParam(std::int32_t value) {
  Record r(4);
  r.Int32(0, value);
  std::array<char, 4> out{};
  std::memcpy(out.data(), r.Data().data(), 4);
  return out;
}

std::array<char, 4> FloatParam(float value) { return IntParam(std::bit_cast<std::int32_t>(value)); }

Record AddonRecord(const AddonSpec& fields) {
  Record r(kAddonRecordSize);
  r.Int32(0, fields.id).Int32(addon::kAddonTypeOffset, fields.type);
  r.Bytes(addon::kAddonParam1Offset, std::string_view(fields.param1.data(), 4));
  r.Bytes(addon::kAddonParam2Offset, std::string_view(fields.param2.data(), 4));
  return r;
}

Record NamedRecord(std::int32_t id, std::string_view utf8Name) {
  Record r(kNamedRecordSize);
  r.Int32(0, id).Name(4, utf8Name);
  return r;
}

Record EquipRecord(const EquipSpec& s) {
  namespace f = data::equip_field;
  Record r(data::kEquipRecordSize);
  r.Int32(f::kEquipId, s.id).Int32(f::kList3Id, s.list3Id).Name(f::kEquipName, s.name);
  r.Int32(f::kMainAttrKind, s.mainAttrKind).Name(f::kSubtitle, s.subtitle, f::kSubtitleBytes);
  r.Int32(f::kRace, s.race).Int64(f::kProfessionMask, s.professionMask).Int32(f::kGender, s.gender);
  r.Int32(f::kLevelReq, s.levelReq).Int32(f::kRankReq, s.rankReq).Int32(f::kRealmReq, s.realmReq);
  r.Int32(f::kHp, s.hp).Int32(f::kMp, s.mp).Int32(f::kAttackMin, s.attackMin);
  r.Int32(f::kAttackMax, s.attackMax).Int32(f::kDefence, s.defence).Int32(f::kHit, s.hit);
  r.Int32(f::kDodge, s.dodge).Float(f::kAttackRange, s.attackRange).Int32(f::kPrice, s.price);
  for (int slot = 0; slot < f::kAddonSlots; ++slot) r.Int32(f::kAddonIds + 4 * slot, s.addonIds[slot]);
  r.Int32(f::kRefinable, s.refinable);
  for (int level = 1; level <= f::kRefineLevels; ++level) {
    r.Int32(f::kRefineBonusBase + 4 * level, s.refineBonus[level - 1]);
  }
  r.Int32(f::kSocketCount, s.socketCount).Int32(f::kMainAttrPoolId, s.mainAttrPoolId);
  r.Int32(f::kWashPoolId, s.washPoolId);
  return r;
}

Record MainAttrPoolRecord(const MainAttrPoolSpec& fields) {
  Record r(kMainAttrPoolRecordSize);
  r.Int32(0, fields.id).Name(4, fields.name);
  for (int i = 0; i < 4; ++i) r.Int32(72 + 4 * i, fields.values[i]);
  return r;
}

Record AddonPoolRecord(const AddonPoolSpec& fields) {
  Record r(kAddonPoolRecordSize);
  r.Int32(0, fields.id).Name(4, fields.name);
  for (int j = 0; j < 6; ++j) r.Float(68 + 4 * j, fields.countProbabilities[j]);
  for (std::size_t s = 0; s < fields.slots.size() && s < 64; ++s) {
    std::int64_t e = 104 + 24 * static_cast<std::int64_t>(s);
    const PoolEntrySpec& entry = fields.slots[s];
    r.Int32(e, entry.type).Double(e + 4, entry.first).Double(e + 12, entry.second);
    r.Float(e + 20, entry.probability);
  }
  return r;
}

Record SetRecord(const SetSpec& fields, std::int32_t recordSize) {
  Record r(static_cast<std::size_t>(recordSize));
  auto count = fields.memberCount >= 0 ? fields.memberCount : static_cast<std::int32_t>(fields.members.size());
  r.Int32(0, fields.id).Name(4, fields.name).Int32(68, count);
  for (std::size_t j = 0; j < fields.members.size(); ++j) {
    r.Int32(72 + 4 * static_cast<std::int64_t>(j), fields.members[j]);
  }
  for (std::size_t p = 0; p < fields.bonusAddonIds.size(); ++p) {
    r.Int32(128 + 4 * static_cast<std::int64_t>(p), fields.bonusAddonIds[p]);
  }
  return r;
}

}  // namespace velkarin::sample

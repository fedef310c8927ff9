// The 424-byte equipment record, its fields by name, and the equipment list
// that holds the records.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "element_data.h"

namespace velkarin::data {

inline constexpr std::int32_t kEquipRecordSize = 424;

// Byte offsets of the fields inside an equipment record.
namespace equip_field {
inline constexpr std::int64_t kEquipId = 0;
inline constexpr std::int64_t kList3Id = 8;
inline constexpr std::int64_t kEquipName = 12;        // 64 bytes, UTF-16LE
inline constexpr std::int64_t kMainAttrKind = 92;
inline constexpr std::int64_t kSubtitle = 132;        // 32 bytes, UTF-16LE
inline constexpr std::int64_t kSubtitleBytes = 32;
inline constexpr std::int64_t kRace = 168;
inline constexpr std::int64_t kProfessionMask = 172;  // int64
inline constexpr std::int64_t kGender = 180;
inline constexpr std::int64_t kLevelReq = 184;
inline constexpr std::int64_t kRankReq = 188;
inline constexpr std::int64_t kRealmReq = 192;
inline constexpr std::int64_t kHp = 196;
inline constexpr std::int64_t kMp = 200;
inline constexpr std::int64_t kAttackMin = 204;
inline constexpr std::int64_t kAttackMax = 208;
inline constexpr std::int64_t kDefence = 212;
inline constexpr std::int64_t kHit = 216;
inline constexpr std::int64_t kDodge = 220;
inline constexpr std::int64_t kAttackRange = 224;     // float32
inline constexpr std::int64_t kPrice = 228;
inline constexpr std::int64_t kAddonIds = 236;        // 5 x int32
inline constexpr int kAddonSlots = 5;
inline constexpr std::int64_t kRefinable = 276;
inline constexpr std::int64_t kRefineBonusBase = 276;  // level k (1..20) at base + 4k
inline constexpr int kRefineLevels = 20;
inline constexpr std::int64_t kSocketCount = 384;
inline constexpr std::int64_t kMainAttrPoolId = 408;
inline constexpr std::int64_t kWashPoolId = 412;
}  // namespace equip_field

// Values of MainAttrKind: which attribute refining and washing raise.
enum class MainAttr : std::int32_t { Attack = 1, Mp = 2, Defence = 4, Hp = 8 };

// A view of one equipment record inside ElementData, read field by field in
// place; a record cut by the end of the data reads its missing bytes as zero.
class EquipRecord {
 public:
  EquipRecord(const ElementData& data, std::int64_t pos) : data_(data), pos_(pos) {}

  std::int64_t Pos() const { return pos_; }
  std::int32_t EquipId() const { return Int(equip_field::kEquipId); }
  std::int32_t List3Id() const { return Int(equip_field::kList3Id); }
  std::string EquipName() const;
  std::int32_t MainAttrKind() const { return Int(equip_field::kMainAttrKind); }
  std::string Subtitle() const;
  std::int32_t Race() const { return Int(equip_field::kRace); }
  std::int64_t ProfessionMask() const;
  std::int32_t Gender() const { return Int(equip_field::kGender); }
  std::int32_t LevelReq() const { return Int(equip_field::kLevelReq); }
  std::int32_t RankReq() const { return Int(equip_field::kRankReq); }
  std::int32_t RealmReq() const { return Int(equip_field::kRealmReq); }
  std::int32_t Hp() const { return Int(equip_field::kHp); }
  std::int32_t Mp() const { return Int(equip_field::kMp); }
  std::int32_t AttackMin() const { return Int(equip_field::kAttackMin); }
  std::int32_t AttackMax() const { return Int(equip_field::kAttackMax); }
  std::int32_t Defence() const { return Int(equip_field::kDefence); }
  std::int32_t Hit() const { return Int(equip_field::kHit); }
  std::int32_t Dodge() const { return Int(equip_field::kDodge); }
  float AttackRange() const;
  std::int32_t Price() const { return Int(equip_field::kPrice); }
  // Slot 0..4; a value <= 0 is an empty slot.
  std::int32_t AddonId(int slot) const { return Int(equip_field::kAddonIds + 4 * slot); }
  std::int32_t Refinable() const { return Int(equip_field::kRefinable); }
  // Bonus of refine level 1..20.
  std::int32_t RefineBonus(int level) const { return Int(equip_field::kRefineBonusBase + 4 * level); }
  std::int32_t SocketCount() const { return Int(equip_field::kSocketCount); }
  std::int32_t MainAttrPoolId() const { return Int(equip_field::kMainAttrPoolId); }
  std::int32_t WashPoolId() const { return Int(equip_field::kWashPoolId); }

 private:
  std::int32_t Int(std::int64_t field) const { return data_.ReadInt32(OffsetAdd(pos_, field)); }

  const ElementData& data_;
  std::int64_t pos_;
};

// Where the equipment list stands, found by the name of its first record.
enum class EquipListOutcome { Found, NoMarker, WrongRecordSize };
struct EquipListLocation {
  EquipListOutcome outcome = EquipListOutcome::NoMarker;
  std::int64_t pos = 0;  // offset of the list header (meaningless without a marker)
  std::int32_t recordSize = 0;
  std::int32_t count = 0;
};
EquipListLocation LocateEquipList(const ElementData& data);

// The rows to list: the record count, bounded by the whole records that fit
// between the first record's position and the end of the data.
std::int64_t ListableRecordCount(const ElementData& data, const EquipListLocation& list);


// A name or subtitle may start with "^RRGGBB": the colour of the rest.
struct ColourPrefixSplit {
  std::optional<std::string> code;  // the six bytes after "^" (fewer when the text is short)
  std::string shown;                // the text without its first seven bytes
};
ColourPrefixSplit SplitColourPrefix(std::string_view text);

}  // namespace velkarin::data

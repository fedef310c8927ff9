// Addon descriptions: the one-line text of an addon (an attribute bonus),
// from its ID through the addon list (list 1) and the table of addon types.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "data/element_data.h"

namespace velkarin::addon {

// How a row of the addon type table turns its value into text.
enum class ValueText {
  IntText,  // P1 as int32, IntText(v)
  Percent,  // P1 as float32, FormatFixed(v * 100, decimals) + "%"
  Plain,    // P1 as float32, FormatFixed(v, 1)
  Tenths,   // P1 as int32, FormatFixed(v / 10, 1) + "%"
  Special,  // types 34, 35, 41 and 77: their own pieces, also reading P2
};

// One row of the addon type table. Texts are GBK. For the special rows the
// pieces are prefix, skill name or number, label, number, suffix, in the
// order each special type gives them.
struct AddonTypeRow {
  std::int32_t type = 0;
  ValueText valueText = ValueText::IntText;
  int decimals = 0;
  std::string label;   // ends in a space for every regular row
  std::string suffix;  // "%", "米/秒", "点伤害", ... or empty
  std::string prefix;  // only "降低" of type 35
  // Special rows: P1 is a skill ID, named by SkillName (34, 35, 41), rather
  // than a number (77). Their P2 is a float32 written with `decimals` places
  // when decimals > 0 (35), else an int32 written by IntText.
  bool skillFirst = false;
};

// The row of an addon type; nullptr for any type other than 1 to 83.
const AddonTypeRow* FindAddonTypeRow(std::int32_t type);

using RawParam = std::array<char, 4>;  // 4 raw little-endian bytes

// The description that the row of `type` builds from the two raw parameters;
// the empty text for a type without a row.
std::string DescribeAddonType(std::int32_t type, RawParam param1, RawParam param2);

// The description of the first addon of the addon list with this ID; the
// empty text when the list has none. The list is indexed once per loaded file
// (AddonIndex, cached with the data).
std::string DescribeAddon(const data::ElementData& data, std::int32_t addonId);

// The addon list is list 1: its header at offset 12, record k (from 0) at
// 20 + k x size. These are the bytes of a record that are read.
inline constexpr std::int64_t kAddonListHeaderPos = 12;
inline constexpr std::int64_t kAddonRecordsPos = 20;
inline constexpr std::int64_t kAddonTypeOffset = 68;
inline constexpr std::int64_t kAddonParam1Offset = 76;
inline constexpr std::int64_t kAddonParam2Offset = 80;
inline constexpr std::int64_t kAddonReadExtent = 84;

// Position of the first record of the addon list with this ID, found by the
// scan in list order; nothing when no record has it.
std::optional<std::int64_t> FindAddonRecord(const data::ElementData& data, std::int32_t addonId);

// The description of the addon record at `pos` (bytes past the end read as zero).
std::string DescribeAddonRecord(const data::ElementData& data, std::int64_t pos);

}  // namespace velkarin::addon

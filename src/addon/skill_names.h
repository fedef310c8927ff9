// The built-in table of skill names, indexed by skill ID 1 to 1557.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velkarin::addon {

inline constexpr std::int32_t kSkillCount = 1557;

// The GBK name of a skill; the empty text for an ID outside 1 to 1557.
std::string SkillName(std::int32_t skillId);

// Replaces the whole table with the names of a UTF-8 file, one name a line,
// 1557 lines in ID order. Returns the reason when the file is refused (it
// cannot be read, has another number of lines, or holds a name GBK cannot
// hold); the table is then unchanged.
std::optional<std::string> LoadSkillNames(const std::string& path);

}  // namespace velkarin::addon

#include "addon.h"

#include "number_text.h"
#include "skill_names.h"

namespace velkarin::addon {

// Placeholders until the addon descriptions land.
const AddonTypeRow* FindAddonTypeRow(std::int32_t) { return nullptr; }
std::string DescribeAddonType(std::int32_t, RawParam, RawParam) { return {}; }
std::string DescribeAddon(const data::ElementData&, std::int32_t) { return {}; }
std::string IntText(std::int64_t value) { return std::to_string(value); }
std::string FormatFixed(double, int) { return {}; }
std::string FormatGeneral(double) { return {}; }
std::string SkillName(std::int32_t) { return {}; }
std::optional<std::string> LoadSkillNames(const std::string&) { return "not yet"; }

}  // namespace velkarin::addon

#include <array>
#include <string>
#include <string_view>

#include "addon/addon.h"
#include "addon/skill_names.h"
#include "sample_lists.h"

namespace velkarin::sample {
namespace {

using addon::ValueText;

// Fractions whose percentages round delicately (0.005 lies just below a
// half, 0.0125 just above one) beside plain ones.
constexpr std::array<float, 10> kFractions = {0.01f, 0.02f,   0.03f, 0.05f, 0.08f,
                                              0.1f,  0.005f, 0.0125f, 0.025f, 0.15f};
// Speeds in metres per second; the float32 0.35 lies just below 0.35.
constexpr std::array<float, 7> kSpeeds = {0.2f, 0.35f, 0.5f, 0.8f, 1.0f, 1.2f, 1.5f};
// Skills with a known name, and IDs the table has no name for (0, 1124 is
// empty, beyond the last skill, negative).
constexpr std::array<std::int32_t, 8> kNamedSkills = {1, 2, 3, 32, 98, 238, 1204, 1557};
constexpr std::array<std::int32_t, 4> kUnnamedSkills = {0, 1124, addon::kSkillCount + 1, -1};

// Integer rows whose values stay small in the game (totem counts) or large (damage).
struct IntRange {
  std::int32_t type, lo, hi;
};
constexpr std::array<IntRange, 4> kIntRanges = {
    {{36, 30, 300}, {74, 1, 2}, {75, 1, 2}, {76, 1, 2}}};

std::int32_t IntValue(Random& random, std::int32_t type) {
  for (const IntRange& range : kIntRanges) {
    if (range.type == type) return random.Between(range.lo, range.hi);
  }
  return random.Between(1, 60) * 5;
}

// The k-th skill of a skill row: named, placeholder-named, unnamed, named.
std::int32_t SkillId(Random& random, std::int32_t k) {
  switch (k % 4) {
    case 0: return random.Pick(kNamedSkills);
    case 1: return random.Between(4, 1000);
    case 2: return random.Pick(kUnnamedSkills);
    default: return random.Pick(kNamedSkills);
  }
}

// The two parameters of a special row: a skill or a number, then a level, a
// cooldown in seconds (float) or a count.
void SpecialParams(Random& random, const addon::AddonTypeRow& row, std::int32_t k, AddonSpec& fields) {
  fields.param1 = IntParam(row.skillFirst ? SkillId(random, k) : random.Between(1, 3));
  fields.param2 = row.decimals > 0 ? FloatParam(static_cast<float>(random.Between(1, 10)) / 2.0f)
                                 : IntParam(random.Between(1, row.skillFirst ? 5 : 2));
}

AddonSpec Addon(Random& random, std::int32_t type, std::int32_t k) {
  const addon::AddonTypeRow& row = *addon::FindAddonTypeRow(type);
  AddonSpec fields;
  fields.id = type * 100 + k;
  fields.type = type;
  // A regular row never reads P2: fill it with noise that must not show.
  fields.param2 = IntParam(random.Between(-1000, 1000));
  switch (row.valueText) {
    case ValueText::IntText: fields.param1 = IntParam(IntValue(random, type)); break;
    case ValueText::Percent: fields.param1 = FloatParam(random.Pick(kFractions)); break;
    case ValueText::Plain: fields.param1 = FloatParam(random.Pick(kSpeeds)); break;
    case ValueText::Tenths: fields.param1 = IntParam(random.Between(5, 50)); break;
    case ValueText::Special: SpecialParams(random, row, k, fields); break;
  }
  return fields;
}

}  // namespace

std::vector<Record> AddonList(Random& random) {
  // A generator of its own, so that the rest of the sample does not shift
  // whenever the addons change.
  Random own(random.Next());
  std::vector<Record> records;
  for (std::int32_t type = 1; type <= kAddonTypes; ++type) {
    for (std::int32_t k = 0; k < kAddonsPerType; ++k) records.push_back(AddonRecord(Addon(own, type, k)));
  }
  return records;
}

std::int32_t SomeAddonId(Random& random) {
  // Mostly addons that exist, now and then one the list lacks.
  if (random.Chance(5)) return 99000 + random.Between(0, 99);
  return random.Between(1, kAddonTypes) * 100 + random.Between(0, kAddonsPerType - 1);
}

}  // namespace velkarin::sample

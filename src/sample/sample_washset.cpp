#include "sample_lists.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace velkarin::sample {
namespace {

// How a wash candidate's two values are drawn.
enum class Values { Count, Fraction, Speed, Tenths, SkillLevel, SkillCooldown, Totems };

struct CandidateKind {
  std::int32_t type;
  Values values;
};

// Candidates of every form the washing panel words: plain numbers,
// percentages, speeds, tenths of a percent, the skill and totem rows, and
// types that no addon row describes.
constexpr std::array<CandidateKind, 24> kCandidates = {{
    {1, Values::Count},      {2, Values::Count},      {3, Values::Count},     {4, Values::Count},
    {5, Values::Count},      {6, Values::Count},      {7, Values::Fraction},  {8, Values::Fraction},
    {15, Values::Fraction},  {17, Values::Fraction},  {18, Values::Fraction}, {25, Values::Speed},
    {36, Values::Count},     {37, Values::Speed},     {40, Values::Count},    {64, Values::Fraction},
    {78, Values::Tenths},    {79, Values::Tenths},    {34, Values::SkillLevel}, {35, Values::SkillCooldown},
    {41, Values::SkillLevel}, {77, Values::Totems},   {0, Values::Count},     {84, Values::Count},
}};

// Probabilities of 0 to 5 washed attributes; the last profile holds an
// exact tie of the six-digit rounding (1/512).
constexpr std::array<std::array<float, 6>, 5> kCountProfiles = {{
    {0.3f, 0.3f, 0.2f, 0.1f, 0.07f, 0.03f},
    {0.5f, 0.25f, 0.125f, 0.0625f, 0.03125f, 0.03125f},
    {0.1f, 0.2f, 0.3f, 0.2f, 0.15f, 0.05f},
    {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.6f, 0.3f, 0.09f, 0.008046875f, 0.001953125f, 0.0f},
}};

constexpr std::int32_t kSkills = 1557;

// The high and the low end of a candidate (first and second value), now and
// then the same; for the skill and totem rows the two values of the row.
PoolEntrySpec Candidate(Random& random, const CandidateKind& kind) {
  double high = 0;
  double low = 0;
  bool range = true;
  switch (kind.values) {
    case Values::Count:
      low = random.Between(1, 100);
      high = low + random.Between(0, 200);
      break;
    case Values::Fraction:
      low = random.Between(1, 10) / 100.0;
      high = low + random.Between(0, 10) / 100.0;
      break;
    case Values::Speed:
      low = random.Between(1, 5) / 10.0;
      high = low + random.Between(0, 5) / 10.0;
      break;
    case Values::Tenths:
      low = random.Between(5, 30);
      high = low + random.Between(0, 30);
      break;
    case Values::SkillLevel:  // a skill and a level
      high = random.Between(1, kSkills);
      low = random.Between(1, 9);
      range = false;
      break;
    case Values::SkillCooldown:  // a skill and seconds
      high = random.Between(1, kSkills);
      low = random.Between(5, 30) / 10.0;
      range = false;
      break;
    case Values::Totems:
      high = random.Between(1, 3);
      low = random.Between(1, 3);
      range = false;
      break;
  }
  if (range && random.Chance(25)) low = high;
  return {kind.type, high, low, static_cast<float>(random.Between(0, 40)) / 100.0f};
}

constexpr std::array<std::string_view, 7> kSetNames = {"^ffdc50龙腾", "^6cfb4b青云", "逍遥",  "^ff0000烈阳",
                                                       "寒霜",        "天工",        "^5e1eff天|地"};
constexpr std::int32_t kMembersAtMost = 8;

}  // namespace

std::vector<Record> AddonPoolList(Random& random) {
  std::vector<Record> records;
  for (std::int32_t id = 1; id <= kWashPools; ++id) {
    AddonPoolSpec fields;
    fields.id = id;
    fields.name = id == 1 ? std::string(kAddonPoolMarker) : "附加属性随机库" + std::to_string(id);
    fields.countProbabilities = kCountProfiles[static_cast<size_t>(id) % kCountProfiles.size()];
    // Pool 2 has no candidates; the others walk through the kinds, with
    // empty slots here and there.
    std::int32_t candidates = id == 2 ? 0 : 2 + id % 10;
    for (std::int32_t s = 0; s < candidates; ++s) {
      if (random.Chance(15)) fields.slots.push_back({});
      const CandidateKind& kind = kCandidates[static_cast<size_t>(id * 5 + s) % kCandidates.size()];
      fields.slots.push_back(Candidate(random, kind));
    }
    records.push_back(AddonPoolRecord(fields));
  }
  return records;
}

std::vector<Record> SetList(Random& random, std::int32_t items) {
  std::vector<Record> records;
  std::int32_t sets = std::max(kMembersAtMost, items / 20);
  for (std::int32_t k = 0; k < sets; ++k) {
    SetSpec fields;
    fields.id = 500 + k;
    fields.name = k == 0 ? std::string(kSetMarker) : std::string(random.Pick(kSetNames)) + "套装" + std::to_string(k);
    // Every size from 1 to 8 pieces; now and then a piece that the
    // equipment list lacks, or a bonus that the addon list lacks.
    std::int32_t pieces = 1 + k % kMembersAtMost;
    for (std::int32_t p = 0; p < pieces; ++p) fields.members.push_back(kFirstEquipId + random.Between(0, items - 1));
    if (k % 4 == 2) fields.members.back() = kFirstEquipId + items + k;
    for (std::int32_t p = 2; p <= pieces; ++p) fields.bonusAddonIds.push_back(SomeAddonId(random));
    if (k % 7 == 5 && !fields.bonusAddonIds.empty()) fields.bonusAddonIds.front() = 99000 + k % 100;
    records.push_back(SetRecord(fields));
  }
  return records;
}

}  // namespace velkarin::sample

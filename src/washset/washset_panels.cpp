#include "washset_panels.h"

#include <charconv>
#include <unordered_map>

#include "addon/number_text.h"
#include "data/codepage.h"
#include "data/equip_record.h"
#include "set_lookup.h"
#include "wash_pool.h"

namespace velkarin::washset {
namespace {

// A count probability read back from its six-digit text to the nearest
// float, as the panel has always shown it.
double CountProbability(const std::string& text) {
  float value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string CountLine(int count, const std::string& text) {
  return std::to_string(count) + GBK("属性出现概率：") + addon::FormatFixed(CountProbability(text) * 100, 1) + "%";
}

app::PanelLine SetNameLine(const SetInfo& set) {
  std::string count = "(0/" + addon::IntText(set.memberCount) + ")";
  if (!set.name.empty() && set.name[0] == '^') {
    data::ColourPrefixSplit split = data::SplitColourPrefix(set.name);
    return {app::ColourFromCode(split.code.value_or("")), split.shown + count};
  }
  return {app::colour::kGrey, set.name + count};
}

// The index of the first listed item of each member ID, found in one pass
// over the list (a set may claim any number of members).
std::unordered_map<std::int32_t, size_t> FirstListedIndex(const std::vector<std::int32_t>& members,
                                                         std::span<const std::int32_t> equipIds) {
  std::unordered_map<std::int32_t, size_t> wanted;
  for (std::int32_t id : members) wanted.emplace(id, equipIds.size());
  size_t found = 0;
  for (size_t k = 0; k < equipIds.size() && found < wanted.size(); ++k) {
    auto it = wanted.find(equipIds[k]);
    if (it != wanted.end() && it->second == equipIds.size()) {
      it->second = k;
      ++found;
    }
  }
  return wanted;
}

}  // namespace

app::PanelLines RenderWashPanel(const data::ElementData& data, std::int64_t recordPos) {
  std::int32_t poolId = data::EquipRecord(data, recordPos).WashPoolId();
  if (poolId <= 0) return {};
  auto pool = LookupAddonPool(data, poolId);
  if (!pool) return {};
  app::PanelLines lines;
  for (int n = 0; n < kWashCounts; ++n) lines.push_back({app::colour::kWhite, CountLine(n, pool->countTexts[n])});
  for (std::string& candidate : pool->candidates) lines.push_back({app::colour::kBlue, std::move(candidate)});
  return lines;
}

app::PanelLines RenderSetPanel(const data::ElementData& data, std::int64_t recordPos,
                               std::span<const std::int32_t> equipIds,
                               std::span<const std::string> equipNames) {
  auto set = LookupSet(data, data::EquipRecord(data, recordPos).EquipId());
  if (!set) return {};
  app::PanelLines lines{{app::colour::kGrey, GBK("套装属性")}};
  for (size_t i = 0; i < set->bonuses.size(); ++i) {
    std::string line = "(";  // appended piece by piece: g++ 12 -O3 warns falsely on "(" + string
    line += std::to_string(i + 2);
    line += ')';
    line += set->bonuses[i];
    lines.push_back({app::colour::kGrey, std::move(line)});
  }
  lines.push_back(SetNameLine(*set));
  auto listed = FirstListedIndex(set->members, equipIds);
  for (std::int32_t id : set->members) {
    size_t k = listed[id];
    if (k < equipNames.size() && k < equipIds.size()) lines.push_back({app::colour::kGrey, "    " + equipNames[k]});
  }
  return lines;
}

}  // namespace velkarin::washset

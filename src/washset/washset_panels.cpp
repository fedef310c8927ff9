#include "washset_panels.h"

#include <algorithm>
#include <charconv>

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

FirstRowIndex::FirstRowIndex(std::span<const std::int32_t> equipIds) {
  firsts_.reserve(equipIds.size());
  for (std::size_t row = 0; row < equipIds.size(); ++row) {
    firsts_.emplace_back(equipIds[row], static_cast<std::uint32_t>(row));
  }
  // Sorting by (ID, row) puts the first row of each ID first.
  std::sort(firsts_.begin(), firsts_.end());
  auto sameId = [](const auto& a, const auto& b) { return a.first == b.first; };
  firsts_.erase(std::unique(firsts_.begin(), firsts_.end(), sameId), firsts_.end());
}

std::optional<std::size_t> FirstRowIndex::FirstRow(std::int32_t equipId) const {
  auto it = std::lower_bound(firsts_.begin(), firsts_.end(), equipId,
                             [](const auto& entry, std::int32_t id) { return entry.first < id; });
  if (it == firsts_.end() || it->first != equipId) return std::nullopt;
  return it->second;
}

app::PanelLines RenderSetPanel(const data::ElementData& data, std::int64_t recordPos,
                               std::span<const std::int32_t> equipIds,
                               std::span<const std::string> equipNames, const FirstRowIndex& rows) {
  auto set = LookupSet(data, data::EquipRecord(data, recordPos).EquipId());
  if (!set) return {};
  app::PanelLines lines{{app::colour::kGrey, GBK("套装属性")}};
  for (size_t i = 0; i < set->bonuses.size(); ++i) {
    std::string text = "(";
    text += std::to_string(i + 2);
    text += ")";
    text += set->bonuses[i];
    lines.push_back({app::colour::kGrey, std::move(text)});
  }
  lines.push_back(SetNameLine(*set));
  for (std::int32_t id : set->members) {
    auto row = rows.FirstRow(id);
    if (row && *row < equipNames.size() && *row < equipIds.size()) {
      lines.push_back({app::colour::kGrey, "    " + equipNames[*row]});
    }
  }
  return lines;
}

app::PanelLines RenderSetPanel(const data::ElementData& data, std::int64_t recordPos,
                               std::span<const std::int32_t> equipIds,
                               std::span<const std::string> equipNames) {
  return RenderSetPanel(data, recordPos, equipIds, equipNames, FirstRowIndex(equipIds));
}

}  // namespace velkarin::washset

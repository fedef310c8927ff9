#include "named_lists.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "codepage.h"
#include "equip_record.h"
#include "find_bytes.h"
#include "lists.h"

namespace velkarin::data {
namespace {

struct NamedListSpec {
  NamedList list;
  std::string_view name;   // UTF-8
  bool withTerminatorByte; // the low byte of the name's terminating zero is part of the marker
  std::int64_t nameOffset; // where the name lies in the first record
};

constexpr std::array<NamedListSpec, 4> kNamedLists = {{
    {NamedList::Equip, "菜鸟布衣(男)", false, equip_field::kEquipName},
    {NamedList::MainAttrPool, "测试主属性随机库", false, 4},
    {NamedList::AddonPool, "测试附加属性随机库", false, 4},
    {NamedList::Set, "测试套装", true, 4},
}};

std::string MarkerPattern(const NamedListSpec& entry) {
  std::string pattern = ToWideBytes(Utf8ToGbk(entry.name));
  if (entry.withTerminatorByte) pattern.push_back('\0');
  return pattern;
}

// The first occurrence of each pattern. Patterns that begin alike are found
// in one pass over the occurrences of their common beginning: the first
// occurrence of a pattern is the first of those at which it stands whole.
std::array<std::optional<std::int64_t>, kNamedLists.size()> FindFirstOfEach(
    std::string_view hay, const std::array<std::string, kNamedLists.size()>& patterns) {
  std::array<std::optional<std::int64_t>, kNamedLists.size()> found{};
  std::array<bool, kNamedLists.size()> done{};
  for (size_t i = 0; i < patterns.size(); ++i) {
    if (done[i]) continue;
    std::string_view prefix = patterns[i];
    std::vector<size_t> group;
    for (size_t j = i; j < patterns.size(); ++j) {
      std::string_view other = patterns[j];
      size_t common = 0;
      while (common < prefix.size() && common < other.size() && prefix[common] == other[common]) ++common;
      if (j == i || common >= 4) {
        prefix = prefix.substr(0, j == i ? prefix.size() : common);
        group.push_back(j);
        done[j] = true;
      }
    }
    size_t open = group.size();
    for (std::int64_t from = 0; open > 0;) {
      auto hit = FindFirst(hay.substr(static_cast<size_t>(from)), prefix);
      if (!hit) break;
      std::int64_t at = from + *hit;
      for (size_t j : group) {
        if (!found[j] && hay.substr(static_cast<size_t>(at)).starts_with(patterns[j])) {
          found[j] = at;
          --open;
        }
      }
      from = at + 1;
    }
  }
  return found;
}

// The headers of all named lists, found once per loaded file.
struct NamedListHeaders {
  explicit NamedListHeaders(const ElementData& data) {
    std::array<std::string, kNamedLists.size()> patterns;
    for (size_t i = 0; i < kNamedLists.size(); ++i) patterns[i] = MarkerPattern(kNamedLists[i]);
    auto markers = FindFirstOfEach(data.Bytes(), patterns);
    for (size_t i = 0; i < kNamedLists.size(); ++i) {
      if (markers[i]) headers[i] = *markers[i] - kNamedLists[i].nameOffset - kListHeaderBytes;
    }
  }
  std::array<std::optional<std::int64_t>, kNamedLists.size()> headers{};
};

}  // namespace

std::optional<std::int64_t> LocateNamedList(const ElementData& data, NamedList list) {
  return data.Cached<NamedListHeaders>().headers[static_cast<size_t>(list)];
}

std::optional<ListRecords> NamedListRecords(const ElementData& data, NamedList list) {
  auto header = LocateNamedList(data, list);
  if (!header) return std::nullopt;
  ListHeader h = ReadListHeader(data, *header);
  return ListRecords{OffsetAdd(*header, kListHeaderBytes), h.recordSize, h.recordCount};
}

}  // namespace velkarin::data

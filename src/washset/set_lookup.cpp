#include "set_lookup.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>

#include "addon/addon.h"
#include "data/codepage.h"
#include "data/lists.h"
#include "data/named_lists.h"

namespace velkarin::washset {
namespace {

// Offsets inside a set record: member j (from 1) at kMemberCount + 4j, the
// bonus for p pieces (from 2) at kBonusBase + 4(p - 1).
constexpr std::int64_t kName = 4;
constexpr std::int64_t kMemberCount = 68;
constexpr std::int64_t kFirstMember = kMemberCount + 4;
constexpr std::int64_t kBonusBase = 124;
constexpr std::int64_t kSlotBytes = 4;

// The first record's name, with the low byte of its terminating zero.

std::int64_t FloorMod4(std::int64_t x) { return ((x % 4) + 4) % 4; }

// The IDs that the member slots of records hold. A slot before the data
// reads the int32 at offset 0, one past its end reads 0, and the slots inside
// it are read, each at most once over all the records visited: the stretches
// of slots already seen are remembered, per position modulo 4, so that the
// overlapping member lists of many records (or one huge member count after
// another) cost no more than the data they cover. A slot seen before holds an
// ID that an earlier record already offered.
class MemberSlots {
 public:
  explicit MemberSlots(const data::ElementData& data) : data_(data), atOffsetZero_(data.ReadInt32(0)) {}

  // Offers visit(id) the IDs of the record's slots not seen before; stops,
  // returning true, as soon as visit returns true.
  template <typename Visit>
  bool Offer(std::int64_t record, Visit&& visit) {
    std::int32_t n = data_.ReadInt32(data::OffsetAdd(record, kMemberCount));
    if (n <= 0) return false;
    std::int64_t first = data::OffsetAdd(record, kFirstMember);
    std::int64_t last = data::OffsetAdd(data::OffsetAdd(record, kMemberCount), kSlotBytes * n);
    if (first < 0 && visit(atOffsetZero_)) return true;
    if (last >= data_.Size() && visit(0)) return true;
    // The slots that start inside the data, as indices of their residue class.
    std::int64_t residue = FloorMod4(first);
    std::int64_t lowest = std::max<std::int64_t>(first, residue);
    std::int64_t highest = std::min(last, data_.Size() - 1);
    if (lowest > highest) return false;
    return OfferStretch(residue, (lowest - residue) / 4, (highest - residue) / 4, visit);
  }

 private:
  using Stretches = std::map<std::int64_t, std::int64_t>;  // first index -> last index

  template <typename Visit>
  bool OfferStretch(std::int64_t residue, std::int64_t from, std::int64_t to, Visit& visit) {
    Stretches& seen = seen_[static_cast<size_t>(residue)];
    auto next = seen.upper_bound(from);
    std::int64_t i = from;
    if (next != seen.begin() && std::prev(next)->second >= from) i = std::prev(next)->second + 1;
    while (i <= to) {
      std::int64_t gapEnd = next == seen.end() ? to : std::min(to, next->first - 1);
      for (; i <= gapEnd; ++i) {
        if (visit(data_.ReadInt32(residue + 4 * i))) return true;
      }
      if (next == seen.end()) break;
      i = std::max(i, next->second + 1);
      ++next;
    }
    Remember(seen, from, to);
    return false;
  }

  static void Remember(Stretches& seen, std::int64_t from, std::int64_t to) {
    auto it = seen.upper_bound(from);
    if (it != seen.begin() && std::prev(it)->second + 1 >= from) --it;
    while (it != seen.end() && it->first <= to + 1) {
      from = std::min(from, it->first);
      to = std::max(to, it->second);
      it = seen.erase(it);
    }
    seen.emplace(from, to);
  }

  const data::ElementData& data_;
  std::int32_t atOffsetZero_;
  std::array<Stretches, 4> seen_;
};

// How many records of the list can hold a member at all. Walking backwards
// (a negative record size), a record whose first member slot lies before the
// data reads its count at offset 0 too, so all such records share the count
// and differ only in how far their slots reach into the data, which shrinks
// with every step back; once one of them fails for a position modulo 4, all
// later ones of that residue fail as well, and four steps visit every
// residue the walk can reach.
std::int64_t RecordsWorthVisiting(std::int64_t first, std::int32_t size, std::int32_t count) {
  if (size >= 0) return count;
  std::int64_t firstBeforeData = (first + kFirstMember) / -std::int64_t{size} + 1;
  return std::min<std::int64_t>(count, firstBeforeData + 4);
}

// The bonus descriptions of a record, which may repeat the same addon many
// times over: each ID is described once.
class BonusDescriber {
 public:
  explicit BonusDescriber(const data::ElementData& data) : data_(data) {}
  const std::string& Describe(std::int32_t addonId) {
    auto [it, added] = known_.try_emplace(addonId);
    if (added) it->second = addon::DescribeAddon(data_, addonId);
    return it->second;
  }

 private:
  const data::ElementData& data_;
  std::unordered_map<std::int32_t, std::string> known_;
};

// The walk over the set list, as the search for an item's set makes it.
struct SetList {
  std::int64_t first = 0;
  std::int32_t size = 0;
  std::int64_t records = 0;  // the records worth visiting
  std::int64_t extent = 0;
};

std::optional<SetList> LocateSetList(const data::ElementData& data) {
  auto list = data::NamedListRecords(data, data::NamedList::Set);
  if (!list) return std::nullopt;
  // Records lying wholly before the data all read their count and members at
  // offset 0, and so look the same.
  std::int64_t extent = kFirstMember + kSlotBytes * std::max(0, data.ReadInt32(0));
  return SetList{list->first, list->size, RecordsWorthVisiting(list->first, list->size, list->count), extent};
}

bool StartsInside(const data::ElementData& data, std::int64_t pos) { return pos >= 0 && pos < data.Size(); }

SetInfo ReadSet(const data::ElementData& data, std::int64_t record) {
  SetInfo set;
  set.name = data.ReadName(data::OffsetAdd(record, kName));
  set.memberCount = data.ReadInt32(data::OffsetAdd(record, kMemberCount));
  for (std::int64_t j = 1; j <= set.memberCount; ++j) {
    std::int64_t slot = data::OffsetAdd(record, kMemberCount + kSlotBytes * j);
    if (!StartsInside(data, slot)) break;
    set.members.push_back(data.ReadInt32(slot));
  }
  BonusDescriber describer(data);
  for (std::int64_t p = 2; p <= set.memberCount; ++p) {
    std::int64_t slot = data::OffsetAdd(record, kBonusBase + kSlotBytes * (p - 1));
    if (!StartsInside(data, slot)) break;
    set.bonuses.push_back(describer.Describe(data.ReadInt32(slot)));
  }
  return set;
}

}  // namespace

std::optional<std::int64_t> FindSetRecord(const data::ElementData& data, std::int32_t equipId) {
  auto list = LocateSetList(data);
  if (!list) return std::nullopt;
  MemberSlots slots(data);
  return data::FindFirstRecord(data, list->first, list->size, list->records, list->extent, [&](std::int64_t pos) {
    return slots.Offer(pos, [&](std::int32_t id) { return id == equipId; });
  });
}

SetIndex::SetIndex(const data::ElementData& data) {
  auto list = LocateSetList(data);
  if (!list) return;
  MemberSlots slots(data);
  records_ = data::RecordIdIndex::Build(data, list->first, list->size, list->records, list->extent,
                                        [&](std::int64_t pos, auto&& add) {
                                          slots.Offer(pos, [&](std::int32_t id) {
                                            add(id);
                                            return false;
                                          });
                                        });
}

std::optional<SetInfo> LookupSet(const data::ElementData& data, std::int32_t equipId) {
  auto record = data.Cached<SetIndex>().FirstRecord(equipId);
  if (!record) return std::nullopt;
  return ReadSet(data, *record);
}

}  // namespace velkarin::washset

// The list structure of the element data file: a 12-byte file header, then
// lists of fixed-size records one after another, each behind an 8-byte
// header (int32 record size, int32 record count). Lists are numbered from 1.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "element_data.h"

namespace velkarin::data {

inline constexpr std::int64_t kFirstListPos = 12;
inline constexpr std::int64_t kListHeaderBytes = 8;

struct ListHeader {
  std::int32_t recordSize = 0;
  std::int32_t recordCount = 0;
};

ListHeader ReadListHeader(const ElementData& data, std::int64_t headerPos);

// Position of the header of list `listNumber` (list 1 for any number <= 1),
// walking the headers from list 1.
std::int64_t ListHeaderPos(const ElementData& data, std::int32_t listNumber);

// Name (64-byte field at offset 4) of the first record with this ID (int32 at
// offset 0) in list `listNumber`; the empty text when the list has none.
std::string ListRecordName(const ElementData& data, std::int32_t listNumber, std::int32_t id);

// Header position of the list found by the name of its first record, by a
// plain search: the first occurrence of `pattern` is taken as that record's
// name field, which lies `nameOffset` bytes into the record. The viewer
// locates its lists through LocateNamedList (named_lists.h), which answers
// the same from one search for all of them.
std::optional<std::int64_t> LocateListByPattern(const ElementData& data, std::string_view pattern,
                                                std::int64_t nameOffset);

// The last record index from k on whose position stays outside the data on
// the side it is on: at or beyond `bound` for the records past the end,
// at or below `bound` for those before the start.
std::int64_t LastRecordOutside(std::int64_t first, std::int64_t size, std::int64_t k,
                               std::int64_t bound, bool beyondEnd);

// The first of `count` records of `size` bytes, from `first` on, for which
// `matches(position)` holds, exactly as a loop over every record would find
// it, in time bounded by the size of the data. A record wholly outside the
// data reads the same as its neighbours on that side (zeros past the end;
// before the start every read sees offset 0), so such records are tried
// once: walking away from the data the loop stops, walking towards it the
// loop jumps to the first record that reaches into it. `extent` bounds how
// far beyond a record's start `matches` reads.
template <typename Matches>
std::optional<std::int64_t> FindFirstRecord(const ElementData& data, std::int64_t first,
                                            std::int64_t size, std::int64_t count,
                                            std::int64_t extent, Matches&& matches) {
  for (std::int64_t k = 0; k < count; ++k) {
    std::int64_t pos = OffsetAdd(first, OffsetMul(k, size));
    if (matches(pos)) return pos;
    if (size == 0 || data.Empty()) return std::nullopt;  // every record reads as this one
    bool beyondEnd = pos >= data.Size();
    bool beforeStart = OffsetAdd(pos, extent) <= 0;
    if (!beyondEnd && !beforeStart) continue;
    bool walkingAway = (beyondEnd && size > 0) || (beforeStart && size < 0);
    if (walkingAway) return std::nullopt;
    k = LastRecordOutside(first, size, k, beyondEnd ? data.Size() : -extent, beyondEnd);
  }
  return std::nullopt;
}

}  // namespace velkarin::data

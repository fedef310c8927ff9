#include "lists.h"

#include <cstdint>

#include "codepage.h"

namespace velkarin::data {
namespace {
constexpr std::int64_t kIdOffset = 0;
constexpr std::int64_t kNameOffset = 4;
}  // namespace

__extension__ typedef __int128 Int128;  // exact products of two int64 offsets

std::int64_t LastRecordOutside(std::int64_t first, std::int64_t size, std::int64_t k,
                               std::int64_t bound, bool beyondEnd) {
  // Past the end the walk goes backwards (size < 0): first + j * size >= bound.
  // Before the start it goes forwards (size > 0): first + j * size <= bound.
  Int128 gap = beyondEnd ? Int128{first} - bound : Int128{bound} - first;
  Int128 step = beyondEnd ? -Int128{size} : Int128{size};
  Int128 last = gap / step;
  return last < k ? k : last > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(last);
}

ListHeader ReadListHeader(const ElementData& data, std::int64_t headerPos) {
  return {data.ReadInt32(headerPos), data.ReadInt32(OffsetAdd(headerPos, 4))};
}

std::int64_t ListHeaderPos(const ElementData& data, std::int32_t listNumber) {
  std::int64_t q = kFirstListPos;
  for (std::int32_t n = 1; n < listNumber; ++n) {
    if (q >= data.Size()) {
      // Every header from here on reads as size 0, count 0: 8 bytes a list.
      return OffsetAdd(q, OffsetMul(listNumber - n, kListHeaderBytes));
    }
    ListHeader h = ReadListHeader(data, q);
    q = OffsetAdd(OffsetAdd(q, kListHeaderBytes), OffsetMul(h.recordSize, h.recordCount));
  }
  return q;
}

std::string ListRecordName(const ElementData& data, std::int32_t listNumber, std::int32_t id) {
  std::int64_t headerPos = ListHeaderPos(data, listNumber);
  ListHeader h = ReadListHeader(data, headerPos);
  auto record = FindFirstRecord(
      data, OffsetAdd(headerPos, kListHeaderBytes), h.recordSize, h.recordCount,
      kNameOffset + kNameFieldBytes,
      [&](std::int64_t pos) { return data.ReadInt32(OffsetAdd(pos, kIdOffset)) == id; });
  return record ? data.ReadName(OffsetAdd(*record, kNameOffset)) : std::string();
}

std::optional<std::int64_t> LocateListByPattern(const ElementData& data, std::string_view pattern,
                                                std::int64_t nameOffset) {
  auto found = data.FindBytes(pattern);
  if (!found) return std::nullopt;
  return *found - nameOffset - kListHeaderBytes;
}


}  // namespace velkarin::data

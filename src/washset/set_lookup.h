// The sets: records that list the items of a set and the addon granted for
// each number of its pieces worn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/element_data.h"
#include "data/record_index.h"

namespace velkarin::washset {

// A set record as the set panel shows it. A record that claims more members
// than it holds gives only the members and bonuses whose slots start inside
// the data.
struct SetInfo {
  std::string name;             // GBK, as stored (colour prefix included)
  std::int32_t memberCount = 0;  // as stored
  std::vector<std::int32_t> members;  // member IDs in record order
  std::vector<std::string> bonuses;   // descriptions for 2, 3, ... pieces
};

// Position of the first set record in list order that has the item among its
// members, exactly as a walk over every record and every member slot would
// find it; nothing when none has it or the file has no set list.
std::optional<std::int64_t> FindSetRecord(const data::ElementData& data, std::int32_t equipId);

// The same answers for every item from one search for the list and one walk
// over its records and member slots per loaded file.
class SetIndex {
 public:
  explicit SetIndex(const data::ElementData& data);
  std::optional<std::int64_t> FirstRecord(std::int32_t equipId) const { return records_.FirstRecord(equipId); }

 private:
  data::RecordIdIndex records_;
};

// The set of the item: the record FindSetRecord finds, read. It is found
// through the SetIndex cached with the data.
std::optional<SetInfo> LookupSet(const data::ElementData& data, std::int32_t equipId);

}  // namespace velkarin::washset

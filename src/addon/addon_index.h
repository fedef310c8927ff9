// An index of the addon list, built once from a loaded file, that finds the
// same record as the scan in list order without walking the list each time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/element_data.h"
#include "data/record_index.h"

namespace velkarin::addon {

class AddonIndex {
 public:
  // Visits the records the scan would visit, once; time and memory grow with
  // the number of those records, which the size of the data bounds. The data
  // must outlive the index.
  explicit AddonIndex(const data::ElementData& data);

  // Position of the first record with this ID, as FindAddonRecord gives it.
  std::optional<std::int64_t> FirstRecord(std::int32_t addonId) const;
  // The description of that record, as DescribeAddon gives it.
  std::string Describe(std::int32_t addonId) const;

 private:
  const data::ElementData* data_;
  data::RecordIdIndex records_;
};

}  // namespace velkarin::addon

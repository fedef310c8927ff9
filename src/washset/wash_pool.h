// The washable-attribute pools: the records that say how many attributes a
// wash rolls onto an item and which candidates it draws them from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/element_data.h"
#include "data/record_index.h"

namespace velkarin::washset {

inline constexpr int kWashCounts = 6;  // 0 to 5 washed attributes

// A pool record as the washing panel shows it (texts are GBK).
struct AddonPool {
  // The probabilities of 0 to 5 attributes, each in six significant digits.
  std::array<std::string, kWashCounts> countTexts;
  // One line per non-empty candidate slot, in slot order: the range
  // description, " 出现概率", the probability in percent and "%".
  std::vector<std::string> candidates;
};

// Position of the first pool record in list order with this pool ID, found
// by a search for the list and a walk over its records; nothing when no
// record carries it or the file has no pool list.
std::optional<std::int64_t> FindAddonPoolRecord(const data::ElementData& data, std::int32_t poolId);

// The same answers from one search and one walk per loaded file.
class AddonPoolIndex {
 public:
  explicit AddonPoolIndex(const data::ElementData& data);
  std::optional<std::int64_t> FirstRecord(std::int32_t poolId) const { return records_.FirstRecord(poolId); }

 private:
  data::RecordIdIndex records_;
};

// The first pool record in list order with this pool ID, read; nothing when
// no record carries it or the file has no pool list. The record is found
// through the AddonPoolIndex cached with the data.
std::optional<AddonPool> LookupAddonPool(const data::ElementData& data, std::int32_t poolId);

// A float in at most six significant digits, rounded half away from zero
// from its exact value, in the shortest general notation ("%.6g" without its
// ties to even); inf, -inf and nan as such.
std::string SixDigitText(float value);

}  // namespace velkarin::washset

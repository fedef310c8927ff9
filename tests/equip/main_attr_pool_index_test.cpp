// The pool index cached with the data against the plain search and walk.
#include <gtest/gtest.h>

#include <set>

#include "equip/main_attr_pool.h"
#include "fixtures.h"
#include "sample/hostile.h"
#include "sample/sample.h"

namespace velkarin::equip {
namespace {

// Every int32 the file holds at any offset, and a few it may not.
std::set<std::int32_t> ProbeIds(const data::ElementData& data) {
  std::set<std::int32_t> ids = {0, -1, 1, 2147483647, -2147483647 - 1};
  for (std::int64_t pos = 0; pos < data.Size(); ++pos) ids.insert(data.ReadInt32(pos));
  return ids;
}

void ExpectSameAsScan(const data::ElementData& data, const std::string& what) {
  MainAttrPoolIndex index(data);
  for (std::int32_t id : ProbeIds(data)) {
    auto scanned = FindMainAttrPoolRecord(data, id);
    ASSERT_EQ(index.FirstRecord(id), scanned) << what << ", ID " << id;
    ASSERT_EQ(data.Cached<MainAttrPoolIndex>().FirstRecord(id), scanned) << what << ", ID " << id;
  }
}

TEST(MainAttrPoolIndex, FindsWhatTheScanFindsOnHostileFiles) {
  for (const auto& file : sample::HostileFiles()) ExpectSameAsScan(testing::DataOf(file.bytes), file.name);
}

TEST(MainAttrPoolIndex, FindsWhatTheScanFindsOnGeneratedFiles) {
  for (std::uint64_t seed : {1u, 2u}) {
    ExpectSameAsScan(testing::DataOf(sample::GenerateSample({40, seed, 0})), "seed " + std::to_string(seed));
  }
}

}  // namespace
}  // namespace velkarin::equip

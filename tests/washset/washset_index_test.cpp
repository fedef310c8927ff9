// The pool and set indexes cached with the data, and the first-row index of
// the listed items, against the plain searches and walks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fixtures.h"
#include "sample/hostile.h"
#include "sample/sample.h"
#include "washset/set_lookup.h"
#include "washset/wash_pool.h"
#include "washset/washset_panels.h"

namespace velkarin::washset {
namespace {

// Every int32 the file holds at any offset, and a few it may not.
std::set<std::int32_t> ProbeIds(const data::ElementData& data) {
  std::set<std::int32_t> ids = {0, -1, 1, 2147483647, -2147483647 - 1};
  for (std::int64_t pos = 0; pos < data.Size(); ++pos) ids.insert(data.ReadInt32(pos));
  return ids;
}

void ExpectSameAsScans(const data::ElementData& data, const std::string& what) {
  AddonPoolIndex pools(data);
  SetIndex sets(data);
  for (std::int32_t id : ProbeIds(data)) {
    ASSERT_EQ(pools.FirstRecord(id), FindAddonPoolRecord(data, id)) << what << ", pool " << id;
    ASSERT_EQ(sets.FirstRecord(id), FindSetRecord(data, id)) << what << ", item " << id;
  }
}

TEST(WashSetIndexes, FindWhatTheScansFindOnHostileFiles) {
  for (const auto& file : sample::HostileFiles()) ExpectSameAsScans(testing::DataOf(file.bytes), file.name);
}

TEST(WashSetIndexes, FindWhatTheScansFindOnGeneratedFiles) {
  for (std::uint64_t seed : {1u, 2u}) {
    ExpectSameAsScans(testing::DataOf(sample::GenerateSample({40, seed, 0})), "seed " + std::to_string(seed));
  }
}

// Set records whose member lists overlap, reach before the data and past its
// end: the walk reads each slot once, and the index must still give each
// item the first record in list order that holds it.
TEST(WashSetIndexes, FindWhatTheScanFindsWithOverlappingMemberLists) {
  const std::int32_t counts[] = {1, 3, 40, 2147483647, -5, 0};
  const std::int32_t sizes[] = {200, 8, 4, 1, -4, -200, 0};
  for (std::int32_t size : sizes) {
    for (std::int32_t count : counts) {
      sample::FileBuilder file;
      file.Raw(std::string(20, '\x07'));
      file.Header(size, 6);
      file.Raw(sample::SetRecord({500, std::string(sample::kSetMarker), {5, 6, 7}, {}, count}).Data());
      file.Raw(sample::SetRecord({501, "b", {7, 8, 5}, {}, count}).Data().substr(0, 150));
      ExpectSameAsScans(testing::DataOf(file), "size " + std::to_string(size) + ", count " + std::to_string(count));
    }
  }
}

TEST(FirstRowIndex, GivesTheFirstRowOfEachId) {
  const std::vector<std::int32_t> ids = {5, 3, 5, -1, 3, 9, 0};
  FirstRowIndex index(ids);
  for (std::int32_t id : {5, 3, -1, 9, 0, 4, 2147483647}) {
    auto it = std::find(ids.begin(), ids.end(), id);
    std::optional<std::size_t> first;
    if (it != ids.end()) first = static_cast<std::size_t>(it - ids.begin());
    EXPECT_EQ(index.FirstRow(id), first) << id;
  }
  EXPECT_EQ(FirstRowIndex().FirstRow(5), std::nullopt);
}

}  // namespace
}  // namespace velkarin::washset

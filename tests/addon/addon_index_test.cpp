// AddonIndex against the plain scan, on generated and hostile files.
#include <gtest/gtest.h>

#include <set>

#include "addon/addon.h"
#include "addon/addon_index.h"
#include "fixtures.h"
#include "sample/random.h"
#include "sample/sample.h"

namespace velkarin::addon {
namespace {

using sample::FileBuilder;
using testing::DataOf;

// Every ID the file holds at any offset, and some it may not: whatever the
// list's shape, each ID the scan can meet is among them.
std::set<std::int32_t> ProbeIds(const data::ElementData& data) {
  std::set<std::int32_t> ids = {0, -1, 1, 2147483647, -2147483647 - 1, 123456};
  for (std::int64_t pos = 0; pos < data.Size(); ++pos) ids.insert(data.ReadInt32(pos));
  return ids;
}

// The description of the record the plain scan finds.
std::string ScannedDescription(const data::ElementData& data, std::int32_t id) {
  auto pos = FindAddonRecord(data, id);
  return pos ? DescribeAddonRecord(data, *pos) : std::string();
}

// Both the index and DescribeAddon, which asks the index cached with the data.
void ExpectSameAsScan(const data::ElementData& data, const std::set<std::int32_t>& ids,
                      const std::string& what) {
  AddonIndex index(data);
  for (std::int32_t id : ids) {
    ASSERT_EQ(index.FirstRecord(id), FindAddonRecord(data, id)) << what << ", ID " << id;
    ASSERT_EQ(index.Describe(id), ScannedDescription(data, id)) << what << ", ID " << id;
    ASSERT_EQ(DescribeAddon(data, id), ScannedDescription(data, id)) << what << ", ID " << id;
  }
}

// A list whose header may lie, over records with few distinct IDs (so that
// IDs repeat) and random types and parameters.
std::string HostileFile(sample::Random& random, std::int32_t recordSize, std::int32_t count) {
  FileBuilder file;
  file.Header(recordSize, count);
  const std::int32_t records = random.Between(0, 12);
  for (std::int32_t k = 0; k < records; ++k) {
    sample::AddonSpec fields{random.Between(-2, 6), random.Between(0, 85),
                           sample::IntParam(random.Between(-100, 100)),
                           sample::FloatParam(static_cast<float>(random.Between(0, 40)) / 20)};
    file.Raw(sample::AddonRecord(fields).Data().substr(0, static_cast<std::size_t>(random.Between(1, 88))));
  }
  return file.Data();
}

TEST(AddonIndex, FindsWhatTheScanFindsOnHostileLists) {
  sample::Random random(7);
  constexpr std::int32_t kMin = -2147483647 - 1, kMax = 2147483647;
  const std::int32_t sizes[] = {88, 84, 40, 4, 1, 0, -1, -4, -8, -88, -1000, kMin, kMax, 1000};
  const std::int32_t counts[] = {0, 1, 3, 50, kMax, -1, kMin};
  for (std::int32_t size : sizes) {
    for (std::int32_t count : counts) {
      std::string bytes = HostileFile(random, size, count);
      data::ElementData data = DataOf(bytes);
      ExpectSameAsScan(data, ProbeIds(data),
                       "size " + std::to_string(size) + ", count " + std::to_string(count));
    }
  }
}

TEST(AddonIndex, FindsWhatTheScanFindsOnCutHeaders) {
  for (std::size_t length : {0u, 5u, 12u, 15u, 19u, 20u}) {
    sample::Random random(length);
    std::string bytes = HostileFile(random, 88, 5).substr(0, length);
    data::ElementData data = DataOf(bytes);
    ExpectSameAsScan(data, ProbeIds(data), "length " + std::to_string(length));
  }
}

TEST(AddonIndex, FindsWhatTheScanFindsOnTheSample) {
  data::ElementData data = DataOf(sample::GenerateSample({50, 3, 0}));
  std::set<std::int32_t> ids = {0, -1, 99001, 123456};
  for (std::int32_t type = 0; type <= 84; ++type) {
    for (std::int32_t k = 0; k <= 4; ++k) ids.insert(type * 100 + k);
  }
  ExpectSameAsScan(data, ids, "sample");
}

TEST(AddonIndex, TheFirstOfRepeatedIdsWins) {
  FileBuilder file;
  file.List(sample::kAddonRecordSize,
            {sample::AddonRecord({7, 1, sample::IntParam(1), {}}),
             sample::AddonRecord({7, 1, sample::IntParam(2), {}}),
             sample::AddonRecord({8, 2, sample::IntParam(3), {}})});
  data::ElementData data = DataOf(file);
  AddonIndex index(data);
  EXPECT_EQ(index.FirstRecord(7), 20);
  EXPECT_EQ(index.FirstRecord(8), 20 + 2 * sample::kAddonRecordSize);
  EXPECT_EQ(testing::U(index.Describe(7)), "生命增加 1");
  EXPECT_EQ(index.FirstRecord(9), std::nullopt);
}

}  // namespace
}  // namespace velkarin::addon

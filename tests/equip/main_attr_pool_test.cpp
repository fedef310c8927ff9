#include "equip/main_attr_pool.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace velkarin::equip {
namespace {

using sample::FileBuilder;
using sample::kMainAttrPoolMarker;
using sample::kMainAttrPoolRecordSize;
using sample::MainAttrPoolRecord;
using velkarin::testing::DataOf;

sample::Record Pool(std::int32_t id, std::array<std::int32_t, 4> values, std::string name = "") {
  return MainAttrPoolRecord({id, name, values});
}

// A file with a filler list, then the pool list (its first record named by the marker).
data::ElementData PoolFile(std::vector<sample::Record> rest) {
  std::vector<sample::Record> records = {
      Pool(1, {50, 10, 80, 20}, std::string(kMainAttrPoolMarker))};
  records.insert(records.end(), rest.begin(), rest.end());
  FileBuilder file;
  file.List(sample::kNamedRecordSize, {sample::NamedRecord(9, "占位")});
  file.List(kMainAttrPoolRecordSize, records);
  return DataOf(file);
}

TEST(LookupMainAttrPool, WritesTheFourValuesOfTheFirstMatch) {
  data::ElementData data =
      PoolFile({Pool(7, {-5, -20, 0, 3}), Pool(8, {1, 2, 3, 4}), Pool(8, {9, 9, 9, 9})});
  const std::vector<std::pair<std::int32_t, std::string>> cases = {
      {1, "50|10|80|20|"},
      {7, "-5|-20|0|3|"},
      {8, "1|2|3|4|"},  // the first of two records with the ID
      {9, ""},
      {0, ""},
  };
  for (const auto& [id, text] : cases) EXPECT_EQ(LookupMainAttrPool(data, id), text) << id;
}

TEST(LookupMainAttrPool, NoMarkerGivesTheEmptyText) {
  FileBuilder file;
  file.List(kMainAttrPoolRecordSize, {Pool(1, {50, 10, 80, 20}, "主属性随机库")});
  EXPECT_EQ(LookupMainAttrPool(DataOf(file), 1), "");
  EXPECT_EQ(LookupMainAttrPool(data::ElementData(), 0), "");
}

TEST(LookupMainAttrPool, ValuesCutByTheEndReadAsZero) {
  FileBuilder file;
  file.List(kMainAttrPoolRecordSize,
            {Pool(1, {50, 10, 0x12345, 20}, std::string(kMainAttrPoolMarker))});
  // The record ends the file: the cut keeps the two low bytes of PoolValue3.
  std::string bytes = file.Data().substr(0, file.Size() - 8 + 2);
  EXPECT_EQ(LookupMainAttrPool(DataOf(bytes), 1), "50|10|9029|0|");
}

TEST(LookupMainAttrPool, HostileHeadersEndAtTheData) {
  // The header promises far more records than the file holds, of every size.
  for (std::int32_t size : {88, 1, 0, -88}) {
    FileBuilder file;
    file.Header(size, std::numeric_limits<std::int32_t>::max());
    file.Raw(Pool(1, {50, 10, 80, 20}, std::string(kMainAttrPoolMarker)).Data());
    data::ElementData data = DataOf(file);
    EXPECT_EQ(LookupMainAttrPool(data, 1), "50|10|80|20|") << size;
    EXPECT_EQ(LookupMainAttrPool(data, 2), "") << size;
  }
}

}  // namespace
}  // namespace velkarin::equip

// The set lookup: the first set record that lists an item among its members.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "washset/set_lookup.h"
#include "washset_fixtures.h"

namespace velkarin::washset {
namespace {

using namespace testing;

sample::Record Addon(std::int32_t id, std::int32_t life) {
  return sample::AddonRecord({id, 1, sample::IntParam(life), {}});
}

// A file whose set list holds these records (the first should carry the marker).
data::ElementData SetFile(const std::vector<sample::Record>& sets, const std::vector<sample::Record>& addons = {},
                          std::int32_t recordSize = sample::kSetRecordSize) {
  sample::FileBuilder file = velkarin::testing::FileWithEquips(WithMarkerItem({}), addons);
  file.List(recordSize, sets);
  return DataOf(file);
}

std::vector<std::string> Utf8(const std::vector<std::string>& gbk) {
  std::vector<std::string> out;
  for (const std::string& text : gbk) out.push_back(U(text));
  return out;
}

TEST(LookupSet, ReadsTheNameTheCountTheMembersAndTheBonuses) {
  sample::Record set = Set("^ffdc50龙腾", {11, 12, 13}, {201, 999});
  set.Int32(124, 203);  // the bonus for one piece, which no panel shows
  data::ElementData data = SetFile({MarkerSet({1}), set}, {Addon(201, 50), Addon(203, 70)});
  auto found = LookupSet(data, 12);
  ASSERT_TRUE(found);
  EXPECT_EQ(U(found->name), "^ffdc50龙腾");
  EXPECT_EQ(found->memberCount, 3);
  EXPECT_EQ(found->members, (std::vector<std::int32_t>{11, 12, 13}));
  EXPECT_EQ(Utf8(found->bonuses), (std::vector<std::string>{"生命增加 50", ""}));
}

TEST(LookupSet, MembersBeyondThirteenRunIntoTheBonuses) {
  std::vector<std::int32_t> members;
  for (std::int32_t j = 1; j <= 13; ++j) members.push_back(100 + j);
  sample::Record set = Set(std::string(sample::kSetMarker), members, {201}, 15);
  set.Int32(124, 114);
  data::ElementData data = SetFile({set}, {Addon(201, 50)});
  auto found = LookupSet(data, 201);  // member 15 is the bonus for two pieces
  ASSERT_TRUE(found);
  ASSERT_EQ(found->members.size(), 15u);
  EXPECT_EQ(found->members[13], 114);
  EXPECT_EQ(found->members[14], 201);
  EXPECT_EQ(U(found->bonuses.at(0)), "生命增加 50");
}

TEST(LookupSet, TakesTheFirstSetInListOrder) {
  data::ElementData data = SetFile({MarkerSet({1}), Set("甲", {5, 6}), Set("乙", {6})});
  auto found = LookupSet(data, 6);
  ASSERT_TRUE(found);
  EXPECT_EQ(U(found->name), "甲");
  EXPECT_FALSE(LookupSet(data, 7));
}

// A "|" in a name is only a character of the name.
TEST(LookupSet, KeepsABarInTheName) {
  data::ElementData data = SetFile({MarkerSet(), Set("天|地|", {5, 6}, {0})});
  auto found = LookupSet(data, 6);
  ASSERT_TRUE(found);
  EXPECT_EQ(U(found->name), "天|地|");
  EXPECT_EQ(found->memberCount, 2);
  EXPECT_EQ(found->members, (std::vector<std::int32_t>{5, 6}));
  EXPECT_EQ(found->bonuses, std::vector<std::string>{""});
}

// The list is found by its first name followed by its terminating zero.
TEST(LookupSet, FindsNothingWithoutTheSetList) {
  EXPECT_FALSE(LookupSet(DataOf(velkarin::testing::FileWithEquips(WithMarkerItem({}))), 1));
  EXPECT_FALSE(LookupSet(SetFile({Set(std::string(sample::kSetMarker) + "二", {1})}), 1));
  EXPECT_TRUE(LookupSet(SetFile({Set(std::string(sample::kSetMarker), {1})}), 1));
}

// A count far beyond the record gives the members and bonuses whose slots
// start inside the data; the count stays as stored.
TEST(LookupSet, BoundsAHugeMemberCountByTheData) {
  data::ElementData data = SetFile({Set(std::string(sample::kSetMarker), {7, 8}, {}, 2147483647)});
  auto found = LookupSet(data, 8);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->memberCount, 2147483647);
  EXPECT_EQ(found->members.size(), (200u - 72u) / 4u);  // the record ends the file
  EXPECT_EQ(found->bonuses.size(), (200u - 128u) / 4u);
  EXPECT_EQ(found->members[1], 8);
}

// The search stays exact: member slots past the end of the data read 0.
TEST(FindSetRecord, FindsIdZeroInSlotsPastTheEnd) {
  for (std::int32_t count : {2, 3}) {
    sample::Record set(80);
    set.Int32(0, 1).Name(4, sample::kSetMarker).Int32(68, count).Int32(72, 5).Int32(76, 6);
    data::ElementData data = SetFile({set}, {}, 80);
    EXPECT_EQ(FindSetRecord(data, 0).has_value(), count == 3) << count;
    EXPECT_TRUE(FindSetRecord(data, 6)) << count;
  }
}

// Many records that each claim the largest count, and lists walked backwards
// or standing still with the largest record count, take time bounded by the
// data and find what the full walk finds.
TEST(FindSetRecord, WalksHostileListsInBoundedTime) {
  std::vector<sample::Record> sets(5000, Set("套", {}, {}, 2147483647));
  sets[0] = Set(std::string(sample::kSetMarker), {}, {}, 2147483647);
  data::ElementData many = SetFile(sets);
  EXPECT_FALSE(FindSetRecord(many, 0x7EAD1234));
  EXPECT_TRUE(FindSetRecord(many, 0));

  for (std::int32_t size : {0, -1, -3, -200}) {
    sample::FileBuilder file = velkarin::testing::FileWithEquips(WithMarkerItem({}));
    file.Header(size, 2147483647).Raw(Set(std::string(sample::kSetMarker), {7}, {}, 2147483647).Data());
    data::ElementData data = DataOf(file);
    EXPECT_FALSE(FindSetRecord(data, 0x7EAD1234)) << size;
    EXPECT_TRUE(FindSetRecord(data, 7)) << size;
    // Backwards, slots before the data read the file's first int32.
    EXPECT_EQ(FindSetRecord(data, data.ReadInt32(0)).has_value(), size < 0) << size;
  }
}

// The walk over every record and every member slot, as the set list is
// defined, shortened only where its reads repeat: every slot before the data
// reads offset 0 and every slot past its end reads 0.
std::optional<std::int64_t> EveryRecordEverySlot(const data::ElementData& data, std::int32_t id) {
  auto name = data.FindBytes(data::ToWideBytes(G("测试套装")) + '\0');
  if (!name) return std::nullopt;
  std::int64_t header = *name - 12;
  std::int32_t size = data.ReadInt32(header);
  std::int32_t count = data.ReadInt32(header + 4);
  for (std::int64_t k = 0; k < count; ++k) {
    std::int64_t record = header + 8 + k * size;
    std::int32_t n = data.ReadInt32(record + 68);
    for (std::int64_t j = 1; j <= n; ++j) {
      std::int64_t slot = record + 68 + 4 * j;
      if (data.ReadInt32(slot) == id) return record;
      if (slot >= data.Size()) break;
      if (slot < 0) j = std::max(j, (-record - 68 + 3) / 4 - 1);
    }
  }
  return std::nullopt;
}

// Files of a few hundred bytes of few distinct values around one set list,
// with record sizes of every sign and alignment.
TEST(FindSetRecord, FindsTheRecordThatTheFullWalkFinds) {
  std::mt19937 random(7);
  auto pick = [&](auto... options) {
    std::array values{options...};
    return values[std::uniform_int_distribution<size_t>(0, values.size() - 1)(random)];
  };
  auto bytes = [&](int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out.push_back(static_cast<char>(pick(0, 0, 0, 0, 0, 1, 2, 5, 0x80, 0xFF)));
    return out;
  };
  int found = 0;
  for (int round = 0; round < 400; ++round) {
    sample::FileBuilder file;
    file.Raw(bytes(std::uniform_int_distribution<int>(0, 40)(random)));
    std::int32_t size = pick(-300, -73, -9, -4, -3, -1, 0, 1, 3, 4, 5, 72, 73, 200);
    file.Header(size, std::uniform_int_distribution<std::int32_t>(0, 400)(random));
    sample::Record first(68);
    first.Bytes(0, bytes(4)).Name(4, sample::kSetMarker);
    file.Raw(first.Data()).Raw(bytes(std::uniform_int_distribution<int>(0, 600)(random)));
    data::ElementData data = DataOf(file);
    std::int32_t id = pick(0, 1, 5, 0x100, 0x1000000, data.ReadInt32(0),
                           data.ReadInt32(std::uniform_int_distribution<std::int64_t>(0, data.Size())(random)));
    auto expected = EveryRecordEverySlot(data, id);
    found += expected.has_value();
    ASSERT_EQ(FindSetRecord(data, id), expected) << "round " << round << ", size " << size << ", id " << id;
  }
  EXPECT_GT(found, 40);  // the rounds do exercise matches
}

}  // namespace
}  // namespace velkarin::washset

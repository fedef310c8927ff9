#include "data/lists.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "data/equip_record.h"
#include "fixtures.h"
#include "data/named_lists.h"
#include "sample/hostile.h"
#include "sample/sample.h"

namespace velkarin::data {
namespace {

using sample::FileBuilder;
using sample::NamedRecord;
using testing::DataOf;
using testing::G;

// A file with a raw equipment-list header (size, count) whose marker name
// stands where the first record's name would be, at `markerAt`.
std::string FileWithMarkerAt(std::size_t markerAt, std::int32_t size, std::int32_t count) {
  std::string bytes(markerAt + 64, '\0');
  sample::Record header(8);
  header.Int32(0, size).Int32(4, count);
  if (markerAt >= 20) bytes.replace(markerAt - 20, 8, header.Data());
  bytes.replace(markerAt, 14, sample::Utf16Le("菜鸟布衣(男)"));
  return bytes;
}

TEST(LocateEquipListTest, HeaderStandsTwentyBytesBeforeTheMarker) {
  ElementData data = DataOf(FileWithMarkerAt(1000, 424, 7));
  EquipListLocation list = LocateEquipList(data);
  EXPECT_EQ(list.outcome, EquipListOutcome::Found);
  EXPECT_EQ(list.pos, 980);
  EXPECT_EQ(list.recordSize, 424);
  EXPECT_EQ(list.count, 7);
}

TEST(LocateEquipListTest, OutcomesOfTheMarkerAndTheRecordSize) {
  struct Case {
    std::string bytes;
    EquipListOutcome outcome;
  };
  std::string fullWidth = std::string(40, '\0') + sample::Utf16Le("菜鸟布衣（男）");
  const Case cases[] = {
      {FileWithMarkerAt(1001, 424, 1), EquipListOutcome::Found},  // odd offset
      {FileWithMarkerAt(1000, 423, 1), EquipListOutcome::WrongRecordSize},
      {FileWithMarkerAt(1000, 425, 1), EquipListOutcome::WrongRecordSize},
      {FileWithMarkerAt(1000, -424, 1), EquipListOutcome::WrongRecordSize},
      {fullWidth, EquipListOutcome::NoMarker},
      {"", EquipListOutcome::NoMarker},
  };
  for (const Case& c : cases) EXPECT_EQ(LocateEquipList(DataOf(c.bytes)).outcome, c.outcome);
}

TEST(LocateEquipListTest, MarkerNearTheStartPutsTheHeaderBeforeOffsetZero) {
  // Reads at negative offsets read from offset 0: here the file header bytes.
  std::string bytes = FileWithMarkerAt(12, 0, 0);
  sample::Record start(8);
  start.Int32(0, 424).Int32(4, 3);  // the 3 is never read
  bytes.replace(0, 8, start.Data());
  EquipListLocation list = LocateEquipList(DataOf(bytes));
  EXPECT_EQ(list.pos, -8);
  EXPECT_EQ(list.outcome, EquipListOutcome::Found);
  EXPECT_EQ(list.count, 424) << "the count at -4 also reads offset 0";
}

TEST(ListableRecordCountTest, BoundedByTheWholeRecordsInTheData) {
  struct Case {
    std::int32_t count;
    std::size_t recordsPresent;
    std::int64_t rows;
  };
  const Case cases[] = {{3, 3, 3}, {0, 3, 0}, {-1, 3, 0}, {2147483647, 3, 3}, {2, 3, 2}, {5, 0, 0}};
  for (const Case& c : cases) {
    std::string bytes = FileWithMarkerAt(100, 424, c.count);
    bytes.resize(100 - 12 + 424 * c.recordsPresent, '\0');
    if (c.recordsPresent == 0) bytes.resize(100, '\0');
    ElementData data = DataOf(bytes);
    // The marker must survive the resize for the list to be found at all.
    if (c.recordsPresent == 0) {
      EquipListLocation list{EquipListOutcome::Found, 80, 424, c.count};
      EXPECT_EQ(ListableRecordCount(data, list), c.rows);
      continue;
    }
    EXPECT_EQ(ListableRecordCount(data, LocateEquipList(data)), c.rows) << c.count;
  }
}

TEST(ListableRecordCountTest, CountsFromBeforeOffsetZeroToo) {
  // First record at -12: the data holds (size + 12) / 424 whole records from there.
  ElementData data = DataOf(std::string(424 * 2 - 12, '\0'));
  EXPECT_EQ(ListableRecordCount(data, {EquipListOutcome::Found, -20, 424, 100}), 2);
}

FileBuilder ThreeLists(const std::vector<sample::Record>& list3) {
  FileBuilder file;
  file.List(sample::kNamedRecordSize, {NamedRecord(1, "一号"), NamedRecord(2, "二号")});
  file.List(sample::kNamedRecordSize, {NamedRecord(1, "乙")});
  file.List(sample::kNamedRecordSize, list3);
  return file;
}

TEST(ListRecordNameTest, WalksTheListsByNumber) {
  ElementData data = DataOf(ThreeLists({NamedRecord(7, "武器"), NamedRecord(7, "重复"), NamedRecord(9, "护甲")}));
  EXPECT_EQ(ListRecordName(data, 3, 7), G("武器")) << "the first record with the ID";
  EXPECT_EQ(ListRecordName(data, 3, 9), G("护甲"));
  EXPECT_EQ(ListRecordName(data, 1, 2), G("二号"));
  EXPECT_EQ(ListRecordName(data, 0, 2), G("二号")) << "list 0 is list 1";
  EXPECT_EQ(ListRecordName(data, -4, 1), G("一号"));
  EXPECT_EQ(ListRecordName(data, 3, 8), "") << "an ID the list lacks";
  EXPECT_EQ(ListRecordName(data, 9, 0), "") << "lists past the end";
}

TEST(ListRecordNameTest, CorruptHeadersEndInBoundedTime) {
  struct Case {
    std::int32_t size;
    std::int32_t count;
  };
  for (Case c : {Case{72, 2147483647}, Case{0, 2147483647}, Case{-72, 2147483647},
                 Case{2147483647, 2147483647}, Case{72, 0}, Case{72, -1}}) {
    FileBuilder file;
    file.List(72, {}).List(72, {}).Header(c.size, c.count).Raw(NamedRecord(5, "名").Data());
    ElementData data = DataOf(file);
    EXPECT_EQ(ListRecordName(data, 3, 5), c.count > 0 ? G("名") : "") << c.size << " " << c.count;
    EXPECT_EQ(ListRecordName(data, 3, 6), "");
  }
}

TEST(FindFirstRecordTest, WalksFromFarOutsideTheDataEndQuickly) {
  ElementData data = DataOf(std::string("\x05\0\0\0\x07\0\0\0", 8));
  auto isSeven = [&](std::int64_t pos) { return data.ReadInt32(pos) == 7; };
  constexpr std::int64_t kFar = std::int64_t{1} << 61;
  EXPECT_EQ(FindFirstRecord(data, -kFar, 4, kFar, 4, isSeven), -kFar + 4 * ((kFar + 4) / 4));
  EXPECT_EQ(FindFirstRecord(data, kFar, -4, kFar, 4, isSeven), 4);
  EXPECT_EQ(FindFirstRecord(data, -kFar, -1, kFar, 4, isSeven), std::nullopt);
  EXPECT_EQ(FindFirstRecord(data, kFar, 1, kFar, 4, isSeven), std::nullopt);
}

// The plain loop that FindFirstRecord must agree with, for small counts.
std::optional<std::int64_t> PlainFirstRecord(std::int64_t first, std::int64_t size, std::int64_t count,
                                             const std::function<bool(std::int64_t)>& matches) {
  for (std::int64_t k = 0; k < count; ++k) {
    if (matches(first + k * size)) return first + k * size;
  }
  return std::nullopt;
}

TEST(FindFirstRecordTest, AgreesWithThePlainLoopOnRandomLayouts) {
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(static_cast<std::size_t>(random() % 64), '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 3);  // few values: many matches
    ElementData data = DataOf(bytes);
    // Now and then a walk that starts far from the data on either side.
    bool far = round % 30 == 0;
    std::int64_t first = far ? static_cast<std::int64_t>(random() % 400000) - 200000
                             : static_cast<std::int64_t>(random() % 80) - 20;
    std::int64_t size = static_cast<std::int64_t>(random() % 21) - 10;
    std::int64_t count = far ? static_cast<std::int64_t>(random() % 100000) : static_cast<std::int64_t>(random() % 40);
    std::int32_t wanted = static_cast<std::int32_t>(random() % 3);
    std::int64_t field = static_cast<std::int64_t>(random() % 8);
    auto matches = [&](std::int64_t pos) { return data.ReadInt32(pos + field) == wanted; };
    EXPECT_EQ(FindFirstRecord(data, first, size, count, field + 4, matches),
              PlainFirstRecord(first, size, count, matches))
        << "first " << first << " size " << size << " count " << count;
  }
}

}  // namespace
}  // namespace velkarin::data

namespace velkarin::data {
namespace {

struct NamedCase {
  NamedList list;
  std::string pattern;
  std::int64_t nameOffset;
};

std::vector<NamedCase> NamedCases() {
  return {{NamedList::Equip, sample::Utf16Le("菜鸟布衣(男)"), 12},
          {NamedList::MainAttrPool, sample::Utf16Le("测试主属性随机库"), 4},
          {NamedList::AddonPool, sample::Utf16Le("测试附加属性随机库"), 4},
          {NamedList::Set, sample::Utf16Le("测试套装") + std::string(1, '\0'), 4}};
}

void ExpectSameAsPlainSearch(const std::string& bytes, const std::string& what) {
  ElementData data = DataOf(bytes);
  for (const NamedCase& c : NamedCases()) {
    EXPECT_EQ(LocateNamedList(data, c.list), LocateListByPattern(data, c.pattern, c.nameOffset)) << what;
  }
}

TEST(LocateNamedListTest, AgreesWithThePlainSearchOfEachName) {
  ExpectSameAsPlainSearch(sample::GenerateSample({30, 2, 0}), "sample");
  for (const auto& file : sample::HostileFiles()) ExpectSameAsPlainSearch(file.bytes, file.name);
}

TEST(LocateNamedListTest, NamesThatBeginAlikeAreEachFoundAtTheirFirstOccurrence) {
  const std::string set = sample::Utf16Le("测试套装");
  // The set's name first without its terminator's low byte, then a pool's
  // name, the set's whole marker, at odd offsets, and another pool name cut.
  std::string bytes = "x" + set + "y" + sample::Utf16Le("测试附加属性随机库") + set + std::string(1, '\0') +
                      "z" + sample::Utf16Le("测试主属性随机").substr(0, 13);
  ExpectSameAsPlainSearch(bytes, "interleaved");
  ElementData data = DataOf(bytes);
  EXPECT_EQ(LocateNamedList(data, NamedList::Set), static_cast<std::int64_t>(1 + 8 + 1 + 18) - 12);
  EXPECT_EQ(LocateNamedList(data, NamedList::MainAttrPool), std::nullopt);
}

}  // namespace
}  // namespace velkarin::data

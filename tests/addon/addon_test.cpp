// DescribeAddon: the addon list (list 1) scanned for the first record of an ID.
#include <gtest/gtest.h>

#include "addon/addon.h"
#include "fixtures.h"

namespace velkarin::addon {
namespace {

using sample::AddonRecord;
using sample::AddonSpec;
using sample::FileBuilder;
using sample::FloatParam;
using sample::IntParam;
using testing::DataOf;
using testing::U;

sample::Record Addon(std::int32_t id, std::int32_t type, std::array<char, 4> p1,
                     std::array<char, 4> p2 = {}) {
  return AddonRecord(AddonSpec{id, type, p1, p2});
}

std::string Describe(const FileBuilder& file, std::int32_t id) {
  return U(DescribeAddon(DataOf(file), id));
}

TEST(DescribeAddon, DescribesTheFirstRecordWithTheId) {
  FileBuilder file;
  file.List(sample::kAddonRecordSize,
            {Addon(10, 1, IntParam(50)), Addon(11, 7, FloatParam(0.05f)), Addon(12, 15, FloatParam(0.05f)),
             Addon(11, 1, IntParam(99)), Addon(0, 2, IntParam(3)), Addon(-7, 3, IntParam(4)),
             Addon(13, 84, IntParam(1)), Addon(14, 0, IntParam(1)), Addon(15, -1, IntParam(1))});
  EXPECT_EQ(Describe(file, 10), "生命增加 50");
  EXPECT_EQ(Describe(file, 11), "致命一击率增加 5.00%") << "the first of two records wins";
  EXPECT_EQ(Describe(file, 12), "生命提升 5.0%");
  EXPECT_EQ(Describe(file, 0), "真气增加 3");
  EXPECT_EQ(Describe(file, -7), "攻击增加 4");
  EXPECT_EQ(Describe(file, 99), "");
  for (std::int32_t typeless : {13, 14, 15}) EXPECT_EQ(Describe(file, typeless), "") << typeless;
}

TEST(DescribeAddon, TheRecordSizeComesFromTheHeader) {
  // 100-byte records: the parameters still sit at 76 and 80 of each record.
  sample::Record wide(100);
  wide.Int32(0, 5).Int32(68, 34).Int32(76, 2).Int32(80, 1);
  sample::Record second(100);
  second.Int32(0, 6).Int32(68, 1).Int32(76, 8);
  FileBuilder file;
  file.List(100, {wide, second});
  EXPECT_EQ(Describe(file, 5), "清风破技能等级增加 1");
  EXPECT_EQ(Describe(file, 6), "生命增加 8");
}

TEST(DescribeAddon, CountsOfZeroOrLessDescribeNothing) {
  for (std::int32_t count : {0, -1, -2147483647 - 1}) {
    FileBuilder file;
    file.Header(sample::kAddonRecordSize, count).Raw(Addon(0, 1, IntParam(5)).Data());
    EXPECT_EQ(Describe(file, 0), "") << count;
  }
}

TEST(DescribeAddon, AParameterCutByTheEndReadsAsZeroExtended) {
  // The record ends 2 bytes into P1: its low bytes 0x2C 0x01 stay, so 300.
  FileBuilder file;
  file.Header(sample::kAddonRecordSize, 1).Raw(Addon(3, 1, IntParam(0x7F7F012C)).Data().substr(0, 78));
  EXPECT_EQ(Describe(file, 3), "生命增加 300");
  // Cut before the type: the type reads 0, which has no row.
  FileBuilder noType;
  noType.Header(sample::kAddonRecordSize, 1).Raw(Addon(3, 1, IntParam(1)).Data().substr(0, 40));
  EXPECT_EQ(Describe(noType, 3), "");
}

TEST(DescribeAddon, ACountBeyondTheFileEndsTheScanAtTheData) {
  FileBuilder file;
  file.Header(sample::kAddonRecordSize, 2147483647).Raw(Addon(4, 2, IntParam(9)).Data());
  EXPECT_EQ(Describe(file, 4), "真气增加 9");
  EXPECT_EQ(Describe(file, 5), "");
  EXPECT_EQ(Describe(file, 0), "") << "records past the end are all zero: type 0";
}

TEST(DescribeAddon, RecordSizeZeroSeesOnlyTheFirstRecord) {
  FileBuilder file;
  file.Header(0, 1000).Raw(Addon(4, 2, IntParam(9)).Data()).Raw(Addon(5, 2, IntParam(1)).Data());
  EXPECT_EQ(Describe(file, 4), "真气增加 9");
  EXPECT_EQ(Describe(file, 5), "");
}

TEST(DescribeAddon, ANegativeRecordSizeWalksBackwards) {
  // Size -8: the second record starts at 12, so the header's record size is
  // its ID, and its type (at 80) and P1 (at 88) lie inside the first record.
  sample::Record first(sample::kAddonRecordSize);
  first.Int32(0, 4).Int32(68, 2).Int32(76, 1).Int32(60, 1);
  FileBuilder file;
  file.Header(-8, 2).Raw(first.Data());
  EXPECT_EQ(Describe(file, 4), "真气增加 1");
  EXPECT_EQ(Describe(file, -8), "生命增加 2");
}

TEST(DescribeAddon, AnEmptyOrHeaderlessFileDescribesNothing) {
  EXPECT_EQ(U(DescribeAddon(DataOf(""), 0)), "");
  EXPECT_EQ(U(DescribeAddon(DataOf(std::string(14, '\x01')), 0)), "");
}

}  // namespace
}  // namespace velkarin::addon

#include <gtest/gtest.h>

#include <limits>

#include "data/element_data.h"
#include "fixtures.h"

namespace velkarin::data {
namespace {

using testing::DataOf;
using testing::G;

TEST(ReadersTest, NumbersReadLittleEndianAndZeroCompleteAtTheEnd) {
  ElementData data = DataOf(std::string("\x78\x56\x34\x12\x34\x12", 6));
  EXPECT_EQ(data.ReadInt32(0), 0x12345678);
  EXPECT_EQ(data.ReadInt32(4), 4660) << "the last two bytes 34 12";
  EXPECT_EQ(data.ReadInt32(6), 0) << "at the end";
  EXPECT_EQ(data.ReadInt32(600), 0) << "past the end";
  EXPECT_EQ(data.ReadInt32(-3), 0x12345678) << "a negative offset reads from 0";
  EXPECT_EQ(data.ReadInt32(std::numeric_limits<std::int64_t>::max()), 0);
  EXPECT_EQ(data.ReadInt32(std::numeric_limits<std::int64_t>::min()), 0x12345678);
  EXPECT_EQ(data.ReadInt64(0), 0x123412345678);
}

TEST(ReadersTest, FloatsAndDoubles) {
  sample::Record r(12);
  r.Float(0, 0.05f).Double(4, -2.5);
  ElementData data = DataOf(r.Data());
  EXPECT_EQ(data.ReadFloat(0), 0.05f);
  EXPECT_EQ(data.ReadDouble(4), -2.5);
  EXPECT_EQ(data.ReadDouble(12), 0.0);
}

TEST(ReadersTest, ReadBytesStaysInsideTheData) {
  ElementData data = DataOf(std::string_view("abcdef"));
  EXPECT_EQ(data.ReadBytes(2, 3), "cde");
  EXPECT_EQ(data.ReadBytes(4, 10), "ef");
  EXPECT_EQ(data.ReadBytes(-5, 2), "ab");
  EXPECT_EQ(data.ReadBytes(6, 2), "");
  EXPECT_EQ(data.ReadBytes(1, -4), "");
  EXPECT_EQ(ElementData().ReadBytes(0, 4), "");
}

TEST(ReadersTest, NameFieldStopsAtTheFirstZeroUnit) {
  sample::Record r(64);
  r.Bytes(0, std::string("\x41\0\x42\0\0\0\x43\0", 8));
  EXPECT_EQ(DataOf(r.Data()).ReadName(0), "AB");
}

TEST(ReadersTest, NameCutByTheEndReadsWhatIsPresent) {
  std::string bytes = sample::Utf16Le("布衣");
  bytes.pop_back();  // the end cuts the last unit to one byte
  ElementData data = DataOf(bytes);
  EXPECT_EQ(data.ReadName(0), G("布") + "c");  // 63 00: the cut unit completed by a zero byte
}

TEST(ReadersTest, FindMarkerFindsTheFirstOccurrenceAtAnyOffset) {
  const std::string marker = sample::Utf16Le("菜鸟布衣(男)");
  std::string bytes = std::string(7, 'x') + marker + "yy" + marker;
  ElementData data = DataOf(bytes);
  EXPECT_EQ(data.FindMarker(G("菜鸟布衣(男)")), 7) << "odd offset, first of two";
  EXPECT_EQ(data.FindMarker(G("菜鸟布衣（男）")), std::nullopt) << "full-width parentheses differ";
  EXPECT_EQ(data.FindMarker(""), std::nullopt);
  EXPECT_EQ(ElementData().FindMarker(G("菜鸟")), std::nullopt);
  EXPECT_EQ(DataOf(bytes.substr(0, bytes.size() - 1)).FindMarker(G("菜鸟布衣(男)")), 7);
}

TEST(ReadersTest, OffsetArithmeticSaturates) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  EXPECT_EQ(OffsetAdd(kMax, 1), kMax);
  EXPECT_EQ(OffsetAdd(kMin, -1), kMin);
  EXPECT_EQ(OffsetAdd(20, -30), -10);
  EXPECT_EQ(OffsetMul(std::int64_t{1} << 40, std::int64_t{1} << 40), kMax);
  EXPECT_EQ(OffsetMul(-(std::int64_t{1} << 40), std::int64_t{1} << 40), kMin);
  EXPECT_EQ(OffsetMul(2147483647, 2147483647), std::int64_t{2147483647} * 2147483647);
}

}  // namespace
}  // namespace velkarin::data

// The washable-attribute pools and the washing panel.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "washset/wash_pool.h"
#include "washset/washset_panels.h"
#include "washset_fixtures.h"

namespace velkarin::washset {
namespace {

using namespace testing;
using sample::PoolEntrySpec;

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr std::array<float, 6> kCounts = {0.3f, 0.3f, 0.2f, 0.1f, 0.07f, 0.03f};

struct SixDigitCase {
  float value;
  const char* text;
};
class SixDigitTextTest : public ::testing::TestWithParam<SixDigitCase> {};

TEST_P(SixDigitTextTest, RoundsHalfAwayFromZero) {
  EXPECT_EQ(SixDigitText(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SixDigitTextTest,
    ::testing::Values(
        SixDigitCase{0.3f, "0.3"}, SixDigitCase{0.125f, "0.125"}, SixDigitCase{0.0f, "0"},
        SixDigitCase{-0.0f, "-0"}, SixDigitCase{1.0f, "1"}, SixDigitCase{-0.3f, "-0.3"},
        // Exact ties, which "%.6g" would round to even.
        SixDigitCase{1.0f / 512, "0.00195313"}, SixDigitCase{-1.0f / 512, "-0.00195313"},
        SixDigitCase{123456.5f, "123457"}, SixDigitCase{999999.5f, "1e+06"},
        // Just off a tie, both ways.
        SixDigitCase{1.0f / 2048, "0.000488281"}, SixDigitCase{1.0f / 4096, "0.000244141"},
        // The rounding carries into the exponent and may change the notation.
        SixDigitCase{1e-5f, "1e-05"}, SixDigitCase{1e-4f, "0.0001"}, SixDigitCase{1234567.0f, "1.23457e+06"},
        SixDigitCase{1e10f, "1e+10"}, SixDigitCase{std::numeric_limits<float>::max(), "3.40282e+38"},
        SixDigitCase{std::numeric_limits<float>::denorm_min(), "1.4013e-45"},
        SixDigitCase{kInf, "inf"}, SixDigitCase{-kInf, "-inf"}, SixDigitCase{kNaN, "nan"}));

// A file with the marker item and items of these washable-attribute pools,
// then the pool list.
data::ElementData WashFile(const std::vector<std::int32_t>& washPoolIds, const std::vector<sample::Record>& pools) {
  std::vector<sample::EquipSpec> items;
  for (std::int32_t id : washPoolIds) items.push_back(Item(100 + static_cast<std::int32_t>(items.size()), "", id));
  sample::FileBuilder file = velkarin::testing::FileWithEquips(WithMarkerItem(items));
  file.List(sample::kAddonPoolRecordSize, pools);
  return DataOf(file);
}

std::vector<std::string> Texts(const app::PanelLines& lines) {
  std::vector<std::string> texts;
  for (const app::PanelLine& line : lines) texts.push_back(U(line.text));
  return texts;
}

TEST(RenderWashPanel, ShowsTheCountProbabilitiesInWhiteAndTheCandidatesInBlue) {
  data::ElementData data = WashFile({7}, {Pool(7, kCounts, {{1, 50, 10, 0.125f}, {84, 2, 1, 0.3f}}, true)});
  app::PanelLines lines = RenderWashPanel(data, RecordPos(data, 1));
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{
                              "0属性出现概率：30.0%", "1属性出现概率：30.0%", "2属性出现概率：20.0%",
                              "3属性出现概率：10.0%", "4属性出现概率：7.0%", "5属性出现概率：3.0%",
                              "生命增加 10-50 出现概率12.5%", " 出现概率30.0%"}));
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].colour, i < 6 ? app::colour::kWhite : app::colour::kBlue) << i;
  }
}

// The panel shows a count probability as its six-digit text reads back.
TEST(RenderWashPanel, CountProbabilitiesGoThroughTheirSixDigitText) {
  float justBelow = std::nextafter(0.0005f, 0.0f);  // 0.000499999966: "0.0005"
  data::ElementData data = WashFile({3}, {Pool(3, {justBelow, 1.0f, 0.0f, kInf, -kInf, kNaN}, {}, true)});
  EXPECT_EQ(Texts(RenderWashPanel(data, RecordPos(data, 1))),
            (std::vector<std::string>{"0属性出现概率：0.1%", "1属性出现概率：100.0%", "2属性出现概率：0.0%",
                                      "3属性出现概率：inf%", "4属性出现概率：-inf%", "5属性出现概率：nan%"}));
}

TEST(RenderWashPanel, IsEmptyWithoutAPoolToShow) {
  data::ElementData data = WashFile({0, -4, 9, 7}, {Pool(7, kCounts, {}, true)});
  for (std::int64_t row : {1, 2, 3}) EXPECT_TRUE(RenderWashPanel(data, RecordPos(data, row)).empty()) << row;
  EXPECT_EQ(RenderWashPanel(data, RecordPos(data, 4)).size(), 6u);

  data::ElementData noPoolList = DataOf(velkarin::testing::FileWithEquips(WithMarkerItem({Item(5, "", 7)})));
  EXPECT_TRUE(RenderWashPanel(noPoolList, RecordPos(noPoolList, 1)).empty());
}

struct SlotCase {
  double first;
  double second;
  bool shown;
};
class PoolSlotTest : public ::testing::TestWithParam<SlotCase> {};

// A slot is empty when both values lie within 1e-7 of zero; a NaN is never
// beyond that.
TEST_P(PoolSlotTest, IsShownWhenAValueLiesBeyondOneTenMillionth) {
  const SlotCase& c = GetParam();
  data::ElementData data = WashFile({}, {Pool(1, kCounts, {{84, c.first, c.second, 0.5f}}, true)});
  auto pool = LookupAddonPool(data, 1);
  ASSERT_TRUE(pool);
  EXPECT_EQ(pool->candidates.size(), c.shown ? 1u : 0u) << c.first << ", " << c.second;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PoolSlotTest,
    ::testing::Values(SlotCase{0, 5e-8, false}, SlotCase{0, 2e-7, true}, SlotCase{1e-7, 0, false},
                      SlotCase{-1e-7, -1e-7, false}, SlotCase{-2e-7, 0, true},
                      SlotCase{std::nan(""), 0, false}, SlotCase{0, std::nan(""), false},
                      SlotCase{std::nan(""), 1, true}, SlotCase{0, -HUGE_VAL, true}));

TEST(LookupAddonPool, KeepsSlotOrderAndSkipsEmptySlots) {
  std::vector<PoolEntrySpec> slots(64);
  slots[3] = {0, 1, 1, 0.125f};
  slots[10] = {84, 1, 1, 0.3f};
  slots[63] = {85, 1, 1, 0};
  data::ElementData data = WashFile({}, {Pool(1, kCounts, slots, true)});
  auto pool = LookupAddonPool(data, 1);
  ASSERT_TRUE(pool);
  std::vector<std::string> candidates;
  for (const std::string& c : pool->candidates) candidates.push_back(U(c));
  EXPECT_EQ(candidates, (std::vector<std::string>{" 出现概率12.5%", " 出现概率30.0%", " 出现概率0.0%"}));
  EXPECT_EQ(pool->countTexts, (std::array<std::string, 6>{"0.3", "0.3", "0.2", "0.1", "0.07", "0.03"}));
}

TEST(LookupAddonPool, TakesTheFirstRecordWithTheId) {
  data::ElementData data = WashFile({}, {Pool(1, kCounts, {}, true), Pool(2, {0.5f}), Pool(2, {0.25f})});
  auto pool = LookupAddonPool(data, 2);
  ASSERT_TRUE(pool);
  EXPECT_EQ(pool->countTexts[0], "0.5");
  EXPECT_FALSE(LookupAddonPool(data, 3));
}

// A record cut by the end of the file reads its missing bytes as zero.
TEST(LookupAddonPool, ReadsARecordCutByTheEndOfTheFile) {
  sample::FileBuilder file = velkarin::testing::FileWithEquips(WithMarkerItem({}));
  sample::Record pool = Pool(1, {0.5f, 0.25f}, {{84, 1, 1, 0.5f}, {84, 2, 2, 0.25f}}, true);
  file.Header(sample::kAddonPoolRecordSize, 1).Raw(pool.Data().substr(0, 104 + 24 + 8));
  auto found = LookupAddonPool(DataOf(file), 1);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->countTexts, (std::array<std::string, 6>{"0.5", "0.25", "0", "0", "0", "0"}));
  ASSERT_EQ(found->candidates.size(), 1u);
  EXPECT_EQ(U(found->candidates[0]), " 出现概率50.0%");
}

// Record sizes that walk backwards or stand still, with the largest count,
// end at once and find what a walk over every record would.
TEST(LookupAddonPool, WalksHostileListsInBoundedTime) {
  for (std::int32_t size : {0, -1, -1640, -2147483647 - 1}) {
    sample::FileBuilder file = velkarin::testing::FileWithEquips(WithMarkerItem({}));
    file.Header(size, 2147483647).Raw(Pool(5, {0.5f}, {}, true).Data());
    data::ElementData data = DataOf(file);
    EXPECT_TRUE(LookupAddonPool(data, 5)) << size;
    // Backwards, every read before the file sees its first bytes: the file
    // header, whose first int32 is the text "VELK".
    std::int32_t atZero = data.ReadInt32(0);
    EXPECT_EQ(LookupAddonPool(data, atZero).has_value(), size < 0) << size;
    EXPECT_FALSE(LookupAddonPool(data, 0x7EAD1234)) << size;
  }
}

}  // namespace
}  // namespace velkarin::washset

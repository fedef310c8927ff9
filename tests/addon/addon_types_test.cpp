// The addon type table: every row worded byte for byte.
#include <gtest/gtest.h>

#include <limits>

#include "addon/addon.h"
#include "fixtures.h"
#include "sample/builder.h"

namespace velkarin::addon {
namespace {

using testing::G;
using testing::U;

RawParam Int(std::int32_t value) { return sample::IntParam(value); }
RawParam Float(float value) { return sample::FloatParam(value); }

struct TypeCase {
  std::int32_t type;
  RawParam param1;
  RawParam param2;
  const char* text;  // UTF-8
};

void PrintTo(const TypeCase& c, std::ostream* os) { *os << "type " << c.type << ": " << c.text; }

class DescribeAddonTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(DescribeAddonTypeTest, WordsTheRow) {
  const TypeCase& c = GetParam();
  EXPECT_EQ(U(DescribeAddonType(c.type, c.param1, c.param2)), c.text);
  EXPECT_EQ(DescribeAddonType(c.type, c.param1, c.param2), G(c.text)) << "GBK bytes";
}

// Each regular row with the pattern it decodes (an int32 of ten times the
// type, so that rows cannot be mixed up unseen, or a float32 fraction); P2
// holds noise that no regular row reads.
INSTANTIATE_TEST_SUITE_P(
    RegularRows, DescribeAddonTypeTest,
    ::testing::Values(
    TypeCase{1, Int(10), Int(777), "生命增加 10"},
    TypeCase{2, Int(20), Int(777), "真气增加 20"},
    TypeCase{3, Int(30), Int(777), "攻击增加 30"},
    TypeCase{4, Int(40), Int(777), "防御增加 40"},
    TypeCase{5, Int(50), Int(777), "命中增加 50"},
    TypeCase{6, Int(60), Int(777), "闪避增加 60"},
    TypeCase{7, Float(0.05f), Int(777), "致命一击率增加 5.00%"},
    TypeCase{8, Float(0.05f), Int(777), "致命一击伤害增加 5.00%"},
    TypeCase{9, Int(90), Int(777), "眩晕抗性增加 90"},
    TypeCase{10, Int(100), Int(777), "虚弱抗性增加 100"},
    TypeCase{11, Int(110), Int(777), "缓慢抗性增加 110"},
    TypeCase{12, Int(120), Int(777), "沉默抗性增加 120"},
    TypeCase{13, Int(130), Int(777), "睡眠抗性增加 130"},
    TypeCase{14, Int(140), Int(777), "缠绕抗性增加 140"},
    TypeCase{15, Float(0.05f), Int(777), "生命提升 5.0%"},
    TypeCase{16, Float(0.05f), Int(777), "真气提升 5.0%"},
    TypeCase{17, Float(0.05f), Int(777), "攻击力提升 5.0%"},
    TypeCase{18, Float(0.05f), Int(777), "防御力提升 5.0%"},
    TypeCase{19, Float(0.05f), Int(777), "眩晕抗性提升 5.0%"},
    TypeCase{20, Float(0.05f), Int(777), "虚弱抗性提升 5.0%"},
    TypeCase{21, Float(0.05f), Int(777), "缓慢抗性提升 5.0%"},
    TypeCase{22, Float(0.05f), Int(777), "沉默抗性提升 5.0%"},
    TypeCase{23, Float(0.05f), Int(777), "睡眠抗性提升 5.0%"},
    TypeCase{24, Float(0.05f), Int(777), "缠绕抗性提升 5.0%"},
    TypeCase{25, Float(1.2f), Int(777), "移动速度增加 1.2米/秒"},
    TypeCase{26, Float(0.05f), Int(777), "生命恢复速度提升 5.0%"},
    TypeCase{27, Float(0.05f), Int(777), "真气恢复速度提升 5.0%"},
    TypeCase{28, Int(280), Int(777), "获得经验增加 280"},
    TypeCase{29, Float(0.05f), Int(777), "获得经验提升 5.0%"},
    TypeCase{30, Int(300), Int(777), "获得金钱增加 300"},
    TypeCase{31, Float(0.05f), Int(777), "获得金钱提升 5.0%"},
    TypeCase{32, Int(320), Int(777), "所受伤害减少 320"},
    TypeCase{33, Float(0.05f), Int(777), "所受伤害下降 5.0%"},
    TypeCase{36, Int(360), Int(777), "攻击时给对手附加 360点伤害"},
    TypeCase{37, Float(1.2f), Int(777), "骑乘、幻形速度增加 1.2米/秒"},
    TypeCase{38, Float(0.05f), Int(777), "抗致命一击率增加 5.0%"},
    TypeCase{39, Float(0.05f), Int(777), "抗致命一击伤害增加 5.0%"},
    TypeCase{40, Int(400), Int(777), "增加技能攻击力 400"},
    TypeCase{42, Int(420), Int(777), "眩晕专精增加 420"},
    TypeCase{43, Int(430), Int(777), "虚弱专精增加 430"},
    TypeCase{44, Int(440), Int(777), "缓慢专精增加 440"},
    TypeCase{45, Int(450), Int(777), "沉默专精增加 450"},
    TypeCase{46, Int(460), Int(777), "睡眠专精增加 460"},
    TypeCase{47, Int(470), Int(777), "缠绕专精增加 470"},
    TypeCase{48, Int(480), Int(777), "玄武精通增加 480"},
    TypeCase{49, Int(490), Int(777), "朱雀精通增加 490"},
    TypeCase{50, Int(500), Int(777), "青龙精通增加 500"},
    TypeCase{51, Int(510), Int(777), "白虎精通增加 510"},
    TypeCase{52, Float(0.05f), Int(777), "玄武精通增加 5.0%"},
    TypeCase{53, Float(0.05f), Int(777), "朱雀精通增加 5.0%"},
    TypeCase{54, Float(0.05f), Int(777), "青龙精通增加 5.0%"},
    TypeCase{55, Float(0.05f), Int(777), "白虎精通增加 5.0%"},
    TypeCase{56, Int(560), Int(777), "玄武抗性增加 560"},
    TypeCase{57, Int(570), Int(777), "朱雀抗性增加 570"},
    TypeCase{58, Int(580), Int(777), "青龙抗性增加 580"},
    TypeCase{59, Int(590), Int(777), "白虎抗性增加 590"},
    TypeCase{60, Float(0.05f), Int(777), "玄武抗性增加 5.0%"},
    TypeCase{61, Float(0.05f), Int(777), "朱雀抗性增加 5.0%"},
    TypeCase{62, Float(0.05f), Int(777), "青龙抗性增加 5.0%"},
    TypeCase{63, Float(0.05f), Int(777), "白虎抗性增加 5.0%"},
    TypeCase{64, Float(0.05f), Int(777), "连击率增加 5.0%"},
    TypeCase{65, Float(0.05f), Int(777), "抗连击率增加 5.0%"},
    TypeCase{66, Float(0.05f), Int(777), "神圣一击率增加 5.0%"},
    TypeCase{67, Float(0.05f), Int(777), "神圣一击伤害增加 5.0%"},
    TypeCase{68, Float(0.05f), Int(777), "抗神圣一击率增加 5.0%"},
    TypeCase{69, Float(0.05f), Int(777), "抗神圣一击伤害增加 5.0%"},
    TypeCase{70, Float(0.05f), Int(777), "获得经验提升 5.0%"},
    TypeCase{71, Float(0.05f), Int(777), "图腾血量传承增加 5.0%"},
    TypeCase{72, Float(0.05f), Int(777), "图腾攻击传承增加 5.0%"},
    TypeCase{73, Float(0.05f), Int(777), "图腾防御传承增加 5.0%"},
    TypeCase{74, Int(740), Int(777), "祝福类图腾可同时存在的总数增加 740"},
    TypeCase{75, Int(750), Int(777), "攻击类图腾可同时存在的总数增加 750"},
    TypeCase{76, Int(760), Int(777), "诅咒类图腾可同时存在的总数增加 760"},
    TypeCase{78, Int(15), Int(777), "技能命中增加 1.5%"},
    TypeCase{79, Int(15), Int(777), "技能闪避增加 1.5%"},
    TypeCase{80, Float(0.05f), Int(777), "阵营伤害系数增加 5.0%"},
    TypeCase{81, Float(0.05f), Int(777), "阵营免伤系数增加 5.0%"},
    TypeCase{82, Int(820), Int(777), "阵营伤害增加 820"},
    TypeCase{83, Int(830), Int(777), "阵营免伤增加 830"},
    TypeCase{0, {}, {}, ""}));

INSTANTIATE_TEST_SUITE_P(
    SpecialRows, DescribeAddonTypeTest,
    ::testing::Values(
        TypeCase{34, Int(2), Int(1), "清风破技能等级增加 1"},
        TypeCase{35, Int(2), Float(1.5f), "降低清风破技能冷却时间 1.5秒"},
        TypeCase{41, Int(2), Int(3), "清风破 3级"},
        TypeCase{77, Int(1), Int(2), "1召唤图腾数量增加 2"},
        // Skills without a name leave the name out and nothing else.
        TypeCase{34, Int(0), Int(1), "技能等级增加 1"},
        TypeCase{41, Int(1124), Int(3), " 3级"},
        TypeCase{35, Int(0), Float(2.0f), "降低技能冷却时间 2.0秒"},
        TypeCase{41, Int(1558), Int(-3), " -3级"},
        // Placeholder names of the skills we know no name of.
        TypeCase{34, Int(512), Int(2), "技能#512技能等级增加 2"},
        // P2 decodes as the row says: float32 1.5 under an int32 row is its bit pattern.
        TypeCase{34, Int(3), Float(1.5f), "震烈击技能等级增加 1069547520"},
        TypeCase{35, Int(3), Int(15), "降低震烈击技能冷却时间 0.0秒"},
        TypeCase{77, Float(1.0f), Int(0), "1065353216召唤图腾数量增加 0"}));

INSTANTIATE_TEST_SUITE_P(
    Decoding, DescribeAddonTypeTest,
    ::testing::Values(
        // The decoding follows the type, not the data.
        TypeCase{1, Float(1.0f), {}, "生命增加 1065353216"},
        TypeCase{15, Float(1.0f), {}, "生命提升 100.0%"},
        TypeCase{1, Int(-5), {}, "生命增加 -5"}, TypeCase{7, Float(0.05f), {}, "致命一击率增加 5.00%"},
        TypeCase{25, Float(0.35f), {}, "移动速度增加 0.3米/秒"},
        TypeCase{36, Int(100), {}, "攻击时给对手附加 100点伤害"},
        TypeCase{78, Int(20), {}, "技能命中增加 2.0%"},
        TypeCase{79, Int(-2147483647 - 1), {}, "技能闪避增加 -214748364.8%"},
        TypeCase{32, Int(-10), {}, "所受伤害减少 -10"},
        TypeCase{33, Float(-0.1f), {}, "所受伤害下降 -10.0%"},
        TypeCase{29, Float(0.0125f), {}, "获得经验提升 1.3%"},
        TypeCase{70, Float(0.0125f), {}, "获得经验提升 1.3%"},
        TypeCase{8, Float(0.0125f), {}, "致命一击伤害增加 1.25%"},
        TypeCase{16, Float(-0.0001f), {}, "真气提升 -0.0%"},
        TypeCase{17, Float(std::numeric_limits<float>::infinity()), {}, "攻击力提升 inf%"},
        TypeCase{37, Float(-std::numeric_limits<float>::infinity()), {}, "骑乘、幻形速度增加 -inf米/秒"},
        TypeCase{18, Int(-1), {}, "防御力提升 nan%"},
        // Types without a row.
        TypeCase{84, Int(1), Int(1), ""}, TypeCase{-1, Int(1), Int(1), ""},
        TypeCase{-2147483647 - 1, Int(1), Int(1), ""}));

TEST(AddonTypeRow, KeepsThePiecesOfEveryRowForTheRangeForm) {
  for (std::int32_t type = 1; type <= 83; ++type) {
    const AddonTypeRow* row = FindAddonTypeRow(type);
    ASSERT_NE(row, nullptr) << type;
    EXPECT_EQ(row->type, type);
  }
  EXPECT_EQ(FindAddonTypeRow(0), nullptr);
  EXPECT_EQ(FindAddonTypeRow(84), nullptr);

  const AddonTypeRow& crit = *FindAddonTypeRow(7);
  EXPECT_EQ(crit.valueText, ValueText::Percent);
  EXPECT_EQ(crit.decimals, 2);
  EXPECT_EQ(U(crit.label), "致命一击率增加 ");
  EXPECT_EQ(U(crit.suffix), "%");
  EXPECT_EQ(FindAddonTypeRow(78)->valueText, ValueText::Tenths);
  EXPECT_EQ(FindAddonTypeRow(37)->valueText, ValueText::Plain);
  EXPECT_EQ(U(FindAddonTypeRow(36)->suffix), "点伤害");

  struct Special {
    std::int32_t type;
    const char *prefix, *label, *suffix;
  };
  for (const Special& s : {Special{34, "", "技能等级增加 ", ""}, Special{35, "降低", "技能冷却时间 ", "秒"},
                           Special{41, "", " ", "级"}, Special{77, "", "召唤图腾数量增加 ", ""}}) {
    const AddonTypeRow& row = *FindAddonTypeRow(s.type);
    EXPECT_EQ(row.valueText, ValueText::Special) << s.type;
    EXPECT_EQ(U(row.prefix), s.prefix) << s.type;
    EXPECT_EQ(U(row.label), s.label) << s.type;
    EXPECT_EQ(U(row.suffix), s.suffix) << s.type;
  }
}

}  // namespace
}  // namespace velkarin::addon

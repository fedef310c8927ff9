#include "equip/equip_panel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>

#include "data/equip_record.h"
#include "data/lists.h"
#include "fixtures.h"

namespace velkarin::equip {
namespace {

using app::ColourFromCode;
using app::ColourValue;
using sample::EquipSpec;
using velkarin::testing::DataOf;
using velkarin::testing::FileWithEquips;
using velkarin::testing::G;
using velkarin::testing::U;

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();
constexpr ColourValue kWhite = app::colour::kWhite;
constexpr ColourValue kBlack = app::colour::kBlack;
constexpr ColourValue kGreen = app::colour::kGreen;
constexpr ColourValue kRed = 255;  // ff0000

// A panel line with its text in UTF-8, so that failures read plainly.
struct Line {
  ColourValue colour;
  std::string text;
  bool operator==(const Line&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Line& line) {
  return os << "{" << line.colour << ", \"" << line.text << "\"}";
}
Line W(std::string text) { return {kWhite, std::move(text)}; }
using Lines = std::vector<Line>;

// Pools: 1 the usual kind, 2 with negative raises, 3 at the top of int32.
// Each gives W1..W4, that is end and start of the main (lower attack) range,
// then end and start of the upper attack range.
std::vector<sample::Record> Pools() {
  return {
      sample::MainAttrPoolRecord({1, std::string(sample::kMainAttrPoolMarker), {50, 10, 80, 20}}),
      sample::MainAttrPoolRecord({2, "负值库", {25, -20, -1, -30}}),
      sample::MainAttrPoolRecord({3, "大数库", {kMaxInt, kMaxInt, kMaxInt, kMaxInt}})};
}

// Addons 101 and 102 describe as 生命增加 5 and 生命增加 7; 999 does not exist.
std::vector<sample::Record> Addons() {
  return {sample::AddonRecord({101, 1, sample::IntParam(5), {}}),
          sample::AddonRecord({102, 1, sample::IntParam(7), {}})};
}

struct Rendered {
  data::ElementData data;
  std::int64_t recordPos = 0;
};

// A file with the addon list, list 3 (record 7 named 武器), the equipment list
// holding this one record and, unless told otherwise, the pool list.
Rendered FileOf(EquipSpec fields, bool withPools = true) {
  fields.name = std::string(sample::kEquipMarker);
  sample::FileBuilder file = FileWithEquips({fields}, Addons(), {sample::NamedRecord(7, "武器")});
  if (withPools) file.List(sample::kMainAttrPoolRecordSize, Pools());
  Rendered r{DataOf(file), 0};
  r.recordPos = data::LocateEquipList(r.data).pos + data::kListHeaderBytes;
  return r;
}

Lines ToUtf8(const app::PanelLines& lines) {
  Lines out;
  for (const app::PanelLine& line : lines) out.push_back({line.colour, U(line.text)});
  return out;
}

Lines Render(const EquipSpec& fields, std::string_view refine = "0",
             std::string_view listedName = "名字", bool withPools = true) {
  Rendered r = FileOf(fields, withPools);
  return ToUtf8(RenderEquipPanel(r.data, r.recordPos, G(listedName), G(refine)));
}

// The lines after the name and the list-3 line.
Lines Body(const Lines& lines) {
  return Lines(lines.begin() + std::min<size_t>(2, lines.size()), lines.end());
}

struct BodyCase {
  const char* what;
  std::function<void(EquipSpec&)> set;
  Lines body;
};

void ExpectBodies(const std::vector<BodyCase>& cases) {
  for (const BodyCase& c : cases) {
    EquipSpec fields;
    c.set(fields);
    EXPECT_EQ(Body(Render(fields)), c.body) << c.what;
  }
}

const Line kLevel0 = W("等级要求 0");

TEST(EquipPanel, MainAttributeLines) {
  ExpectBodies({
      {"nothing", [](EquipSpec&) {}, {kLevel0}},
      {"hp", [](EquipSpec& s) { s.hp = 100; }, {W("生命值 +100"), kLevel0}},
      {"hp zero", [](EquipSpec& s) { s.hp = 0; }, {kLevel0}},
      {"hp negative", [](EquipSpec& s) { s.hp = -5; }, {kLevel0}},
      {"hp washed",
       [](EquipSpec& s) { s.hp = 100; s.mainAttrKind = 8; s.mainAttrPoolId = 1; },
       {W("生命值 +100       [洗后主属性增加范围：110-150]"), kLevel0}},
      {"hp zero shown through its range start",
       [](EquipSpec& s) { s.hp = 0; s.mainAttrKind = 8; s.mainAttrPoolId = 1; },
       {W("生命值 +0       [洗后主属性增加范围：10-50]"), kLevel0}},
      {"negative range start",
       [](EquipSpec& s) { s.hp = 30; s.mainAttrKind = 8; s.mainAttrPoolId = 2; },
       {W("生命值 +30       [洗后主属性增加范围：10-55]"), kLevel0}},
      {"negative range start hides the line",
       [](EquipSpec& s) { s.hp = 20; s.mainAttrKind = 8; s.mainAttrPoolId = 2; },
       {kLevel0}},
      {"pool ID without a record",
       [](EquipSpec& s) { s.hp = 100; s.mainAttrKind = 8; s.mainAttrPoolId = 9; },
       {W("生命值 +100"), kLevel0}},
      {"pool ID 0",
       [](EquipSpec& s) { s.hp = 100; s.mainAttrKind = 8; },
       {W("生命值 +100"), kLevel0}},
      {"pool ID negative",
       [](EquipSpec& s) { s.hp = 100; s.mainAttrKind = 8; s.mainAttrPoolId = -1; },
       {W("生命值 +100"), kLevel0}},
      {"unknown main attribute",
       [](EquipSpec& s) { s.hp = 100; s.mainAttrKind = 3; s.mainAttrPoolId = 1; },
       {W("生命值 +100"), kLevel0}},
      {"only the main attribute is washed",
       [](EquipSpec& s) { s.hp = 100; s.mainAttrKind = 2; s.mainAttrPoolId = 1; },
       {W("生命值 +100"), W("真气值 +0       [洗后主属性增加范围：10-50]"), kLevel0}},
      {"mp washed",
       [](EquipSpec& s) { s.mp = 30; s.mainAttrKind = 2; s.mainAttrPoolId = 1; },
       {W("真气值 +30       [洗后主属性增加范围：40-80]"), kLevel0}},
      {"attack",
       [](EquipSpec& s) { s.attackMin = 0; s.attackMax = 10; },
       {W("攻击 0-10"), kLevel0}},
      {"attack none", [](EquipSpec& s) { s.attackMin = 0; s.attackMax = 0; }, {kLevel0}},
      {"attack negative low",
       [](EquipSpec& s) { s.attackMin = -5; s.attackMax = 3; },
       {W("攻击 -5-3"), kLevel0}},
      {"attack washed",
       [](EquipSpec& s) {
         s.attackMin = 0; s.attackMax = 10; s.mainAttrKind = 1; s.mainAttrPoolId = 1;
       },
       {W("攻击 0-10 [洗后小攻:10-50 大攻:30-90]"), kLevel0}},
      {"attack below its negative range start",
       [](EquipSpec& s) {
         s.attackMin = -30; s.attackMax = 5; s.mainAttrKind = 1; s.mainAttrPoolId = 2;
       },
       {kLevel0}},
      {"defence washed",
       [](EquipSpec& s) { s.defence = 20; s.mainAttrKind = 4; s.mainAttrPoolId = 1; },
       {W("防御 +20       【洗后主属性增加范围：30-70】"), kLevel0}},
      {"defence", [](EquipSpec& s) { s.defence = 20; }, {W("防御 +20"), kLevel0}},
  });
}

TEST(EquipPanel, NoPoolListLeavesOutTheSuffix) {
  EquipSpec fields;
  fields.defence = 20; fields.mainAttrKind = 4; fields.mainAttrPoolId = 1;
  EXPECT_EQ(Body(Render(fields, "0", "名字", false)), (Lines{W("防御 +20"), kLevel0}));
}

TEST(EquipPanel, AttackRangeIsTruncated) {
  const float kInf = std::numeric_limits<float>::infinity();
  const std::vector<std::pair<float, Lines>> cases = {
      {2.7f, {W("攻击距离 2.00"), kLevel0}},
      {0.5f, {kLevel0}},
      {-0.9f, {kLevel0}},
      {-1.5f, {W("攻击距离 -1.00"), kLevel0}},
      {3e9f, {W("攻击距离 3000000000.00"), kLevel0}},  // beyond int32
      {kInf, {W("攻击距离 inf"), kLevel0}},
      {-kInf, {W("攻击距离 -inf"), kLevel0}},
      {std::nanf(""), {W("攻击距离 nan"), kLevel0}},
  };
  for (const auto& [range, body] : cases) {
    EquipSpec fields;
    fields.attackRange = range;
    EXPECT_EQ(Body(Render(fields)), body) << range;
  }
}

TEST(EquipPanel, SecondaryAndRestrictionLines) {
  ExpectBodies({
      {"hit and dodge",
       [](EquipSpec& s) { s.hit = 3; s.dodge = 4; },
       {W("命中 +3"), W("躲闪 +4"), kLevel0}},
      {"no hit or dodge", [](EquipSpec& s) { s.hit = -1; s.dodge = 0; }, {kLevel0}},
      {"race 1", [](EquipSpec& s) { s.race = 1; }, {W("种族限制 人族"), kLevel0}},
      {"race 2", [](EquipSpec& s) { s.race = 2; }, {W("种族限制 魔族"), kLevel0}},
      {"race 3", [](EquipSpec& s) { s.race = 3; }, {kLevel0}},
      {"professions",
       [](EquipSpec& s) { s.professionMask = 6; },
       {W("职业限制 散人 游侠 "), kLevel0}},
      {"mask -1", [](EquipSpec& s) { s.professionMask = -1; }, {kLevel0}},
      {"mask 2^32-1", [](EquipSpec& s) { s.professionMask = 4294967295; }, {kLevel0}},
      {"other negative mask names none",
       [](EquipSpec& s) { s.professionMask = -2; },
       {W("职业限制 "), kLevel0}},
      {"level", [](EquipSpec& s) { s.levelReq = -3; }, {W("等级要求 -3")}},
      {"realm 1", [](EquipSpec& s) { s.realmReq = 1; }, {kLevel0, W("武术境界要求 明劲一重初期")}},
      {"realm 150",
       [](EquipSpec& s) { s.realmReq = 150; },
       {kLevel0, W("武术境界要求 不坏八重后期")}},
      {"realm 151", [](EquipSpec& s) { s.realmReq = 151; }, {kLevel0}},
      {"realm negative", [](EquipSpec& s) { s.realmReq = -1; }, {kLevel0}},
      {"rank 2", [](EquipSpec& s) { s.rankReq = 2; }, {kLevel0, W("小天位 专用")}},
      {"rank 3", [](EquipSpec& s) { s.rankReq = 3; }, {kLevel0, W("真身小天位 专用")}},
      {"rank 4", [](EquipSpec& s) { s.rankReq = 4; }, {kLevel0, W("强天位 专用")}},
      {"rank 6", [](EquipSpec& s) { s.rankReq = 6; }, {kLevel0, W("小天位强天位 专用")}},
      {"rank 8", [](EquipSpec& s) { s.rankReq = 8; }, {kLevel0, W("斋天位 专用")}},
      {"rank 9", [](EquipSpec& s) { s.rankReq = 9; }, {kLevel0, W("真身斋天位 专用")}},
      {"rank 16", [](EquipSpec& s) { s.rankReq = 16; }, {kLevel0, W("太天位 专用")}},
      {"rank 10 is a sum, no code", [](EquipSpec& s) { s.rankReq = 10; }, {kLevel0}},
      {"gender 0", [](EquipSpec& s) { s.gender = 0; }, {kLevel0, W("性别限制 男")}},
      {"gender 1", [](EquipSpec& s) { s.gender = 1; }, {kLevel0, W("性别限制 女")}},
      {"sockets", [](EquipSpec& s) { s.socketCount = 3; }, {kLevel0, {kGreen, "该装备可打3孔"}}},
      {"no sockets", [](EquipSpec& s) { s.socketCount = -1; }, {kLevel0}},
  });
}

TEST(EquipPanel, AddonLinesInSlotOrder) {
  EquipSpec fields;
  fields.addonIds = {102, 0, 101, -3, 999};
  EXPECT_EQ(Body(Render(fields)),
            (Lines{kLevel0, {kBlack, "生命增加 7"}, {kBlack, "生命增加 5"}, {kBlack, ""}}));
}

TEST(EquipPanel, PriceInGoldSilverCopper) {
  const std::vector<std::pair<std::int32_t, std::string>> cases = {
      {1, "价格 1铜"},
      {5, "价格 5铜"},
      {99, "价格 99铜"},
      {100, "价格 1银"},
      {1234, "价格 12银34铜"},
      {9999, "价格 99银99铜"},
      {10000, "价格 1金"},
      {10005, "价格 1金5铜"},
      {120034, "价格 12金34铜"},
      {123456, "价格 12金34银56铜"},
      {kMaxInt, "价格 214748金36银47铜"},
  };
  for (const auto& [price, text] : cases) {
    EquipSpec fields;
    fields.price = price;
    EXPECT_EQ(Body(Render(fields)), (Lines{kLevel0, W(text)})) << price;
  }
  for (std::int32_t price : {0, -5, kMinInt}) {
    EquipSpec fields;
    fields.price = price;
    EXPECT_EQ(Body(Render(fields)), Lines{kLevel0}) << price;
  }
}

struct NameCase {
  std::string listed;
  std::int32_t refinable;
  std::string refine;
  Line name;
};

TEST(EquipPanel, NameLineWithRefineLevelAndBand) {
  const std::string marker = "^ff0000菜鸟布衣(男)";
  const std::vector<NameCase> cases = {
      {marker, 1, "0", {kRed, "菜鸟布衣(男)"}},
      {marker, 1, "2", {kRed, "菜鸟布衣(男)(+2)"}},
      {marker, 1, "3", {kRed, "菜鸟布衣(男)(+3)"}},
      {marker, 1, "4", {ColourFromCode("6cfb4b"), "菜鸟布衣(男)(+4)"}},
      {marker, 1, "5", {ColourFromCode("6cfb4b"), "菜鸟布衣(男)(+5)"}},
      {marker, 1, "05", {ColourFromCode("6cfb4b"), "菜鸟布衣(男)(+05)"}},
      {marker, 1, "6", {ColourFromCode("6cfb4b"), "菜鸟布衣(男)(+6)"}},
      {marker, 1, "7", {ColourFromCode("0c286d"), "菜鸟布衣(男)(+7)"}},
      {marker, 1, "9", {ColourFromCode("0c286d"), "菜鸟布衣(男)(+9)"}},
      {marker, 1, "10", {ColourFromCode("5e1eff"), "菜鸟布衣(男)(+10)"}},
      {marker, 1, "12", {ColourFromCode("5e1eff"), "菜鸟布衣(男)(+12)"}},
      {"名字", 1, "13", {ColourFromCode("ff0000"), "名字(+13)"}},
      {"名字", 1, "15", {ColourFromCode("ff0000"), "名字(+15)"}},
      {marker, 1, "16", {ColourFromCode("ffdc50"), "菜鸟布衣(男)(+16)"}},
      {marker, 1, "20", {ColourFromCode("ffdc50"), "菜鸟布衣(男)(+20)"}},
      {marker, 1, "21", {kRed, "菜鸟布衣(男)(+21)"}},
      {marker, 1, "99999999999", {kRed, "菜鸟布衣(男)(+99999999999)"}},
      {marker, 1, "-3", {kRed, "菜鸟布衣(男)"}},
      {marker, 1, "abc", {kRed, "菜鸟布衣(男)"}},
      {marker, 1, "", {kRed, "菜鸟布衣(男)"}},
      {marker, 1, " 8级", {ColourFromCode("0c286d"), "菜鸟布衣(男)(+ 8级)"}},
      {marker, 2, "1", {kRed, "菜鸟布衣(男)(+1)"}},
      {marker, 0, "5", {kRed, "菜鸟布衣(男)"}},
      {marker, -1, "16", {kRed, "菜鸟布衣(男)"}},
      {"名字", 1, "1", {kWhite, "名字(+1)"}},
      {"^00ff00", 0, "0", {kGreen, ""}},
  };
  for (const NameCase& c : cases) {
    EquipSpec fields;
    fields.refinable = c.refinable;
    EXPECT_EQ(Render(fields, c.refine, c.listed).front(), c.name) << c.listed << " " << c.refine;
  }
}

TEST(EquipPanel, RefineBonusOfTheLevel) {
  EquipSpec fields;
  fields.hp = 100; fields.mp = 100; fields.mainAttrKind = 8;
  for (int level = 1; level <= 20; ++level) fields.refineBonus[level - 1] = 1000 + level;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0", "生命值 +100"},  {"1", "生命值 +1101"}, {"05", "生命值 +1105"}, {"20", "生命值 +1120"},
      {"21", "生命值 +100"}, {"-1", "生命值 +100"}, {"abc", "生命值 +100"},
  };
  for (std::int32_t refinable : {0, 1}) {  // the bonus does not depend on Refinable
    fields.refinable = refinable;
    for (const auto& [refine, hp] : cases) {
      EXPECT_EQ(Body(Render(fields, refine)), (Lines{W(hp), W("真气值 +100"), kLevel0}))
          << refine << " refinable " << refinable;
    }
  }
}

TEST(EquipPanel, RefinedAttackAndDefenceWithRange) {
  EquipSpec fields;
  fields.attackMin = 10; fields.attackMax = 20; fields.defence = 30; fields.mainAttrPoolId = 1;
  fields.refineBonus[2] = 5;  // level 3
  fields.mainAttrKind = 1;
  EXPECT_EQ(Body(Render(fields, "3")),
            (Lines{W("攻击 15-25 [洗后小攻:25-65 大攻:45-105]"), W("防御 +30"), kLevel0}));
  fields.mainAttrKind = 4;
  EXPECT_EQ(Body(Render(fields, "3")),
            (Lines{W("攻击 10-20"), W("防御 +35       【洗后主属性增加范围：45-85】"), kLevel0}));
}

TEST(EquipPanel, SumsAreExactBeyondInt32) {
  EquipSpec fields;
  fields.hp = kMaxInt; fields.attackMin = kMaxInt; fields.attackMax = kMaxInt; fields.mainAttrPoolId = 3;
  fields.refineBonus[0] = kMaxInt;
  fields.mainAttrKind = 8;
  EXPECT_EQ(Body(Render(fields, "1")).front(),
            W("生命值 +4294967294       [洗后主属性增加范围：6442450941-6442450941]"));
  fields.mainAttrKind = 1;
  EXPECT_EQ(
      Body(Render(fields, "1"))[1],
      W("攻击 4294967294-4294967294 [洗后小攻:6442450941-6442450941 大攻:6442450941-6442450941]"));
  // Wrapped to int32 these sums would turn positive and show a line.
  EquipSpec low;
  low.hp = kMinInt; low.mainAttrKind = 8; low.refineBonus[0] = -1;
  EXPECT_EQ(Body(Render(low, "1")), Lines{kLevel0});
}

TEST(EquipPanel, NameListAndSubtitleLines) {
  const std::vector<std::pair<std::string, Lines>> subtitles = {
      {"^ffdc50传说之物", {{ColourFromCode("ffdc50"), "传说之物"}}},
      {"新手专用", {W("新手专用")}},
      {"^ffdc50", {}},
      {"", {}},
  };
  for (const auto& [subtitle, lines] : subtitles) {
    EquipSpec fields;
    fields.subtitle = subtitle;
    fields.list3Id = 7;
    Lines expected = {W("名字"), W("武器")};
    expected.insert(expected.end(), lines.begin(), lines.end());
    expected.push_back(kLevel0);
    EXPECT_EQ(Render(fields), expected) << subtitle;
  }
  EquipSpec unknownList3;
  unknownList3.list3Id = 8;
  EXPECT_EQ(Render(unknownList3), (Lines{W("名字"), W(""), kLevel0}));
}

TEST(EquipPanel, EveryLineInOrder) {
  EquipSpec s;
  s.list3Id = 7; s.subtitle = "^6cfb4b门派赠礼"; s.mainAttrKind = 8; s.mainAttrPoolId = 1;
  s.hp = 100; s.mp = 50; s.attackRange = 2.5f; s.attackMin = 3; s.attackMax = 9; s.defence = 40;
  s.hit = 6; s.dodge = 7; s.race = 2; s.professionMask = 1; s.levelReq = 60; s.realmReq = 19;
  s.rankReq = 8; s.gender = 1; s.addonIds = {101, 0, 0, 0, 102}; s.socketCount = 2;
  s.price = 10203; s.refinable = 1; s.refineBonus[6] = 11;
  EXPECT_EQ(Render(s, "7", "^ffffff天罡战甲(女)"),
            (Lines{
                {ColourFromCode("0c286d"), "天罡战甲(女)(+7)"},
                W("武器"),
                {ColourFromCode("6cfb4b"), "门派赠礼"},
                W("生命值 +111       [洗后主属性增加范围：121-161]"),
                W("真气值 +50"),
                W("攻击距离 2.00"),
                W("攻击 3-9"),
                W("防御 +40"),
                W("命中 +6"),
                W("躲闪 +7"),
                W("种族限制 魔族"),
                W("职业限制 菜鸟 "),
                W("等级要求 60"),
                W("武术境界要求 暗劲一重初期"),
                W("斋天位 专用"),
                W("性别限制 女"),
                {kBlack, "生命增加 5"},
                {kBlack, "生命增加 7"},
                {kGreen, "该装备可打2孔"},
                W("价格 1金2银3铜"),
            }));
}

TEST(EquipPanel, RecordBeyondTheDataReadsAsZeros) {
  Rendered r = FileOf(EquipSpec{});
  for (std::int64_t pos :
       {r.data.Size(), r.data.Size() + 100, std::numeric_limits<std::int64_t>::max()}) {
    EXPECT_EQ(ToUtf8(RenderEquipPanel(r.data, pos, G("名字"), G("5"))),
              (Lines{W("名字"), W(""), kLevel0, W("性别限制 男")}))
        << pos;
  }
}

TEST(EquipPanel, RecordCutByTheEndReadsItsMissingFieldsAsZero) {
  EquipSpec fields;
  fields.levelReq = 30; fields.price = 500;  // the price lies past the cut
  Rendered whole = FileOf(fields, false);
  std::string bytes(whole.data.Bytes().substr(
      0, static_cast<size_t>(whole.recordPos) + data::equip_field::kPrice));
  EXPECT_EQ(ToUtf8(RenderEquipPanel(DataOf(bytes), whole.recordPos, G("名字"), G("0"))),
            (Lines{W("名字"), W(""), W("等级要求 30")}));
}

}  // namespace
}  // namespace velkarin::equip

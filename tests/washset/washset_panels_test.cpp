// The set panel.
#include <gtest/gtest.h>

#include "washset/washset_panels.h"
#include "washset_fixtures.h"

namespace velkarin::washset {
namespace {

using namespace testing;
constexpr app::ColourValue kGrey = app::colour::kGrey;

struct Shown {
  app::ColourValue colour;
  std::string text;  // UTF-8
  bool operator==(const Shown&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Shown& line) {
  return out << line.colour << " \"" << line.text << '"';
}

// The set panel of an item in a file with these sets, the items named by
// the listed IDs and names (UTF-8).
std::vector<Shown> SetPanelOf(std::int32_t itemId, const std::vector<sample::Record>& sets,
                              const std::vector<std::int32_t>& ids = {},
                              const std::vector<std::string>& names = {}) {
  std::vector<sample::Record> addons = {sample::AddonRecord({201, 1, sample::IntParam(50), {}}),
                                        sample::AddonRecord({202, 3, sample::IntParam(20), {}})};
  sample::FileBuilder file = velkarin::testing::FileWithEquips(WithMarkerItem({Item(itemId)}), addons);
  file.List(sample::kSetRecordSize, sets);
  data::ElementData data = DataOf(file);
  std::vector<std::string> gbkNames;
  for (const std::string& name : names) gbkNames.push_back(G(name));
  std::vector<Shown> shown;
  for (const app::PanelLine& line : RenderSetPanel(data, RecordPos(data, 1), ids, gbkNames)) {
    shown.push_back({line.colour, U(line.text)});
  }
  return shown;
}

TEST(RenderSetPanel, ShowsTheBonusesTheColouredNameAndTheMembers) {
  auto lines = SetPanelOf(12, {MarkerSet(), Set("^ffdc50龙腾", {11, 12, 13}, {201, 202})}, {11, 12, 13},
                          {"龙腾头盔", "龙腾战甲(男)", "龙腾战靴"});
  EXPECT_EQ(lines, (std::vector<Shown>{{kGrey, "套装属性"},
                                       {kGrey, "(2)生命增加 50"},
                                       {kGrey, "(3)攻击增加 20"},
                                       {app::ColourFromCode("ffdc50"), "龙腾(0/3)"},
                                       {kGrey, "    龙腾头盔"},
                                       {kGrey, "    龙腾战甲(男)"},
                                       {kGrey, "    龙腾战靴"}}));
}

TEST(RenderSetPanel, ASetOfOneHasNoBonusLine) {
  EXPECT_EQ(SetPanelOf(12, {MarkerSet(), Set("逍遥", {12})}, {12}, {"逍遥戒指"}),
            (std::vector<Shown>{{kGrey, "套装属性"}, {kGrey, "逍遥(0/1)"}, {kGrey, "    逍遥戒指"}}));
}

// Members in record order, each named by the first listed item with its ID;
// one missing from the list gives no line but still counts, a missing bonus
// addon an empty description, and an item name's colour prefix is text.
TEST(RenderSetPanel, NamesTheMembersFromTheList) {
  auto lines = SetPanelOf(12, {MarkerSet(), Set("寒霜", {13, 99, 12, 13}, {999, 201, 201})},
                          {12, 13, 13}, {"^ff0000寒霜剑", "寒霜甲", "寒霜甲二"});
  EXPECT_EQ(lines, (std::vector<Shown>{{kGrey, "套装属性"},
                                       {kGrey, "(2)"},
                                       {kGrey, "(3)生命增加 50"},
                                       {kGrey, "(4)生命增加 50"},
                                       {kGrey, "寒霜(0/4)"},
                                       {kGrey, "    寒霜甲"},
                                       {kGrey, "    ^ff0000寒霜剑"},
                                       {kGrey, "    寒霜甲"}}));
}

TEST(RenderSetPanel, ColoursTheNameByItsPrefixOnly) {
  struct Case {
    const char* name;
    Shown line;
  };
  for (const Case& c : {Case{"^ff0000烈阳", {app::ColourFromCode("ff0000"), "烈阳(0/1)"}},
                        Case{"^ff0000", {app::ColourFromCode("ff0000"), "(0/1)"}},
                        Case{"烈阳^ff0000", {kGrey, "烈阳^ff0000(0/1)"}}}) {
    auto lines = SetPanelOf(12, {MarkerSet(), Set(c.name, {12})});
    ASSERT_EQ(lines.size(), 2u) << c.name;
    EXPECT_EQ(lines[1], c.line) << c.name;
  }
}

// With the set handed over as a value, a "|" in its name shifts nothing.
TEST(RenderSetPanel, ShowsANameWithABarWhole) {
  EXPECT_EQ(SetPanelOf(12, {MarkerSet(), Set("天|地", {12, 13}, {201})}, {12, 13}, {"天剑", "地甲"}),
            (std::vector<Shown>{{kGrey, "套装属性"},
                                {kGrey, "(2)生命增加 50"},
                                {kGrey, "天|地(0/2)"},
                                {kGrey, "    天剑"},
                                {kGrey, "    地甲"}}));
}

TEST(RenderSetPanel, IsEmptyForAnItemInNoSet) {
  EXPECT_TRUE(SetPanelOf(12, {MarkerSet({11}), Set("甲", {13})}, {11, 12, 13}, {"a", "b", "c"}).empty());
  EXPECT_TRUE(SetPanelOf(12, {}, {12}, {"a"}).empty());
}

// A count far beyond the record: the stored count in the name line, and only
// the lines of slots inside the data.
TEST(RenderSetPanel, BoundsAHugeMemberCountByTheData) {
  auto lines = SetPanelOf(12, {MarkerSet(), Set("巨", {12}, {}, 2147483647)}, {12}, {"巨剑"});
  const std::size_t bonuses = (200 - 128) / 4;
  ASSERT_EQ(lines.size(), 1 + bonuses + 1 + 1);
  EXPECT_EQ(lines[1], (Shown{kGrey, "(2)"}));
  EXPECT_EQ(lines[bonuses + 1], (Shown{kGrey, "巨(0/2147483647)"}));
  EXPECT_EQ(lines.back(), (Shown{kGrey, "    巨剑"}));
}

}  // namespace
}  // namespace velkarin::washset

// The built-in skill names and the list that replaces them at run time.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "addon/skill_names.h"
#include "fixtures.h"

namespace velkarin::addon {
namespace {

using testing::U;

TEST(SkillName, KnownRows) {
  struct Row {
    std::int32_t id;
    const char* name;
  };
  for (const Row& row : {Row{1, "测试技能"}, Row{2, "清风破"}, Row{3, "震烈击"}, Row{32, "逍遥游"},
                         Row{56, "逍遥游"}, Row{57, "逍遥游"}, Row{1176, "逍遥游"}, Row{84, "测试技能"},
                         Row{98, "轻功"}, Row{99, "轻功"}, Row{1538, "轻功"}, Row{238, "增加移动速度6"},
                         Row{245, "增加移动速度6"}, Row{1047, "无"}, Row{1048, "无"}, Row{1124, ""},
                         Row{1204, "震慑怒吼-振奋战吼-被击中生成"}, Row{1555, "清除区域持续掉血"},
                         Row{1556, "测试减蓝上限"}, Row{1557, "测试减蓝上限2"}}) {
    EXPECT_EQ(U(SkillName(row.id)), row.name) << row.id;
  }
  EXPECT_EQ(SkillName(1204).size(), 28u) << "the longest name, in GBK bytes";
}

TEST(SkillName, UnknownEntriesArePlaceholdersAndOutsideIdsAreEmpty) {
  EXPECT_EQ(U(SkillName(512)), "技能#512");
  EXPECT_EQ(U(SkillName(4)), "技能#4");
  EXPECT_EQ(U(SkillName(1554)), "技能#1554");
  for (std::int32_t id : {0, -1, 1558, -2147483647 - 1, 2147483647}) EXPECT_EQ(SkillName(id), "") << id;
}

// Each test that loads a list puts the built-in names back afterwards.
class LoadSkillNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::int32_t id = 1; id <= kSkillCount; ++id) builtIn_ += U(SkillName(id)) + "\n";
  }
  void TearDown() override { ASSERT_EQ(LoadSkillNames(Write("builtin", builtIn_)), std::nullopt); }

  static std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = ::testing::TempDir() + "/velkarin-skills-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // A list of `count` names "名1", "名2", ..., each line ended by `eol`.
  static std::string NameList(std::int32_t count, const std::string& eol = "\n") {
    std::string text;
    for (std::int32_t id = 1; id <= count; ++id) text += "名" + std::to_string(id) + eol;
    return text;
  }

  // The list with the name of skill `id` replaced.
  static std::string WithName(std::string list, std::int32_t id, const std::string& name) {
    std::string line = "名" + std::to_string(id) + "\n";
    return list.replace(list.find(line), line.size() - 1, name);
  }

  std::string builtIn_;
};

TEST_F(LoadSkillNamesTest, ReplacesTheWholeTable) {
  std::string list = WithName(NameList(kSkillCount), 2, "");  // an empty name is a name
  ASSERT_EQ(LoadSkillNames(Write("ok", list)), std::nullopt);
  EXPECT_EQ(U(SkillName(1)), "名1");
  EXPECT_EQ(SkillName(2), "");
  EXPECT_EQ(U(SkillName(1124)), "名1124");
  EXPECT_EQ(U(SkillName(1557)), "名1557");
  EXPECT_EQ(SkillName(1558), "");
}

TEST_F(LoadSkillNamesTest, AcceptsCrLfAByteOrderMarkAndNoFinalLineBreak) {
  std::string list = "\xEF\xBB\xBF" + NameList(kSkillCount, "\r\n");
  list.resize(list.size() - 2);
  ASSERT_EQ(LoadSkillNames(Write("crlf", list)), std::nullopt);
  EXPECT_EQ(U(SkillName(1)), "名1");
  EXPECT_EQ(U(SkillName(1557)), "名1557");
}

TEST_F(LoadSkillNamesTest, RefusesAnyOtherFileAndKeepsTheTable) {
  std::string notGbk = WithName(NameList(kSkillCount), 7, "\xF0\x9F\x98\x80");  // U+1F600
  std::string notUtf8 = WithName(NameList(kSkillCount), 9, "\xC3");
  struct Refused {
    const char* what;
    std::string path;
    const char* reason;
  };
  for (const Refused& r :
       {Refused{"one line short", Write("short", NameList(kSkillCount - 1)), "1556 lines"},
        Refused{"one line over", Write("long", NameList(kSkillCount) + "x\n"), "1558 lines"},
        Refused{"empty", Write("empty", ""), "0 lines"},
        Refused{"no GBK form", Write("emoji", notGbk), "line 7"},
        Refused{"not UTF-8", Write("latin1", notUtf8), "line 9"},
        Refused{"huge", Write("huge", std::string(3 << 20, 'a')), "larger than"},
        Refused{"missing", ::testing::TempDir() + "/velkarin-skills-none/x", "cannot read"}}) {
    auto refusal = LoadSkillNames(r.path);
    ASSERT_TRUE(refusal.has_value()) << r.what;
    EXPECT_NE(refusal->find(r.reason), std::string::npos) << r.what << ": " << *refusal;
    EXPECT_EQ(U(SkillName(2)), "清风破") << r.what;
  }
}

}  // namespace
}  // namespace velkarin::addon

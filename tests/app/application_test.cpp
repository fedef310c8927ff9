#include "app/application.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "data/equip_record.h"
#include "fixtures.h"
#include "ui/headless/headless_window.h"

namespace velkarin::app {
namespace {

using sample::EquipSpec;
using testing::G;

// Tests run as parallel processes: each writes its own files.
std::string WriteFile(const std::string& name, const std::string& bytes) {
  std::string path = ::testing::TempDir() + "/velkarin-app-" + std::to_string(getpid()) + "-" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string EquipFile(const std::string& name, const std::vector<EquipSpec>& equips) {
  return WriteFile(name, testing::FileWithEquips(equips).Data());
}

EquipSpec Equip(std::int32_t id, std::string name) {
  EquipSpec fields;
  fields.id = id;
  fields.name = std::move(name);
  return fields;
}

// The application in a headless window that counts the row changes.
class Harness : public ui::Events {
 public:
  Harness() { window.Bind(*this); }

  void Open(std::optional<std::string> path) {
    window.ChooseInDialog(std::move(path));
    app.OnOpenFile();
  }
  void Search(const std::string& utf8) {
    window.UserTypeSearch(G(utf8));
    app.OnSearch();
  }
  std::string Refine() const { return window.EditText(ui::EditBox::Refine); }
  const AppState& State() const { return app.State(); }

  ui::HeadlessWindow window;
  Application app{window};
  int rowChanges = 0;

 private:
  void OnWindowCreated() override { app.OnWindowCreated(); }
  void OnOpenFile() override { app.OnOpenFile(); }
  void OnAbout() override { app.OnAbout(); }
  void OnSearch() override { app.OnSearch(); }
  void OnRowChanged() override {
    ++rowChanges;
    app.OnRowChanged();
  }
  void OnRefineChanged() override { app.OnRefineChanged(); }
  void OnRefineSpin(int button) override { app.OnRefineSpin(button); }
};

const std::string& ThreeItems() {
  static const std::string path =
      EquipFile("three", {Equip(101, "菜鸟布衣(男)"), Equip(102, "铁剑"), Equip(-5, "布鞋")});
  return path;
}

TEST(OpenFileTest, ListsEveryRecordInFileOrderAndShowsRowZero) {
  Harness h;
  h.Open(ThreeItems());
  ASSERT_EQ(h.window.RowCount(), 3);
  const std::pair<std::string, std::string> rows[] = {{"101", "菜鸟布衣(男)"}, {"102", "铁剑"}, {"-5", "布鞋"}};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(h.window.ListCell(r, 0), rows[r].first);
    EXPECT_EQ(h.window.ListCell(r, 1), G(rows[r].second));
  }
  EXPECT_EQ(h.State().equipIds, (std::vector<std::int32_t>{101, 102, -5}));
  EXPECT_EQ(h.State().equipNames[2], G("布鞋"));
  EXPECT_EQ(h.rowChanges, 1);
  EXPECT_EQ(h.State().selectedRow, 0);
  const std::int64_t listPos = *h.State().equipListPos;
  EXPECT_EQ(listPos, 12 + 8 + 8 + 8);  // behind the three empty lists
  EXPECT_EQ(h.State().recordPos, listPos + 8) << "row 0's record";
}

TEST(OpenFileTest, ReopeningReplacesTheRowsAndKeepsTheSearchCursor) {
  Harness h;
  h.Open(ThreeItems());
  h.Search("布");
  h.Search("布");
  EXPECT_EQ(h.State().searchCursor, 3);
  h.Open(EquipFile("two", {Equip(7, "菜鸟布衣(男)"), Equip(8, "布鞋")}));
  EXPECT_EQ(h.window.RowCount(), 2);
  EXPECT_EQ(h.State().equipIds, (std::vector<std::int32_t>{7, 8}));
  EXPECT_EQ(h.State().searchCursor, 3);
  h.Search("布");  // 3 + 1 passes the new count: the search wraps to row 0
  EXPECT_EQ(h.window.ListCurrentRow(), 0);
  EXPECT_EQ(h.State().searchCursor, 1);
}

TEST(OpenFileTest, CancelledDialogReloadsTheLastFileAndSelectsRowZeroAgain) {
  Harness h;
  h.Open(ThreeItems());
  h.window.UserSelectRow(2);
  h.Open(std::nullopt);
  EXPECT_EQ(h.window.RowCount(), 3);
  EXPECT_EQ(h.window.ListCurrentRow(), 0);
  EXPECT_EQ(h.rowChanges, 3);
}

TEST(OpenFileTest, CancelBeforeAnyChoiceReadsNothing) {
  Harness h;
  h.Open(std::nullopt);
  EXPECT_TRUE(h.State().elementData.Empty());
  EXPECT_EQ(h.window.RowCount(), 0);
  EXPECT_EQ(h.rowChanges, 0);
}

TEST(OpenFileTest, FilesWithoutAListLeaveTheRowsOfThePreviousFile) {
  struct Case {
    std::string what;
    std::optional<std::string> path;
    bool emptyData;
  };
  const Case cases[] = {
      {"missing", "/nonexistent/velkarin.data", true},
      {"directory", ::testing::TempDir(), true},
      {"empty", WriteFile("empty", ""), true},
      {"no marker", WriteFile("nomarker", std::string(100, 'x')), false},
      {"full-width marker", WriteFile("fullwidth", sample::Utf16Le("菜鸟布衣（男）") + std::string(500, '\0')), false},
  };
  for (const Case& c : cases) {
    Harness h;
    h.Open(ThreeItems());
    h.Open(c.path);
    EXPECT_EQ(h.State().elementData.Empty(), c.emptyData) << c.what;
    EXPECT_EQ(h.window.RowCount(), 3) << c.what;
    EXPECT_EQ(h.State().equipIds.size(), 3u) << c.what;
    EXPECT_EQ(h.State().equipListPos.has_value(), c.emptyData) << c.what << ": none after no marker";
    EXPECT_TRUE(h.window.Messages().empty()) << c.what;
    EXPECT_EQ(h.rowChanges, 1) << c.what;
  }
}

TEST(OpenFileTest, WrongRecordSizeShowsTheVersionMessageAndEnds) {
  sample::FileBuilder file;
  file.List(88, {}).List(72, {}).List(72, {});
  sample::Record record(423);
  record.Name(12, "菜鸟布衣(男)");
  file.List(423, {record});
  Harness h;
  h.Open(ThreeItems());
  h.Open(WriteFile("wrongsize", file.Data()));
  ASSERT_EQ(h.window.Messages().size(), 1u);
  EXPECT_EQ(h.window.Messages()[0].text, G("游戏版本错误，无法读取"));
  EXPECT_EQ(h.window.Messages()[0].title, G("错误"));
  EXPECT_EQ(h.window.EndStatus(), 0);
  EXPECT_EQ(h.State().equipIds.size(), 3u) << "nothing of the new file is listed";
}

TEST(OpenFileTest, EmptyListClearsThePanelsOfThePreviousItem) {
  Harness h;
  h.Open(ThreeItems());
  h.window.PanelSetText(ui::Panel::Equip, "shown");
  h.window.PanelSetText(ui::Panel::Set, "shown");
  for (std::int32_t count : {0, -1}) {
    sample::FileBuilder file;
    file.List(88, {}).List(72, {}).List(72, {}).Header(424, count).Raw(sample::EquipRecord(Equip(1, "菜鸟布衣(男)")).Data());
    h.Open(WriteFile("count" + std::to_string(count), file.Data()));
    EXPECT_EQ(h.window.RowCount(), 0);
    EXPECT_TRUE(h.window.PanelSegments(ui::Panel::Equip).empty());
    EXPECT_TRUE(h.window.PanelSegments(ui::Panel::Set).empty());
  }
}

TEST(OpenFileTest, CountBeyondTheFileListsTheWholeRecordsPresent) {
  sample::FileBuilder file;
  file.List(88, {}).List(72, {}).List(72, {}).Header(424, 2147483647);
  for (std::int32_t id : {1, 2, 3}) file.Raw(sample::EquipRecord(Equip(id, "菜鸟布衣(男)")).Data());
  file.Raw(std::string(100, '\0'));  // part of a fourth record
  Harness h;
  h.Open(WriteFile("hugecount", file.Data()));
  EXPECT_EQ(h.window.RowCount(), 3);
  EXPECT_EQ(h.State().equipCount, 2147483647);
  EXPECT_EQ(h.State().recordPos, *h.State().equipListPos + 8) << "row 0 rendered after the fill";
}

TEST(SearchTest, WalksThroughTheMatchesInListOrderAndWraps) {
  Harness h;
  h.Open(ThreeItems());
  for (int expected : {0, 2, 0, 2}) {
    h.Search("布");
    EXPECT_EQ(h.window.ListCurrentRow(), expected);
    EXPECT_EQ(h.window.EnsuredVisibleRow(), expected);
  }
  EXPECT_EQ(h.rowChanges, 4) << "row 0 after the open, then 2, 0, 2";
}

TEST(SearchTest, NothingHappensForAnEmptyTextNoMatchOrNoFile) {
  Harness h;
  h.Search("布");
  EXPECT_EQ(h.State().searchCursor, 0);
  h.Open(ThreeItems());
  h.Search("");
  h.Search("金");
  EXPECT_EQ(h.window.ListCurrentRow(), 0);
  EXPECT_EQ(h.window.RedrawCount(), 0);
  EXPECT_EQ(h.State().searchCursor, 3) << "a full round without a hit tests every name once";
}

TEST(SearchTest, IsCaseSensitive) {
  Harness h;
  h.Open(EquipFile("latin", {Equip(1, "菜鸟布衣(男)"), Equip(2, "armor")}));
  h.Search("A");
  EXPECT_EQ(h.window.ListCurrentRow(), 0);
  EXPECT_EQ(h.window.RedrawCount(), 0);
}

TEST(RefineSpinTest, StepsTheRefineText) {
  struct Case {
    std::string text;
    int button;
    std::string result;
  };
  const Case cases[] = {
      {"20", 1, "20"},   {"0", -1, "0"},    {"25", 1, "26"}, {"abc", 1, "1"},   {"5", -1, "4"},
      {"-7", -1, "-8"},  {"-7", 1, "-6"},   {"05", 1, "6"},  {G("５"), 1, "6"},
      {"2147483647", 1, "2147483648"},  {"99999999999", 1, "2147483648"},
      {"-2147483648", -1, "-2147483649"}, {"7", 2, "7"},    {"7", 0, "7"},
  };
  for (const Case& c : cases) {
    Harness h;
    h.window.SetEditText(ui::EditBox::Refine, c.text);
    h.app.OnRefineSpin(c.button);
    EXPECT_EQ(h.Refine(), c.result) << c.text << " " << c.button;
  }
}

TEST(RowChangedTest, WithoutAListOrASelectedRowThePanelsAreClearedOnly) {
  Harness h;
  h.Open(ThreeItems());
  h.window.UserSelectRow(1);
  const std::int64_t shown = h.State().recordPos;
  h.Open(WriteFile("nomarker2", std::string(64, 'x')));  // rows stay, the list position goes
  h.window.PanelSetText(ui::Panel::Wash, "old");
  h.window.UserSelectRow(2);
  EXPECT_TRUE(h.window.PanelSegments(ui::Panel::Wash).empty());
  EXPECT_EQ(h.State().recordPos, shown);
  EXPECT_EQ(h.State().selectedRow, 2);
}

TEST(RefineChangedTest, RendersEvenBeforeAnyFileIsOpen) {
  Harness h;
  h.window.SetEditText(ui::EditBox::Refine, "3");
  EXPECT_EQ(h.State().recordPos, -1);
  EXPECT_EQ(h.rowChanges, 0);
}

TEST(WindowTest, CreationSwitchesTheFlatLookOnInStyleOne) {
  Harness h;
  h.app.OnWindowCreated();
  EXPECT_EQ(h.window.FlatLookStyle(), 1);
}

TEST(WindowTest, AboutShowsWhatTheProgramIs) {
  Harness h;
  h.app.OnAbout();
  ASSERT_EQ(h.window.Messages().size(), 1u);
  EXPECT_EQ(h.window.Messages()[0].title, G("软件说明"));
  EXPECT_NE(h.window.Messages()[0].text.find("Velkarin"), std::string::npos);
}

}  // namespace
}  // namespace velkarin::app

// Every hostile file gets the documented behaviour or a clear error: never a
// crash, a hang or memory beyond the file's size.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "app/application.h"
#include "cli_runner.h"
#include "fixtures.h"
#include "sample/hostile.h"
#include "ui/headless/headless_window.h"

namespace velkarin {
namespace sample {
// Test names and failure messages show a hostile file by its name alone.
void PrintTo(const HostileFile& file, std::ostream* os) { *os << file.name; }
}  // namespace sample

namespace {

using sample::HostileFile;

class HostileFileTest : public ::testing::TestWithParam<HostileFile> {};

// The window's logic over the file: open, every row (at most 64) at the
// refine levels that matter, and a search.
TEST_P(HostileFileTest, TheWindowsLogicShowsEveryRow) {
  ui::HeadlessWindow window;
  app::Application app(window);
  window.Bind(app);
  const std::string bytes = GetParam().bytes;
  window.UseFileReader([&](const std::string&) { return data::ElementData::FromBytes(bytes); });
  window.ChooseInDialog("hostile");
  app.OnOpenFile();
  if (window.EndStatus()) {
    ASSERT_EQ(window.Messages().size(), 1u);
    EXPECT_EQ(window.Messages()[0].text, app::WrongVersionText());
    EXPECT_EQ(window.RowCount(), 0);
    return;
  }
  EXPECT_LE(window.RowCount(), std::max<std::int64_t>(0, static_cast<std::int64_t>(bytes.size()) / 424));
  for (int row = 0; row < std::min(window.RowCount(), 64); ++row) {
    window.UserSelectRow(row);
    for (const char* refine : {"0", "1", "20", "21", "-3", "x"}) window.SetEditText(ui::EditBox::Refine, refine);
  }
  window.UserTypeSearch(testing::G("剑"));
  app.OnSearch();
}

// The CLI exports the file, or says in one line why it cannot.
TEST_P(HostileFileTest, TheCliExportsOrExplains) {
  std::string path = testing::WriteTemp("file", GetParam().bytes);
  testing::CliResult run = testing::RunCli("export " + testing::Quoted(path) + " --format jsonl --bytes");
  ASSERT_TRUE(run.status == 0 || run.status == 2 || run.status == 3) << run.status << " " << run.err;
  if (run.status != 0) {
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    return;
  }
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    nlohmann::json obj = nlohmann::json::parse(line);
    EXPECT_TRUE(obj.contains("equip") && obj.contains("wash") && obj.contains("set"));
  }
  testing::CliResult addons = testing::RunCli("addon " + testing::Quoted(path) + " --all");
  EXPECT_TRUE(addons.status == 0 || addons.status == 2) << addons.err;
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFileTest, ::testing::ValuesIn(sample::HostileFiles()),
                         [](const auto& p) {
                           std::string name;
                           for (char c : p.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// The documented outcomes of the lies told by the equipment list's header
// (the fourth list of the generated file, 12 items).
TEST(HostileOutcomeTest, EquipmentListHeaders) {
  constexpr int kToTheEnd = -1;  // every whole record up to the end of the file
  struct Case {
    const char* name;
    int status;
    int rows;
  };
  const Case cases[] = {
      {"list4-count0", 0, 0},   {"list4-count-1", 0, 0},  {"list4-countmax", 0, kToTheEnd},
      {"list4-size0", 3, 0},    {"list4-size-424", 3, 0}, {"list4-sizemax", 3, 0},
      {"list4-cut3", 2, 0},     {"list4-cut8", 2, 0},     {"empty", 2, 0},
      {"marker-only-full-width", 2, 0},                   {"marker-at-end", 3, 0},
      {"all-countmax", 0, kToTheEnd},                     {"list5-countmax", 0, 12},
  };
  for (const Case& c : cases) {
    auto files = sample::HostileFiles();
    auto file = std::find_if(files.begin(), files.end(), [&](const HostileFile& f) { return f.name == c.name; });
    ASSERT_NE(file, files.end()) << c.name;
    std::string path = testing::WriteTemp("outcome", file->bytes);
    testing::CliResult run = testing::RunCli("list " + testing::Quoted(path));
    EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
    int rows = c.rows;
    if (rows == kToTheEnd) {
      auto firstRecord = file->bytes.find(sample::Utf16Le(sample::kEquipMarker)) - 12;
      rows = static_cast<int>((file->bytes.size() - firstRecord) / 424);
    }
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), rows) << c.name;
  }
}

}  // namespace
}  // namespace velkarin

// The viewer never changes what it reads, and a file it cannot read is a
// clear error in the CLI and an empty buffer in the window's logic.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "app/application.h"
#include "cli_runner.h"
#include "fixtures.h"
#include "sample/sample.h"
#include "ui/headless/headless_window.h"

namespace velkarin {
namespace {

namespace fs = std::filesystem;

TEST(InputUntouchedTest, WalkingEveryRowAndRefineLevelLeavesTheFileAsItWas) {
  const std::string bytes = sample::GenerateSample({40, 4, 0});
  const std::string path = testing::WriteTemp("readonly", bytes);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto modified = fs::last_write_time(path);

  ui::HeadlessWindow window;
  app::Application app(window);
  window.Bind(app);
  window.ChooseInDialog(path);
  app.OnOpenFile();
  ASSERT_EQ(window.RowCount(), 40);
  for (int row = 0; row < window.RowCount(); ++row) {
    window.UserSelectRow(row);
    window.SetEditText(ui::EditBox::Refine, "0");
    for (int level = 1; level <= 20; ++level) app.OnRefineSpin(1);
  }
  for (const char* refine : {"0", "7", "20"}) {
    testing::CliResult run = testing::RunCli("export " + testing::Quoted(path) + " --format jsonl --refine " + refine);
    EXPECT_EQ(run.status, 0) << run.err;
  }

  EXPECT_EQ(testing::ReadAll(path), bytes);
  EXPECT_EQ(fs::last_write_time(path), modified);
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST(InputUntouchedTest, UnreadableFilesAreAClearErrorAndAnEmptyBuffer) {
  std::string vanished = testing::WriteTemp("vanished", "x");
  fs::remove(vanished);
  std::vector<std::string> paths = {vanished, ::testing::TempDir(), "/dev/zero"};
  if (geteuid() != 0) {  // root reads whatever the permissions say
    std::string locked = testing::WriteTemp("locked", sample::GenerateSample({3, 1, 0}));
    fs::permissions(locked, fs::perms::none);
    paths.push_back(locked);
  }
  for (const std::string& path : paths) {
    testing::CliResult run = testing::RunCli("show " + testing::Quoted(path) + " --row 0");
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_NE(run.err.find(path), std::string::npos) << run.err;

    ui::HeadlessWindow window;
    app::Application app(window);
    window.Bind(app);
    window.ChooseInDialog(path);
    app.OnOpenFile();
    EXPECT_TRUE(app.State().elementData.Empty()) << path;
    EXPECT_EQ(window.RowCount(), 0);
  }
}

}  // namespace
}  // namespace velkarin

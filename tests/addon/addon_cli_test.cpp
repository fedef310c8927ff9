// velkarin-cli addon and --skill-names, run on generated files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#else
#include <sys/wait.h>
#endif

#include "fixtures.h"
#include "sample/sample.h"

namespace velkarin::addon {
namespace {

using Json = nlohmann::ordered_json;
using sample::AddonRecord;
using sample::FileBuilder;
using sample::IntParam;
using ::testing::HasSubstr;

struct CliRun {
  int status = -1;
  std::vector<Json> lines;  // stdout, one JSON object a line
  std::string err;
};

#ifdef _WIN32
int ExitStatus(int raw) { return raw; }
std::string Q(const std::string& word) { return '"' + word + '"'; }
#else
int ExitStatus(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }
std::string Q(const std::string& word) { return "'" + word + "'"; }
#endif

// Named after the running test too: CTest runs the tests side by side.
std::string Temp(const std::string& name) {
  return ::testing::TempDir() + "/velkarin-addon-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + name;
}

std::string WriteFile(const std::string& name, const std::string& bytes) {
  std::string path = Temp(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Runs velkarin-cli with the arguments (shell words), reading its stdout.
CliRun Cli(const std::string& args) {
  const char* cli = std::getenv("VELKARIN_CLI");
  EXPECT_NE(cli, nullptr) << "VELKARIN_CLI names the built velkarin-cli";
  std::string command = Q(cli ? cli : "velkarin-cli") + " " + args + " 2>" + Q(Temp("stderr"));
  CliRun run;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string out;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
  int raw = pclose(pipe);
  run.status = ExitStatus(raw);
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) run.lines.push_back(Json::parse(line));
  std::ifstream err(Temp("stderr"));
  std::getline(err, run.err, '\0');
  return run;
}

Json Line(std::int32_t id, const std::string& text) { return Json{{"id", id}, {"text", text}}; }

// An addon list with a repeated ID and IDs 0 and negative, and no equipment list.
const std::string& SmallFile() {
  static const std::string path = [] {
    FileBuilder file;
    file.List(sample::kAddonRecordSize,
              {AddonRecord({5, 1, IntParam(50), {}}), AddonRecord({-3, 34, IntParam(2), IntParam(1)}),
               AddonRecord({5, 2, IntParam(1), {}}), AddonRecord({0, 78, IntParam(15), {}}),
               AddonRecord({9, 84, IntParam(1), {}})});
    return WriteFile("small", file.Data());
  }();
  return path;
}

TEST(AddonCli, DescribesTheGivenIds) {
  CliRun run = Cli("addon " + Q(SmallFile()) + " 5 -3 0 77 -2147483648");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.lines, ::testing::ElementsAre(Line(5, "生命增加 50"), Line(-3, "清风破技能等级增加 1"),
                                                Line(0, "技能命中增加 1.5%"), Line(77, ""),
                                                Line(-2147483647 - 1, "")));
}

TEST(AddonCli, AllListsEveryRecordWithTheTextOfItsIdsFirstRecord) {
  CliRun run = Cli("addon " + Q(SmallFile()) + " --all --bytes");
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 5u);
  EXPECT_EQ(run.lines[0], (Json{{"id", 5}, {"text", "生命增加 50"}, {"gbk", "c9fac3fcd4f6bcd3203530"}}));
  EXPECT_EQ(run.lines[2]["text"], "生命增加 50") << "a repeated ID gets the first record's text";
  EXPECT_EQ(run.lines[3]["id"], 0);
  EXPECT_EQ(run.lines[4], (Json{{"id", 9}, {"text", ""}, {"gbk", ""}}));
}

TEST(AddonCli, AllStopsAtTheDataAndAtSizesOfZeroOrLess) {
  auto listed = [](std::int32_t size, std::int32_t count, std::size_t bytes) {
    FileBuilder file;
    file.Header(size, count);
    for (std::int32_t id = 1; id <= 3; ++id) file.Raw(AddonRecord({id, 1, IntParam(id), {}}).Data());
    std::string path = WriteFile("hostile", file.Data().substr(0, bytes));
    std::vector<std::int32_t> ids;
    CliRun run = Cli("addon " + Q(path) + " --all");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const Json& line : run.lines) ids.push_back(line["id"]);
    return ids;
  };
  using V = std::vector<std::int32_t>;
  EXPECT_EQ(listed(88, 3, 284), (V{1, 2, 3}));
  EXPECT_EQ(listed(88, 2147483647, 284), (V{1, 2, 3})) << "a count beyond the file";
  EXPECT_EQ(listed(88, 3, 200), (V{1, 2, 3})) << "the last record cut short";
  EXPECT_EQ(listed(88, 3, 196), (V{1, 2})) << "the third record starts at the end";
  EXPECT_EQ(listed(0, 3, 284), (V{1}));
  EXPECT_EQ(listed(-88, 3, 284), (V{1}));
  EXPECT_EQ(listed(88, 0, 284), V{});
  EXPECT_EQ(listed(88, -5, 284), V{});
}

TEST(AddonCli, DescribesTheSampleAndAgreesWithTheIds) {
  std::string path = WriteFile("sample", sample::GenerateSample({30, 2, 0}));
  CliRun all = Cli("addon " + Q(path) + " --all");
  ASSERT_EQ(all.status, 0) << all.err;
  ASSERT_EQ(all.lines.size(), 83u * 4);
  std::string ids;
  for (const Json& line : all.lines) {
    EXPECT_NE(line["text"], "") << line.dump();
    ids += ' ';
    ids += std::to_string(line["id"].get<std::int32_t>());
  }
  CliRun byId = Cli("addon " + Q(path) + ids);
  ASSERT_EQ(byId.status, 0) << byId.err;
  EXPECT_EQ(byId.lines, all.lines);
}

TEST(AddonCli, BadUsageAndBadFiles) {
  struct Case {
    std::string args;
    int status;
    const char* message;
  };
  const std::string file = "" + Q(SmallFile()) + "";
  for (const Case& c : {Case{"addon " + file, 64, "either IDs or --all"},
                        Case{"addon " + file + " 5 --all", 64, "either IDs or --all"},
                        Case{"addon " + file + " +5", 64, "+5"},
                        Case{"addon " + file + " 2147483648", 64, "2147483648"},
                        Case{"addon " + file + " 0x10", 64, "0x10"},
                        Case{"addon " + Q(Temp("missing")) + " 5", 2, "cannot read"},
                        Case{"addon " + Q(WriteFile("empty", "")) + " 5", 2, "empty"}}) {
    CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_TRUE(run.lines.empty()) << c.args;
    EXPECT_THAT(run.err, HasSubstr(c.message)) << c.args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args << ": " << run.err;
  }
}

std::string NameList(std::int32_t count) {
  std::string text;
  for (std::int32_t id = 1; id <= count; ++id) text += "技" + std::to_string(id) + "\n";
  return text;
}

TEST(AddonCli, SkillNamesFromAFileReplaceTheBuiltInOnes) {
  std::string names = WriteFile("names", NameList(1557));
  for (const std::string& args : {"--skill-names " + Q(names) + " addon " + Q(SmallFile()) + " -3",
                                  "addon " + Q(SmallFile()) + " -3 --skill-names " + Q(names)}) {
    CliRun run = Cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.lines, ::testing::ElementsAre(Line(-3, "技2技能等级增加 1"))) << args;
  }
}

TEST(AddonCli, ARefusedSkillNameFileIsBadUsage) {
  std::string emoji = NameList(1557);
  emoji.replace(0, emoji.find('\n'), "\xF0\x9F\x98\x80");
  for (const std::string& names : {WriteFile("names-short", NameList(1556)), WriteFile("names-emoji", emoji),
                                   Temp("names-missing")}) {
    CliRun run = Cli("--skill-names " + Q(names) + " addon " + Q(SmallFile()) + " -3");
    EXPECT_EQ(run.status, 64) << names;
    EXPECT_TRUE(run.lines.empty()) << names;
    EXPECT_THAT(run.err, HasSubstr(names));
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
}  // namespace velkarin::addon

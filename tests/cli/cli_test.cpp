// velkarin-cli end to end: the built program run on generated files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "fixtures.h"
#include "sample/sample.h"

namespace velkarin::cli {
namespace {

using Json = nlohmann::ordered_json;
using ::testing::HasSubstr;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Tests run as parallel processes: each keeps its files apart.
std::string Temp(const std::string& name) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return ::testing::TempDir() + "/velkarin-cli-" + (test ? test->name() : "none") + "-" + name;
}

std::string WriteFile(const std::string& name, const std::string& bytes) {
  std::string path = Temp(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Runs velkarin-cli with the arguments (shell words) and the given stdin.
CliRun Cli(const std::string& args, const std::string& input = "") {
  const char* cli = std::getenv("VELKARIN_CLI");
  EXPECT_NE(cli, nullptr) << "VELKARIN_CLI names the built velkarin-cli";
  std::string in = WriteFile("stdin", input);
  std::string command = std::string("'") + (cli ? cli : "velkarin-cli") + "' " + args + " <'" + in +
                        "' >'" + Temp("stdout") + "' 2>'" + Temp("stderr") + "'";
  int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(Temp("stdout")), Slurp(Temp("stderr"))};
}

std::vector<Json> JsonLines(const std::string& out) {
  std::vector<Json> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
  return lines;
}

const std::string& SampleFile() {
  static const std::string path = WriteFile("sample", sample::GenerateSample({200, 5, 0}));
  return path;
}

std::string WrongSizeFile() {
  sample::FileBuilder file;
  file.List(88, {}).List(72, {}).List(72, {});
  sample::Record record(400);
  record.Name(12, "菜鸟布衣(男)j");
  file.List(400, {record});
  return WriteFile("wrongsize", file.Data());
}

std::string SmallFile() {
  sample::EquipSpec a;
  a.id = 101;
  a.name = "菜鸟布衣(男)";
  sample::EquipSpec b;
  b.id = -5;
  b.name = "布\t鞋";
  return WriteFile("small", testing::FileWithEquips({a, b}).Data());
}

TEST(CliTest, ListAsTsvAndJson) {
  CliRun tsv = Cli("list '" + SmallFile() + "'");
  EXPECT_EQ(tsv.status, 0);
  EXPECT_EQ(tsv.out, "0\t101\t菜鸟布衣(男)\n1\t-5\t布\\t鞋\n");

  CliRun json = Cli("list '" + SmallFile() + "' --format json --bytes");
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out,
            R"j({"rows":[{"row":0,"id":101,"name":"菜鸟布衣(男)","gbk":"b2cbc4f1b2bcd2c228c4d029"},)j"
            R"j({"row":1,"id":-5,"name":"布\t鞋","gbk":"b2bc09d0ac"}]})j"
            "\n");
}

TEST(CliTest, ShowGivesTheObjectOfTheContract) {
  CliRun run = Cli("show '" + SampleFile() + "' --row 3 --refine 5 --format json --bytes");
  ASSERT_EQ(run.status, 0) << run.err;
  Json obj = Json::parse(run.out);
  std::vector<std::string> keys;
  for (const auto& item : obj.items()) keys.push_back(item.key());
  EXPECT_THAT(keys, ::testing::ElementsAre("row", "id", "name", "gbk", "refine", "refine_gbk", "equip",
                                           "wash", "set"));
  EXPECT_EQ(obj["row"], 3);
  EXPECT_EQ(obj["refine"], "5");
  EXPECT_EQ(obj["refine_gbk"], "35");
  for (const char* panel : {"equip", "wash", "set"}) {
    for (const Json& line : obj[panel]) {
      EXPECT_TRUE(line["colour"].is_number_integer());
      EXPECT_TRUE(line["text"].is_string());
      EXPECT_TRUE(line["gbk"].is_string());
    }
  }
  Json byId = Json::parse(Cli("show '" + SampleFile() + "' --id " + std::to_string(obj["id"].get<int>()) +
                              " --refine 5 --format json --bytes").out);
  EXPECT_EQ(byId, obj);
}

TEST(CliTest, ExportWritesOneShowObjectPerRow) {
  CliRun run = Cli("export '" + SampleFile() + "' --format jsonl --refine 2");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 200u);
  for (size_t row = 0; row < lines.size(); ++row) {
    EXPECT_EQ(lines[row]["row"], row);
    EXPECT_EQ(lines[row]["refine"], "2");
  }
  Json show = Json::parse(Cli("show '" + SampleFile() + "' --row 17 --refine 2 --format json").out);
  EXPECT_EQ(lines[17], show);
}

TEST(CliTest, ErrorsHaveTheirStatusAndOneLineOnStderr) {
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"list /nonexistent/file", 2, "no such file"},
      {"show /nonexistent/file --row 99", 2, "no such file"},
      {"list '" + WriteFile("empty", "") + "'", 2, "empty"},
      {"list '" + ::testing::TempDir() + "'", 2, "not a regular file"},
      {"list '" + WriteFile("nomarker", std::string(300, 'x')) + "'", 2, "no equipment list"},
      {"list '" + WrongSizeFile() + "'", 3, "游戏版本错误，无法读取"},
      {"show '" + SampleFile() + "' --row 200", 64, "outside the list"},
      {"show '" + SampleFile() + "' --row -1", 64, "outside the list"},
      {"show '" + SampleFile() + "' --id 1", 64, "no row has the ID 1"},
      {"show '" + SampleFile() + "' --row 1 --id 2", 64, "excludes"},
      {"list", 64, "FILE"},
      {"frobnicate", 64, "frobnicate"},
      {"export '" + SampleFile() + "'", 64, "format"},
      {"addon '" + SampleFile() + "'", 64, "either IDs or --all"},
      {"addon '" + SampleFile() + "' 1 --all", 64, "either IDs or --all"},
      {"addon '" + SampleFile() + "' +1", 64, "not an addon ID"},
      {"addon '" + WriteFile("empty2", "") + "' 1", 2, "empty"},
  };
  for (const Case& c : cases) {
    CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_THAT(run.err, HasSubstr(c.message)) << c.args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.args;
  }
}

TEST(CliTest, AddonNeedsNoEquipmentList) {
  sample::FileBuilder file;
  sample::AddonSpec fields{77, 1, sample::IntParam(50), {}};
  file.List(sample::kAddonRecordSize, {sample::AddonRecord(fields), sample::AddonRecord(fields)});
  std::string path = WriteFile("addons", file.Data());
  CliRun ids = Cli("addon '" + path + "' 77 -3");
  ASSERT_EQ(ids.status, 0) << ids.err;
  std::vector<Json> lines = JsonLines(ids.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["id"], 77);
  EXPECT_EQ(lines[1].dump(), R"j({"id":-3,"text":""})j");
  CliRun all = Cli("addon '" + path + "' --all");
  EXPECT_EQ(JsonLines(all.out).size(), 2u);
}

TEST(CliTest, ReplayDrivesTheWindowsEventFlow) {
  std::string script = "open " + SmallFile() + "\n\nsearch 布\nrow 0\nrefine 7\nspin +1\ndump\nabout\nrow 9\n";
  CliRun run = Cli("replay", script);
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 2u) << run.out;
  const Json& dump = lines[0];
  EXPECT_EQ(dump["selected_row"], 0);
  EXPECT_EQ(dump["search_cursor"], 1);
  EXPECT_TRUE(dump["equip_list_pos"].is_number_integer());
  EXPECT_EQ(dump["rows"], Json::parse(R"j([["101","菜鸟布衣(男)"],["-5","布\t鞋"]])j"));
  EXPECT_EQ(dump["refine"], "8");
  EXPECT_TRUE(dump.contains("equip") && dump.contains("wash") && dump.contains("set"));
  EXPECT_EQ(lines[1]["message"]["title"], "软件说明");
}

TEST(CliTest, ReplayEndsAfterTheVersionMessage) {
  CliRun run = Cli("replay --bytes", "open " + WrongSizeFile() + "\ndump\n");
  EXPECT_EQ(run.status, 0);
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].dump(),
            R"j({"message":{"title":"错误","text":"游戏版本错误，无法读取","title_gbk":"b4edcef3",)j"
            R"j("text_gbk":"d3cecfb7b0e6b1beb4edcef3a3accedeb7a8b6c1c8a1"}})j");
  EXPECT_EQ(lines[1].dump(), R"j({"exit":0})j");
}

TEST(CliTest, ReplayBadUsageKeepsWhatCameBefore) {
  for (const std::string bad : {"fly away", "row x", "spin up"}) {
    CliRun run = Cli("replay", "dump\n" + bad + "\ndump\n");
    EXPECT_EQ(run.status, 64) << bad;
    EXPECT_EQ(JsonLines(run.out).size(), 1u) << bad;
    EXPECT_THAT(run.err, HasSubstr(bad));
  }
  CliRun spin = Cli("replay", "refine 3\nspin 5\ndump\n");
  ASSERT_EQ(spin.status, 0);
  ASSERT_EQ(JsonLines(spin.out).size(), 1u);
  EXPECT_EQ(JsonLines(spin.out)[0]["refine"], "3") << "any other number: nothing happens";
}

TEST(CliTest, SampleIsDeterministic) {
  std::string a = Temp("sample-a"), b = Temp("sample-b");
  ASSERT_EQ(Cli("sample '" + a + "' --items 50 --seed 9").status, 0);
  ASSERT_EQ(Cli("sample '" + b + "' --items 50 --seed 9").status, 0);
  EXPECT_EQ(Slurp(a), Slurp(b));
  EXPECT_EQ(Slurp(a), sample::GenerateSample({50, 9, 0}));
  std::vector<Json> list = JsonLines(Cli("list '" + a + "' --format json").out);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]["rows"].size(), 50u);
}

}  // namespace
}  // namespace velkarin::cli

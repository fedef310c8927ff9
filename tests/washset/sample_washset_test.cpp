// The washing and set panels of every item of a generated file, through the CLI.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "app/panel.h"
#include "data/equip_record.h"
#include "sample/sample.h"
#include "washset/washset_panels.h"
#include "washset_fixtures.h"

namespace velkarin::washset {
namespace {

using Json = nlohmann::json;
using testing::U;

constexpr std::int32_t kItems = 300;
constexpr std::uint64_t kSeed = 3;

const std::string& SampleBytes() {
  static const std::string bytes = sample::GenerateSample({kItems, kSeed, 0});
  return bytes;
}

// The washing and set panels of every row, rendered here.
struct Panels {
  app::PanelLines wash;
  app::PanelLines set;
};
std::vector<Panels> RenderAll(const data::ElementData& data) {
  data::EquipListLocation list = data::LocateEquipList(data);
  auto recordPos = [&](std::int32_t row) {
    return list.pos + data::kListHeaderBytes + std::int64_t{list.recordSize} * row;
  };
  std::vector<std::int32_t> ids;
  std::vector<std::string> names;
  for (std::int32_t row = 0; row < list.count; ++row) {
    data::EquipRecord record(data, recordPos(row));
    ids.push_back(record.EquipId());
    names.push_back(record.EquipName());
  }
  std::vector<Panels> panels;
  for (std::int32_t row = 0; row < list.count; ++row) {
    panels.push_back({RenderWashPanel(data, recordPos(row)), RenderSetPanel(data, recordPos(row), ids, names)});
  }
  return panels;
}

// The lines of every item as velkarin-cli exports them.
std::vector<Json> Exported(const char* cli) {
  std::string file = ::testing::TempDir() + "washset-sample.data";
  std::string out = ::testing::TempDir() + "washset-export.jsonl";
  std::ofstream(file, std::ios::binary) << SampleBytes();
  std::string command = std::string(cli) + " export " + file + " --format jsonl > " + out;
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::vector<Json> items;
  std::ifstream in(out);
  for (std::string line; std::getline(in, line);) items.push_back(Json::parse(line));
  return items;
}

Json AsJson(const app::PanelLines& lines) {
  Json out = Json::array();
  for (const app::PanelLine& line : lines) out.push_back({{"colour", line.colour}, {"text", U(line.text)}});
  return out;
}

TEST(SampleWashSet, ExportWritesBothPanelsOfEveryItem) {
  const char* cli = std::getenv("VELKARIN_CLI");
  if (cli == nullptr) GTEST_SKIP() << "no velkarin-cli in this build";
  std::vector<Json> exported = Exported(cli);
  std::vector<Panels> panels = RenderAll(velkarin::testing::DataOf(SampleBytes()));
  ASSERT_EQ(exported.size(), panels.size());
  ASSERT_EQ(panels.size(), static_cast<size_t>(kItems));
  for (size_t row = 0; row < panels.size(); ++row) {
    const Json& item = exported[row];
    ASSERT_EQ(item.at("row"), row);
    EXPECT_FALSE(item.at("equip").empty()) << row;
    EXPECT_EQ(item.at("wash"), AsJson(panels[row].wash)) << row;
    EXPECT_EQ(item.at("set"), AsJson(panels[row].set)) << row;
  }
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
bool Has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// Every kind of line of both panels occurs somewhere in the sample.
TEST(SampleWashSet, TheSampleShowsEveryKindOfLine) {
  std::set<std::string> kinds;
  std::set<size_t> memberCounts;
  for (const Panels& p : RenderAll(velkarin::testing::DataOf(SampleBytes()))) {
    if (p.wash.empty()) kinds.insert("no washing");
    for (size_t i = 6; i < p.wash.size(); ++i) {
      std::string text = U(p.wash[i].text);
      std::string description = text.substr(0, text.find(" 出现概率"));
      if (description.empty()) kinds.insert("candidate without a row");
      if (Has(description, "%-")) kinds.insert("percentage range");
      if (StartsWith(description, "生命增加 ")) kinds.insert(Has(description, "-") ? "number range" : "single value");
      if (Has(description, "米/秒")) kinds.insert("speed");
      if (Has(description, "技能等级增加 ")) kinds.insert("skill level");
      if (StartsWith(description, "降低")) kinds.insert("cooldown");
      if (description.ends_with("级")) kinds.insert("skill with level");
      if (Has(description, "召唤图腾数量增加 ")) kinds.insert("totems");
    }
    if (p.set.empty()) {
      kinds.insert("in no set");
      continue;
    }
    size_t bonuses = 0;
    while (StartsWith(U(p.set[1 + bonuses].text), "(")) ++bonuses;
    if (bonuses > 0 && U(p.set[1 + bonuses - 1].text).size() == 3) kinds.insert("bonus without addon");
    const app::PanelLine& name = p.set[1 + bonuses];
    kinds.insert(name.colour == app::colour::kGrey ? "grey set name" : "coloured set name");
    std::string nameText = U(name.text);
    size_t count = std::stoul(nameText.substr(nameText.rfind("(0/") + 3));
    size_t members = p.set.size() - bonuses - 2;
    if (members < count) kinds.insert("member missing from the list");
    memberCounts.insert(count);
  }
  EXPECT_EQ(kinds, (std::set<std::string>{"no washing", "candidate without a row", "percentage range",
                                          "number range", "single value", "speed", "skill level", "cooldown",
                                          "skill with level", "totems", "in no set", "bonus without addon",
                                          "grey set name", "coloured set name", "member missing from the list"}));
  EXPECT_EQ(memberCounts, (std::set<size_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

}  // namespace
}  // namespace velkarin::washset

// The first panel of every item of a generated file, through the CLI.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/panel.h"

namespace velkarin::equip {
namespace {

using Json = nlohmann::json;

struct ShownLine {
  app::ColourValue colour;
  std::string text;  // UTF-8
};
using ShownPanel = std::vector<ShownLine>;

struct ExportedItem {
  std::string name;  // as listed, colour prefix included
  ShownPanel equip;
};

// `velkarin-cli export` of a generated file of 2000 items at refine level 5.
std::vector<ExportedItem> ExportSample() {
  const char* cli = std::getenv("VELKARIN_CLI");
  if (cli == nullptr) return {};
  std::string dir = ::testing::TempDir();
  std::string file = dir + "equip-sample.data";
  std::string out = dir + "equip-export.jsonl";
  std::string make = std::string(cli) + " sample " + file + " --items 2000";
  std::string exportAll =
      std::string(cli) + " export " + file + " --refine 5 --format jsonl > " + out;
  if (std::system(make.c_str()) != 0 || std::system(exportAll.c_str()) != 0) return {};
  std::vector<ExportedItem> items;
  std::ifstream in(out);
  for (std::string line; std::getline(in, line);) {
    Json item = Json::parse(line);
    ExportedItem exported{item.at("name").get<std::string>(), {}};
    for (const Json& panelLine : item.at("equip")) {
      exported.equip.push_back({panelLine.at("colour").get<app::ColourValue>(),
                                panelLine.at("text").get<std::string>()});
    }
    items.push_back(std::move(exported));
  }
  return items;
}

bool Has(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}
bool StartsWith(const std::string& text, const std::string& piece) {
  return text.rfind(piece, 0) == 0;
}

std::string ShownName(const std::string& listed) {
  return StartsWith(listed, "^") ? listed.substr(7) : listed;
}

using LineTest = std::function<bool(std::size_t index, const ShownLine&)>;
struct LineKind {
  const char* what;
  LineTest matches;
};

// An attribute line (below the name and the list-3 line) in white.
LineTest WhiteLine(std::string prefix, std::string piece = "") {
  return [=](std::size_t index, const ShownLine& line) {
    return index >= 2 && line.colour == app::colour::kWhite && StartsWith(line.text, prefix) &&
           Has(line.text, piece);
  };
}
LineTest WhiteLineWithout(std::string prefix, std::string piece, std::vector<std::string> absent) {
  return [=](std::size_t index, const ShownLine& line) {
    for (const std::string& text : absent) {
      if (Has(line.text, text)) return false;
    }
    return WhiteLine(prefix, piece)(index, line);
  };
}

const std::vector<LineKind>& EveryLineKind() {
  static const std::vector<LineKind> kinds = {
      {"refined name in a band colour",
       [](std::size_t i, const ShownLine& l) {
         return i == 0 && Has(l.text, "(+5)") && l.colour == app::ColourFromCode("6cfb4b");
       }},
      {"name in its own colour",
       [](std::size_t i, const ShownLine& l) { return i == 0 && l.colour != app::colour::kWhite; }},
      {"list-3 name", [](std::size_t i, const ShownLine& l) { return i == 1 && !l.text.empty(); }},
      {"empty list-3 line",
       [](std::size_t i, const ShownLine& l) { return i == 1 && l.text.empty(); }},
      {"coloured subtitle",
       [](std::size_t i, const ShownLine& l) {
         return i == 2 && l.colour == app::ColourFromCode("ffdc50");
       }},
      {"hp", WhiteLine("生命值 +")},
      {"washed hp", WhiteLine("生命值 +", "       [洗后主属性增加范围：")},
      {"mp", WhiteLine("真气值 +")},
      {"washed mp", WhiteLine("真气值 +", "       [洗后主属性增加范围：")},
      {"attack range", WhiteLine("攻击距离 ")},
      {"attack", WhiteLine("攻击 ")},
      {"washed attack", WhiteLine("攻击 ", " [洗后小攻:")},
      {"defence", WhiteLine("防御 +")},
      {"washed defence", WhiteLine("防御 +", "       【洗后主属性增加范围：")},
      {"hit", WhiteLine("命中 +")},
      {"dodge", WhiteLine("躲闪 +")},
      {"race 1", WhiteLine("种族限制 人族")},
      {"race 2", WhiteLine("种族限制 魔族")},
      {"professions", WhiteLine("职业限制 ")},
      {"all professions", WhiteLine("职业限制 菜鸟 ", "火枪 ")},
      {"level", WhiteLine("等级要求 ")},
      {"realm", WhiteLine("武术境界要求 ")},
      {"last realm tier", WhiteLine("武术境界要求 不坏八重")},
      {"rank 2", WhiteLine("小天位 专用")},
      {"rank 3", WhiteLine("真身小天位 专用")},
      {"rank 4", WhiteLine("强天位 专用")},
      {"rank 6", WhiteLine("小天位强天位 专用")},
      {"rank 8", WhiteLine("斋天位 专用")},
      {"rank 9", WhiteLine("真身斋天位 专用")},
      {"rank 16", WhiteLine("太天位 专用")},
      {"gender 0", WhiteLine("性别限制 男")},
      {"gender 1", WhiteLine("性别限制 女")},
      {"addon",
       [](std::size_t, const ShownLine& l) {
         return l.colour == app::colour::kBlack && !l.text.empty();
       }},
      {"addon the list lacks",
       [](std::size_t, const ShownLine& l) {
         return l.colour == app::colour::kBlack && l.text.empty();
       }},
      {"sockets",
       [](std::size_t, const ShownLine& l) {
         return l.colour == app::colour::kGreen && Has(l.text, "该装备可打");
       }},
      {"price in gold", WhiteLine("价格 ", "金")},
      {"price in silver", WhiteLineWithout("价格 ", "银", {"金"})},
      {"price in copper", WhiteLineWithout("价格 ", "铜", {"金", "银"})},
  };
  return kinds;
}

// One test, since making and exporting the file takes a while.
TEST(SamplePanels, EveryItemShowsItsPanelAndTheSampleEveryKindOfLine) {
  if (std::getenv("VELKARIN_CLI") == nullptr) GTEST_SKIP() << "a build without the CLI";
  const std::vector<ExportedItem> items = ExportSample();
  ASSERT_EQ(items.size(), 2000u);
  for (std::size_t row = 0; row < items.size(); ++row) {
    const ShownPanel& panel = items[row].equip;
    ASSERT_GE(panel.size(), 3u) << row;
    EXPECT_TRUE(StartsWith(panel[0].text, ShownName(items[row].name))) << row;
    bool hasLevel = false;
    for (const ShownLine& line : panel) hasLevel = hasLevel || StartsWith(line.text, "等级要求 ");
    EXPECT_TRUE(hasLevel) << row;
  }
  for (const LineKind& kind : EveryLineKind()) {
    bool seen = false;
    for (const ExportedItem& item : items) {
      for (std::size_t i = 0; i < item.equip.size() && !seen; ++i)
        seen = kind.matches(i, item.equip[i]);
      if (seen) break;
    }
    EXPECT_TRUE(seen) << kind.what;
  }
}

}  // namespace
}  // namespace velkarin::equip

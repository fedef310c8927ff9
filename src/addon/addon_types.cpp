// The 83 rows of the addon type table and the description of one addon from
// its type and two raw parameters.
#include <bit>
#include <iterator>
#include <vector>

#include "addon.h"
#include "data/codepage.h"
#include "number_text.h"
#include "skill_names.h"

namespace velkarin::addon {
namespace {

constexpr std::int32_t kTypeCount = 83;

// One row as written in the source (UTF-8).
struct RowSource {
  std::int32_t type;
  ValueText valueText;
  int decimals;
  const char* label;
  const char* suffix;
  const char* prefix = "";
  bool skillFirst = false;
};

using V = ValueText;

// Types 1 to 83 in order. Some labels repeat (48-51 and 52-55, 56-59 and
// 60-63, 29 and 70): only the type tells those rows apart.
constexpr RowSource kRows[] = {
    {1, V::IntText, 0, "生命增加 ", ""},
    {2, V::IntText, 0, "真气增加 ", ""},
    {3, V::IntText, 0, "攻击增加 ", ""},
    {4, V::IntText, 0, "防御增加 ", ""},
    {5, V::IntText, 0, "命中增加 ", ""},
    {6, V::IntText, 0, "闪避增加 ", ""},
    {7, V::Percent, 2, "致命一击率增加 ", "%"},
    {8, V::Percent, 2, "致命一击伤害增加 ", "%"},
    {9, V::IntText, 0, "眩晕抗性增加 ", ""},
    {10, V::IntText, 0, "虚弱抗性增加 ", ""},
    {11, V::IntText, 0, "缓慢抗性增加 ", ""},
    {12, V::IntText, 0, "沉默抗性增加 ", ""},
    {13, V::IntText, 0, "睡眠抗性增加 ", ""},
    {14, V::IntText, 0, "缠绕抗性增加 ", ""},
    {15, V::Percent, 1, "生命提升 ", "%"},
    {16, V::Percent, 1, "真气提升 ", "%"},
    {17, V::Percent, 1, "攻击力提升 ", "%"},
    {18, V::Percent, 1, "防御力提升 ", "%"},
    {19, V::Percent, 1, "眩晕抗性提升 ", "%"},
    {20, V::Percent, 1, "虚弱抗性提升 ", "%"},
    {21, V::Percent, 1, "缓慢抗性提升 ", "%"},
    {22, V::Percent, 1, "沉默抗性提升 ", "%"},
    {23, V::Percent, 1, "睡眠抗性提升 ", "%"},
    {24, V::Percent, 1, "缠绕抗性提升 ", "%"},
    {25, V::Plain, 1, "移动速度增加 ", "米/秒"},
    {26, V::Percent, 1, "生命恢复速度提升 ", "%"},
    {27, V::Percent, 1, "真气恢复速度提升 ", "%"},
    {28, V::IntText, 0, "获得经验增加 ", ""},
    {29, V::Percent, 1, "获得经验提升 ", "%"},
    {30, V::IntText, 0, "获得金钱增加 ", ""},
    {31, V::Percent, 1, "获得金钱提升 ", "%"},
    {32, V::IntText, 0, "所受伤害减少 ", ""},
    {33, V::Percent, 1, "所受伤害下降 ", "%"},
    {34, V::Special, 0, "技能等级增加 ", "", "", true},
    {35, V::Special, 1, "技能冷却时间 ", "秒", "降低", true},
    {36, V::IntText, 0, "攻击时给对手附加 ", "点伤害"},
    {37, V::Plain, 1, "骑乘、幻形速度增加 ", "米/秒"},
    {38, V::Percent, 1, "抗致命一击率增加 ", "%"},
    {39, V::Percent, 1, "抗致命一击伤害增加 ", "%"},
    {40, V::IntText, 0, "增加技能攻击力 ", ""},
    {41, V::Special, 0, " ", "级", "", true},
    {42, V::IntText, 0, "眩晕专精增加 ", ""},
    {43, V::IntText, 0, "虚弱专精增加 ", ""},
    {44, V::IntText, 0, "缓慢专精增加 ", ""},
    {45, V::IntText, 0, "沉默专精增加 ", ""},
    {46, V::IntText, 0, "睡眠专精增加 ", ""},
    {47, V::IntText, 0, "缠绕专精增加 ", ""},
    {48, V::IntText, 0, "玄武精通增加 ", ""},
    {49, V::IntText, 0, "朱雀精通增加 ", ""},
    {50, V::IntText, 0, "青龙精通增加 ", ""},
    {51, V::IntText, 0, "白虎精通增加 ", ""},
    {52, V::Percent, 1, "玄武精通增加 ", "%"},
    {53, V::Percent, 1, "朱雀精通增加 ", "%"},
    {54, V::Percent, 1, "青龙精通增加 ", "%"},
    {55, V::Percent, 1, "白虎精通增加 ", "%"},
    {56, V::IntText, 0, "玄武抗性增加 ", ""},
    {57, V::IntText, 0, "朱雀抗性增加 ", ""},
    {58, V::IntText, 0, "青龙抗性增加 ", ""},
    {59, V::IntText, 0, "白虎抗性增加 ", ""},
    {60, V::Percent, 1, "玄武抗性增加 ", "%"},
    {61, V::Percent, 1, "朱雀抗性增加 ", "%"},
    {62, V::Percent, 1, "青龙抗性增加 ", "%"},
    {63, V::Percent, 1, "白虎抗性增加 ", "%"},
    {64, V::Percent, 1, "连击率增加 ", "%"},
    {65, V::Percent, 1, "抗连击率增加 ", "%"},
    {66, V::Percent, 1, "神圣一击率增加 ", "%"},
    {67, V::Percent, 1, "神圣一击伤害增加 ", "%"},
    {68, V::Percent, 1, "抗神圣一击率增加 ", "%"},
    {69, V::Percent, 1, "抗神圣一击伤害增加 ", "%"},
    {70, V::Percent, 1, "获得经验提升 ", "%"},
    {71, V::Percent, 1, "图腾血量传承增加 ", "%"},
    {72, V::Percent, 1, "图腾攻击传承增加 ", "%"},
    {73, V::Percent, 1, "图腾防御传承增加 ", "%"},
    {74, V::IntText, 0, "祝福类图腾可同时存在的总数增加 ", ""},
    {75, V::IntText, 0, "攻击类图腾可同时存在的总数增加 ", ""},
    {76, V::IntText, 0, "诅咒类图腾可同时存在的总数增加 ", ""},
    {77, V::Special, 0, "召唤图腾数量增加 ", ""},
    {78, V::Tenths, 1, "技能命中增加 ", "%"},
    {79, V::Tenths, 1, "技能闪避增加 ", "%"},
    {80, V::Percent, 1, "阵营伤害系数增加 ", "%"},
    {81, V::Percent, 1, "阵营免伤系数增加 ", "%"},
    {82, V::IntText, 0, "阵营伤害增加 ", ""},
    {83, V::IntText, 0, "阵营免伤增加 ", ""},
};
static_assert(std::size(kRows) == kTypeCount);

constexpr bool RowsInTypeOrder() {
  for (std::int32_t i = 0; i < kTypeCount; ++i) {
    if (kRows[i].type != i + 1) return false;
  }
  return true;
}
static_assert(RowsInTypeOrder(), "row k describes type k");

const std::vector<AddonTypeRow>& Rows() {
  static const std::vector<AddonTypeRow> rows = [] {
    std::vector<AddonTypeRow> converted;
    for (const RowSource& row : kRows) {
      converted.push_back({row.type, row.valueText, row.decimals, data::Utf8ToGbk(row.label),
                           data::Utf8ToGbk(row.suffix), data::Utf8ToGbk(row.prefix),
                           row.skillFirst});
    }
    return converted;
  }();
  return rows;
}

std::uint32_t LittleEndian(RawParam param) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(param[i]);
  return value;
}
std::int32_t AsInt32(RawParam param) { return static_cast<std::int32_t>(LittleEndian(param)); }
// A float32 widened exactly to double.
double AsFloat(RawParam param) { return std::bit_cast<float>(LittleEndian(param)); }

std::string RegularValueText(const AddonTypeRow& row, RawParam param1) {
  switch (row.valueText) {
    case ValueText::IntText: return IntText(AsInt32(param1));
    case ValueText::Percent: return FormatFixed(AsFloat(param1) * 100, row.decimals);
    case ValueText::Plain: return FormatFixed(AsFloat(param1), row.decimals);
    case ValueText::Tenths: return FormatFixed(AsInt32(param1) / 10.0, row.decimals);
    case ValueText::Special: break;
  }
  return {};
}

// prefix, skill name or number, label, number, suffix.
std::string SpecialText(const AddonTypeRow& row, RawParam param1, RawParam param2) {
  std::int32_t first = AsInt32(param1);
  std::string second = row.decimals > 0 ? FormatFixed(AsFloat(param2), row.decimals)
                                        : IntText(AsInt32(param2));
  return row.prefix + (row.skillFirst ? SkillName(first) : IntText(first)) + row.label + second +
         row.suffix;
}

}  // namespace

const AddonTypeRow* FindAddonTypeRow(std::int32_t type) {
  if (type < 1 || type > kTypeCount) return nullptr;
  return &Rows()[static_cast<size_t>(type - 1)];
}

std::string DescribeAddonType(std::int32_t type, RawParam param1, RawParam param2) {
  const AddonTypeRow* row = FindAddonTypeRow(type);
  if (!row) return {};
  if (row->valueText == ValueText::Special) return SpecialText(*row, param1, param2);
  return row->label + RegularValueText(*row, param1) + row->suffix;
}

}  // namespace velkarin::addon

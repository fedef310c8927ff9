#include "equip_panel.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "addon/addon.h"
#include "addon/number_text.h"
#include "data/codepage.h"
#include "data/equip_record.h"
#include "data/gbk_text.h"
#include "data/lists.h"
#include "main_attr_pool.h"
#include "profession_realm.h"
#include "split_fields.h"

namespace velkarin::equip {
namespace {

using addon::IntText;
using data::EquipRecord;
using data::MainAttr;

constexpr std::int32_t kList3 = 3;
constexpr std::string_view kNoPrefixCode = "FFFFFF";

// The name's colour while refined to these levels; other levels keep the
// name's own colour.
struct RefineBand {
  std::int32_t low, high;
  std::string_view code;
};
constexpr std::array<RefineBand, 5> kRefineBands = {{{4, 6, "6cfb4b"},
                                                     {7, 9, "0c286d"},
                                                     {10, 12, "5e1eff"},
                                                     {13, 15, "ff0000"},
                                                     {16, 20, "ffdc50"}}};

// The 天位 lines of the exact RankReq codes (sums of codes match nothing).
struct RankLine {
  std::int32_t rank;
  std::string text;  // GBK
};
const std::vector<RankLine>& RankLines() {
  static const std::vector<RankLine> lines = [] {
    constexpr std::array<std::pair<std::int32_t, std::string_view>, 7> kUtf8 = {
        {{2, "小天位 专用"},
         {3, "真身小天位 专用"},
         {4, "强天位 专用"},
         {6, "小天位强天位 专用"},
         {8, "斋天位 专用"},
         {9, "真身斋天位 专用"},
         {16, "太天位 专用"}}};
    std::vector<RankLine> gbk;
    for (const auto& [rank, utf8] : kUtf8) gbk.push_back({rank, data::Utf8ToGbk(utf8)});
    return gbk;
  }();
  return lines;
}

// The bounds that washing adds to the main attribute: W1 to W4 of the pool.
struct WashRange {
  std::int64_t w1 = 0, w2 = 0, w3 = 0, w4 = 0;
};

// Everything the attribute lines share: the record, its refine bonus and the
// washing range of its main attribute, if any.
struct MainAttrContext {
  const EquipRecord& record;
  std::int64_t refineBonus;
  std::optional<WashRange> range;

  bool IsMain(MainAttr attr) const {
    return record.MainAttrKind() == static_cast<std::int32_t>(attr);
  }
  std::int64_t Refined(MainAttr attr, std::int32_t stored) const {
    return stored + (IsMain(attr) ? refineBonus : 0);
  }
  const WashRange* RangeOf(MainAttr attr) const {
    return IsMain(attr) && range ? &*range : nullptr;
  }
};

bool NamesMainAttr(std::int32_t kind) {
  for (MainAttr attr : {MainAttr::Attack, MainAttr::Mp, MainAttr::Defence, MainAttr::Hp}) {
    if (kind == static_cast<std::int32_t>(attr)) return true;
  }
  return false;
}

// The refine bonus of RefineBonus entry `level`; levels outside 1 to 20 have none.
std::int64_t RefineBonusOf(const EquipRecord& record, std::int32_t level) {
  if (level < 1 || level > data::equip_field::kRefineLevels) return 0;
  return record.RefineBonus(level);
}

// The pool's range for an item whose main attribute is a known one and whose
// pool ID is set; none when the pool list or the record is missing.
std::optional<WashRange> WashRangeOf(const data::ElementData& data, const EquipRecord& record) {
  if (!NamesMainAttr(record.MainAttrKind()) || record.MainAttrPoolId() <= 0) return std::nullopt;
  std::vector<std::string> fields = SplitFields(LookupMainAttrPool(data, record.MainAttrPoolId()));
  if (fields.size() < 4) return std::nullopt;
  auto value = [&](std::size_t k) -> std::int64_t { return data::IntegerValueOfText(fields[k]); };
  return WashRange{value(0), value(1), value(2), value(3)};
}

// A text split by its colour prefix; "FFFFFF" when it has none.
struct ColouredText {
  std::string code;
  std::string shown;
};
ColouredText SplitColour(std::string_view text) {
  data::ColourPrefixSplit split = data::SplitColourPrefix(text);
  return {split.code ? *split.code : std::string(kNoPrefixCode), std::move(split.shown)};
}

app::PanelLine White(std::string text) { return {app::colour::kWhite, std::move(text)}; }

app::PanelLine NameLine(const EquipRecord& record, std::string_view listedName,
                        std::string_view refineText, std::int32_t level) {
  ColouredText name = SplitColour(listedName);
  if (level >= 1 && record.Refinable() >= 1) {
    name.shown += "(+" + std::string(refineText) + ")";
    for (const RefineBand& band : kRefineBands) {
      if (level >= band.low && level <= band.high) name.code = band.code;
    }
  }
  return {app::ColourFromCode(name.code), std::move(name.shown)};
}

// 生命值, 真气值 and 防御: a label, the refined value and a washing suffix.
struct SingleAttrLine {
  MainAttr attr;
  std::string label;  // GBK, like the suffix pieces
  std::string suffixOpen;
  std::string suffixClose;
};
const std::string& SquareSuffixOpen() { return GBK("       [洗后主属性增加范围："); }
const SingleAttrLine& HpLine() {
  static const SingleAttrLine line{MainAttr::Hp, GBK("生命值 +"), SquareSuffixOpen(), "]"};
  return line;
}
const SingleAttrLine& MpLine() {
  static const SingleAttrLine line{MainAttr::Mp, GBK("真气值 +"), SquareSuffixOpen(), "]"};
  return line;
}
const SingleAttrLine& DefenceLine() {
  static const SingleAttrLine line{MainAttr::Defence, GBK("防御 +"),
                                   GBK("       【洗后主属性增加范围："), GBK("】")};
  return line;
}

void AddSingleAttrLine(app::PanelLines& lines, const MainAttrContext& ctx,
                       const SingleAttrLine& line, std::int32_t stored) {
  std::int64_t value = ctx.Refined(line.attr, stored);
  const WashRange* range = ctx.RangeOf(line.attr);
  if (value + (range ? range->w2 : 0) <= 0) return;
  std::string text = line.label + IntText(value);
  if (range) {
    text += line.suffixOpen + IntText(value + range->w2) + "-" + IntText(value + range->w1) +
            line.suffixClose;
  }
  lines.push_back(White(std::move(text)));
}

void AddAttackLine(app::PanelLines& lines, const MainAttrContext& ctx) {
  std::int64_t low = ctx.Refined(MainAttr::Attack, ctx.record.AttackMin());
  std::int64_t high = ctx.Refined(MainAttr::Attack, ctx.record.AttackMax());
  const WashRange* range = ctx.RangeOf(MainAttr::Attack);
  std::int64_t w2 = range ? range->w2 : 0;
  if (low + w2 <= 0 && high + w2 <= 0) return;
  std::string text = GBK("攻击 ") + IntText(low) + "-" + IntText(high);
  if (range) {
    text += GBK(" [洗后小攻:") + IntText(low + range->w2) + "-" + IntText(low + range->w1) +
            GBK(" 大攻:") + IntText(high + range->w4) + "-" + IntText(high + range->w3) + "]";
  }
  lines.push_back(White(std::move(text)));
}

// The range is truncated as a double: a cast to an integer would be undefined
// for infinities and NaN, which pass the test and print as FormatFixed writes them.
void AddAttackRangeLine(app::PanelLines& lines, const EquipRecord& record) {
  double range = std::trunc(static_cast<double>(record.AttackRange()));
  if (range == 0) return;
  lines.push_back(White(GBK("攻击距离 ") + addon::FormatFixed(range, 2)));
}

bool IsProfessionRestricted(std::int64_t mask) {
  constexpr std::int64_t kAllOnes32 = 4294967295;
  return mask != 0 && mask != -1 && mask != kAllOnes32;
}

void AddRestrictionLines(app::PanelLines& lines, const EquipRecord& record) {
  if (record.Race() == 1) lines.push_back(White(GBK("种族限制 人族")));
  if (record.Race() == 2) lines.push_back(White(GBK("种族限制 魔族")));
  std::int64_t mask = record.ProfessionMask();
  if (IsProfessionRestricted(mask)) lines.push_back(White(GBK("职业限制 ") + ProfessionText(mask)));
  lines.push_back(White(GBK("等级要求 ") + IntText(record.LevelReq())));
  std::int32_t realm = record.RealmReq();
  if (realm >= kFirstRealmLevel && realm <= kLastRealmLevel)
    lines.push_back(White(GBK("武术境界要求 ") + RealmName(realm)));
  for (const RankLine& rank : RankLines()) {
    if (record.RankReq() == rank.rank) lines.push_back(White(rank.text));
  }
  if (record.Gender() == 0) lines.push_back(White(GBK("性别限制 男")));
  if (record.Gender() == 1) lines.push_back(White(GBK("性别限制 女")));
}

void AddAddonLines(app::PanelLines& lines, const data::ElementData& data,
                   const EquipRecord& record) {
  for (int slot = 0; slot < data::equip_field::kAddonSlots; ++slot) {
    std::int32_t id = record.AddonId(slot);
    if (id > 0) lines.push_back({app::colour::kBlack, addon::DescribeAddon(data, id)});
  }
}

// The price in copper as 金 (10000), 银 (100) and 铜, leaving out the zero
// parts below the highest.
std::string PriceText(std::int32_t price) {
  std::int32_t silver = (price / 100) % 100;
  std::int32_t copper = price % 100;
  std::string text = GBK("价格 ");
  if (price >= 10000) {
    text += IntText(price / 10000) + GBK("金");
    if (silver > 0) text += IntText(silver) + GBK("银");
    if (copper > 0) text += IntText(copper) + GBK("铜");
  } else if (price >= 100) {
    text += IntText(price / 100) + GBK("银");
    if (copper > 0) text += IntText(copper) + GBK("铜");
  } else {
    text += IntText(price) + GBK("铜");
  }
  return text;
}

}  // namespace

app::PanelLines RenderEquipPanel(const data::ElementData& data, std::int64_t recordPos,
                                 std::string_view listedName, std::string_view refineText) {
  const EquipRecord record(data, recordPos);
  const std::int32_t level = data::IntegerValueOfText(refineText);
  app::PanelLines lines;
  lines.push_back(NameLine(record, listedName, refineText, level));
  lines.push_back(White(data::ListRecordName(data, kList3, record.List3Id())));
  ColouredText subtitle = SplitColour(record.Subtitle());
  if (!subtitle.shown.empty()) {
    lines.push_back({app::ColourFromCode(subtitle.code), std::move(subtitle.shown)});
  }

  const MainAttrContext ctx{record, RefineBonusOf(record, level), WashRangeOf(data, record)};
  AddSingleAttrLine(lines, ctx, HpLine(), record.Hp());
  AddSingleAttrLine(lines, ctx, MpLine(), record.Mp());
  AddAttackRangeLine(lines, record);
  AddAttackLine(lines, ctx);
  AddSingleAttrLine(lines, ctx, DefenceLine(), record.Defence());
  if (record.Hit() > 0) lines.push_back(White(GBK("命中 +") + IntText(record.Hit())));
  if (record.Dodge() > 0) lines.push_back(White(GBK("躲闪 +") + IntText(record.Dodge())));
  AddRestrictionLines(lines, record);
  AddAddonLines(lines, data, record);
  if (record.SocketCount() > 0) {
    lines.push_back(
        {app::colour::kGreen, GBK("该装备可打") + IntText(record.SocketCount()) + GBK("孔")});
  }
  if (record.Price() > 0) lines.push_back(White(PriceText(record.Price())));
  return lines;
}

}  // namespace velkarin::equip

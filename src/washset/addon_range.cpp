#include "addon_range.h"

#include <array>
#include <cmath>
#include <limits>

#include "addon/addon.h"
#include "addon/number_text.h"
#include "addon/skill_names.h"

namespace velkarin::washset {
namespace {

using addon::ValueText;
using NumberText = std::string (*)(double);

// How the regular rows write one end of a range. Percentages carry their
// suffix on both ends ("2.0%-5.0%"); the other rows once, after the range.
struct RangeForm {
  ValueText valueText;
  NumberText number;
  bool suffixOnEachEnd;
};

// Every percentage row uses one decimal here, also those that the addon
// descriptions give two.
constexpr std::array<RangeForm, 4> kRangeForms = {{
    {ValueText::IntText, [](double v) { return addon::FormatGeneral(v); }, false},
    {ValueText::Percent, [](double v) { return addon::FormatFixed(v * 100, 1); }, true},
    {ValueText::Plain, [](double v) { return addon::FormatFixed(v, 1); }, false},
    {ValueText::Tenths, [](double v) { return addon::FormatFixed(v / 10, 1); }, true},
}};

// The skill and count rows: what stands before the row's label and what
// after it; the prefix and suffix come from the row.
struct SpecialForm {
  std::int32_t type;
  NumberText beforeLabel;
  NumberText afterLabel;
};

std::string SkillOf(double v) { return addon::SkillName(TruncateToInt32(v)); }

constexpr std::array<SpecialForm, 4> kSpecialForms = {{
    {34, SkillOf, [](double v) { return addon::FormatGeneral(v); }},
    {35, SkillOf, [](double v) { return addon::FormatFixed(v, 1); }},
    {41, SkillOf, [](double v) { return addon::IntText(TruncateToInt32(v)); }},
    {77, [](double v) { return addon::FormatGeneral(v); }, [](double v) { return addon::FormatGeneral(v); }},
}};

constexpr double kEqualWithin = 1e-7;

std::string DescribeSpecial(const addon::AddonTypeRow& row, double first, double second) {
  for (const SpecialForm& form : kSpecialForms) {
    if (form.type == row.type) {
      return row.prefix + form.beforeLabel(first) + row.label + form.afterLabel(second) + row.suffix;
    }
  }
  return {};
}

std::string DescribeRegular(const addon::AddonTypeRow& row, double first, double second) {
  for (const RangeForm& form : kRangeForms) {
    if (form.valueText != row.valueText) continue;
    if (std::fabs(first - second) <= kEqualWithin) return row.label + form.number(first) + row.suffix;
    std::string low = form.number(second);
    if (form.suffixOnEachEnd) low += row.suffix;
    return row.label + low + "-" + form.number(first) + row.suffix;
  }
  return {};
}

}  // namespace

std::int32_t TruncateToInt32(double value) {
  using Limits = std::numeric_limits<std::int32_t>;
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(Limits::max())) return Limits::max();
  if (value <= static_cast<double>(Limits::min())) return Limits::min();
  return static_cast<std::int32_t>(value);
}

std::string DescribeAddonRange(std::int32_t type, double first, double second) {
  const addon::AddonTypeRow* row = addon::FindAddonTypeRow(type);
  if (row == nullptr) return {};
  if (row->valueText == ValueText::Special) return DescribeSpecial(*row, first, second);
  return DescribeRegular(*row, first, second);
}

}  // namespace velkarin::washset

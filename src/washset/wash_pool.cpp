#include "wash_pool.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "addon/number_text.h"
#include "addon_range.h"
#include "data/codepage.h"
#include "data/lists.h"
#include "data/named_lists.h"

namespace velkarin::washset {
namespace {

// Offsets inside a pool record and inside one of its candidate slots.
constexpr std::int64_t kPoolId = 0;
constexpr std::int64_t kCountProbabilities = 68;
constexpr std::int64_t kSlots = 104;
constexpr std::int64_t kSlotBytes = 24;
constexpr int kSlotCount = 64;
constexpr std::int64_t kSlotType = 0;
constexpr std::int64_t kSlotFirst = 4;
constexpr std::int64_t kSlotSecond = 12;
constexpr std::int64_t kSlotProbability = 20;

// A slot whose two values both lie within this of zero is empty.
constexpr double kEmptyWithin = 1e-7;

constexpr int kSignificant = 6;
// Enough digits to write any float exactly (a subnormal needs 105).
constexpr int kExactDigits = 120;


data::RecordIdIndex IndexOfPoolList(const data::ElementData& data) {
  auto list = data::NamedListRecords(data, data::NamedList::AddonPool);
  if (!list) return {};
  return data::RecordIdIndex(data, list->first, list->size, list->count,
                             kPoolId + 4, kPoolId);
}

// The decimal digits of a finite, non-zero value, exactly, and the power of
// ten of the first one.
struct ExactDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

ExactDigits ExactDigitsOf(double value) {
  char buffer[kExactDigits + 16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                              kExactDigits);
  std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
  ExactDigits out;
  out.negative = text.front() == '-';
  if (out.negative) text.remove_prefix(1);
  size_t e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (c != '.') out.digits.push_back(c);
  }
  out.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return out;
}

// Keeps the first six digits, rounding half away from zero.
void RoundToSignificant(ExactDigits& value) {
  bool up = value.digits[kSignificant] >= '5';
  value.digits.resize(kSignificant);
  if (!up) return;
  for (int i = kSignificant - 1; i >= 0; --i) {
    if (value.digits[i] != '9') {
      ++value.digits[i];
      return;
    }
    value.digits[i] = '0';
  }
  value.digits.insert(value.digits.begin(), '1');  // 999999 became 1000000
  value.digits.resize(kSignificant);
  ++value.exponent;
}

std::string WithoutTrailingZeros(std::string digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return digits;
}

// The general notation of "%g": plain from 1e-4 up to below 1e6, with an
// exponent of at least two digits otherwise.
std::string GeneralNotation(const ExactDigits& value) {
  std::string out = value.negative ? "-" : "";
  const std::string& d = value.digits;
  int x = value.exponent;
  std::string whole;
  std::string fraction;
  if (x >= -4 && x < kSignificant) {
    whole = x >= 0 ? d.substr(0, static_cast<size_t>(x) + 1) : "0";
    fraction = x >= 0 ? d.substr(static_cast<size_t>(x) + 1) : std::string(static_cast<size_t>(-x - 1), '0') + d;
  } else {
    whole = d.substr(0, 1);
    fraction = d.substr(1);
  }
  out += whole;
  fraction = WithoutTrailingZeros(fraction);
  if (!fraction.empty()) {
    out += '.';
    out += fraction;
  }
  if (x < -4 || x >= kSignificant) {
    std::string power = std::to_string(x < 0 ? -x : x);
    if (power.size() < 2) power.insert(power.begin(), '0');
    out += x < 0 ? "e-" : "e+";
    out += power;
  }
  return out;
}

std::string CandidateLine(const data::ElementData& data, std::int64_t slot) {
  std::int32_t type = data.ReadInt32(data::OffsetAdd(slot, kSlotType));
  double first = data.ReadDouble(data::OffsetAdd(slot, kSlotFirst));
  double second = data.ReadDouble(data::OffsetAdd(slot, kSlotSecond));
  double probability = data.ReadFloat(data::OffsetAdd(slot, kSlotProbability));
  // A NaN is not greater than anything: such a value counts as zero here.
  if (!(std::fabs(first) > kEmptyWithin) && !(std::fabs(second) > kEmptyWithin)) return {};
  return DescribeAddonRange(type, first, second) + GBK(" 出现概率") +
         addon::FormatFixed(probability * 100, 1) + "%";
}

AddonPool ReadPool(const data::ElementData& data, std::int64_t record) {
  AddonPool pool;
  for (int j = 0; j < kWashCounts; ++j) {
    pool.countTexts[j] = SixDigitText(data.ReadFloat(data::OffsetAdd(record, kCountProbabilities + 4 * j)));
  }
  for (int s = 0; s < kSlotCount; ++s) {
    std::string line = CandidateLine(data, data::OffsetAdd(record, kSlots + kSlotBytes * s));
    if (!line.empty()) pool.candidates.push_back(std::move(line));
  }
  return pool;
}

}  // namespace

std::string SixDigitText(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return std::signbit(value) ? "-0" : "0";
  ExactDigits digits = ExactDigitsOf(value);
  RoundToSignificant(digits);
  return GeneralNotation(digits);
}

std::optional<std::int64_t> FindAddonPoolRecord(const data::ElementData& data, std::int32_t poolId) {
  auto list = data::NamedListRecords(data, data::NamedList::AddonPool);
  if (!list) return std::nullopt;
  return data::FindFirstRecord(
      data, list->first, list->size, list->count, kPoolId + 4,
      [&](std::int64_t pos) { return data.ReadInt32(data::OffsetAdd(pos, kPoolId)) == poolId; });
}

AddonPoolIndex::AddonPoolIndex(const data::ElementData& data) : records_(IndexOfPoolList(data)) {}

std::optional<AddonPool> LookupAddonPool(const data::ElementData& data, std::int32_t poolId) {
  auto record = data.Cached<AddonPoolIndex>().FirstRecord(poolId);
  if (!record) return std::nullopt;
  return ReadPool(data, *record);
}

}  // namespace velkarin::washset

#include "element_data.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "codepage.h"
#include "find_bytes.h"

namespace velkarin::data {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

template <typename T>
T ReadLittleEndian(const ElementData& data, std::int64_t offset) {
  unsigned char raw[sizeof(T)] = {};
  std::string_view present = data.ReadBytes(offset, sizeof(T));
  if (!present.empty()) std::memcpy(raw, present.data(), present.size());  // none past the end
  std::uint64_t value = 0;
  for (size_t i = sizeof(T); i-- > 0;) value = (value << 8) | raw[i];
  if constexpr (sizeof(T) == 4) {
    return std::bit_cast<T>(static_cast<std::uint32_t>(value));
  } else {
    return std::bit_cast<T>(value);
  }
}

}  // namespace

ElementData::ElementData(std::unique_ptr<char[]> bytes, std::int64_t size)
    : bytes_(std::move(bytes)), size_(bytes_ ? size : 0) {}

ElementData::ElementData(ElementData&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)) {
  other.caches_.clear();
}

ElementData& ElementData::operator=(ElementData&& other) noexcept {
  if (this != &other) {
    caches_.clear();
    bytes_ = std::move(other.bytes_);
    size_ = std::exchange(other.size_, 0);
    other.caches_.clear();
  }
  return *this;
}

const void* ElementData::FindCached(const void* key) const {
  for (const auto& [cachedKey, value] : caches_) {
    if (cachedKey == key) return value.get();
  }
  return nullptr;
}

ElementData ElementData::FromBytes(std::string_view bytes) {
  auto copy = std::make_unique_for_overwrite<char[]>(bytes.size());
  if (!bytes.empty()) std::memcpy(copy.get(), bytes.data(), bytes.size());
  return ElementData(std::move(copy), static_cast<std::int64_t>(bytes.size()));
}

std::string_view ElementData::ReadBytes(std::int64_t offset, std::int64_t n) const {
  std::int64_t start = std::clamp<std::int64_t>(offset, 0, size_);
  std::int64_t count = std::clamp<std::int64_t>(n, 0, size_ - start);
  return {bytes_.get() + start, static_cast<size_t>(count)};
}

std::int32_t ElementData::ReadInt32(std::int64_t offset) const {
  return ReadLittleEndian<std::int32_t>(*this, offset);
}
float ElementData::ReadFloat(std::int64_t offset) const {
  return ReadLittleEndian<float>(*this, offset);
}
std::int64_t ElementData::ReadInt64(std::int64_t offset) const {
  return ReadLittleEndian<std::int64_t>(*this, offset);
}
double ElementData::ReadDouble(std::int64_t offset) const {
  return ReadLittleEndian<double>(*this, offset);
}

std::string ElementData::ReadText(std::int64_t offset, std::int64_t fieldBytes) const {
  return WideBytesToText(ReadBytes(offset, fieldBytes));
}

std::optional<std::int64_t> ElementData::FindMarker(std::string_view gbkText) const {
  return FindBytes(ToWideBytes(gbkText));
}

std::optional<std::int64_t> ElementData::FindBytes(std::string_view pattern) const {
  return FindFirst(Bytes(), pattern);
}

std::int64_t OffsetAdd(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) return b > 0 ? kMax : kMin;
  return sum;
}

std::int64_t OffsetMul(std::int64_t a, std::int64_t b) {
  std::int64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) return (a < 0) != (b < 0) ? kMin : kMax;
  return product;
}

}  // namespace velkarin::data

// The element data file held whole in memory, and the readers of its fields.
//
// Offsets are 64-bit so that no computed position wraps. A read never fails:
// an offset below 0 reads from offset 0, bytes beyond the end read as zero,
// and a numeric read cut by the end completes its bytes with zeros at the high
// end (little-endian). The buffer is never written once loaded.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velkarin::data {

// Width of the UTF-16LE name fields of the records (32 code units).
inline constexpr std::int64_t kNameFieldBytes = 64;

class ElementData {
 public:
  ElementData() = default;
  ElementData(std::unique_ptr<char[]> bytes, std::int64_t size);
  static ElementData FromBytes(std::string_view bytes);

  // A moved ElementData keeps its bytes but starts without caches: a cached
  // value may refer to the object it was made from.
  ElementData(ElementData&& other) noexcept;
  ElementData& operator=(ElementData&& other) noexcept;

  std::int64_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  std::string_view Bytes() const { return {bytes_.get(), static_cast<size_t>(size_)}; }

  // At most n bytes from offset on, fewer where the data ends first.
  std::string_view ReadBytes(std::int64_t offset, std::int64_t n) const;
  std::int32_t ReadInt32(std::int64_t offset) const;
  float ReadFloat(std::int64_t offset) const;
  std::int64_t ReadInt64(std::int64_t offset) const;
  double ReadDouble(std::int64_t offset) const;
  // GBK text of the UTF-16LE field of `fieldBytes` bytes at offset.
  std::string ReadText(std::int64_t offset, std::int64_t fieldBytes) const;
  // GBK text of the 64-byte name field at offset.
  std::string ReadName(std::int64_t offset) const { return ReadText(offset, kNameFieldBytes); }

  // Offset of the first occurrence of the UTF-16LE form of a GBK text (odd
  // offsets included); nothing for the empty text or no occurrence.
  std::optional<std::int64_t> FindMarker(std::string_view gbkText) const;
  // Offset of the first occurrence of a byte pattern.
  std::optional<std::int64_t> FindBytes(std::string_view pattern) const;

  // The T made from these bytes by T(const ElementData&), built on first use
  // and kept until this object is destroyed, assigned to or moved from. The
  // bytes never change, so whatever T computes from them stays true; the
  // areas that cache keep their types to themselves. Not thread-safe: the
  // viewer reads its data from one thread.
  template <typename T>
  const T& Cached() const {
    const void* key = CacheKey<T>();
    if (const void* found = FindCached(key)) return *static_cast<const T*>(found);
    auto made = std::make_shared<const T>(*this);
    const T& value = *made;
    caches_.emplace_back(key, std::move(made));  // T's constructor may have cached others meanwhile
    return value;
  }

 private:
  template <typename T>
  static const void* CacheKey() {
    static const char key = 0;
    return &key;
  }
  const void* FindCached(const void* key) const;

  std::unique_ptr<char[]> bytes_;
  std::int64_t size_ = 0;
  mutable std::vector<std::pair<const void*, std::shared_ptr<const void>>> caches_;
};

// Offset arithmetic that saturates instead of wrapping: positions computed
// from corrupt sizes and counts stay far outside the data, where every read
// gives the same result as at the exact position.
std::int64_t OffsetAdd(std::int64_t a, std::int64_t b);
std::int64_t OffsetMul(std::int64_t a, std::int64_t b);

}  // namespace velkarin::data

#include "find_bytes.h"

#include <cstring>

// glibc declares memmem in <cstring>'s <string.h>; mingw-w64's C library has none.
#if defined(__GLIBC__)
#define VELKARIN_HAVE_MEMMEM 1
#endif

namespace velkarin::data {
namespace {

// How common a byte looks in an element data file: zero fills every unused
// field and the padding, small numbers and 0xFF fill the integers; the bytes
// of CJK characters and of larger numbers are rare.
int Commonness(unsigned char b) {
  if (b == 0x00) return 3;
  if (b == 0xFF || b < 0x10) return 2;
  if (b < 0x80) return 1;
  return 0;
}

// Index of the pattern byte to look for with memchr (the rarest-looking, the
// last of equals: a later byte gives fewer false starts near the pattern's head).
size_t AnchorIndex(std::string_view pattern) {
  size_t best = 0;
  for (size_t i = 1; i < pattern.size(); ++i) {
    if (Commonness(static_cast<unsigned char>(pattern[i])) <=
        Commonness(static_cast<unsigned char>(pattern[best]))) {
      best = i;
    }
  }
  return best;
}

}  // namespace

std::optional<std::int64_t> FindFirstPortable(std::string_view hay, std::string_view pattern) {
  if (pattern.empty() || pattern.size() > hay.size()) return std::nullopt;
  const size_t anchor = AnchorIndex(pattern);
  const char wanted = pattern[anchor];
  // A start s puts the anchor at s + anchor; the starts run from 0 to
  // hay.size() - pattern.size(), so the anchors from `anchor` to `last`.
  const char* from = hay.data() + anchor;
  const char* const last = hay.data() + (hay.size() - pattern.size()) + anchor;
  while (from <= last) {
    const auto* hit = static_cast<const char*>(std::memchr(from, wanted, static_cast<size_t>(last - from) + 1));
    if (hit == nullptr) return std::nullopt;
    const char* start = hit - anchor;
    if (std::memcmp(start, pattern.data(), pattern.size()) == 0) {
      return static_cast<std::int64_t>(start - hay.data());
    }
    from = hit + 1;
  }
  return std::nullopt;
}

std::optional<std::int64_t> FindFirst(std::string_view hay, std::string_view pattern) {
#if defined(VELKARIN_HAVE_MEMMEM)
  // An empty buffer may have no address at all, which memmem must not see.
  if (pattern.empty() || pattern.size() > hay.size()) return std::nullopt;
  const void* hit = memmem(hay.data(), hay.size(), pattern.data(), pattern.size());
  if (hit == nullptr) return std::nullopt;
  return static_cast<std::int64_t>(static_cast<const char*>(hit) - hay.data());
#else
  return FindFirstPortable(hay, pattern);
#endif
}

}  // namespace velkarin::data

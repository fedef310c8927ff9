#include "gbk_text.h"

#include <algorithm>
#include <limits>
#include <string>

namespace velkarin::data {
namespace {

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// The text with full-width ASCII forms replaced by their ASCII characters.
std::string FoldFullWidth(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size());
  for (size_t i = 0; i < gbk.size(); ++i) {
    auto b = static_cast<unsigned char>(gbk[i]);
    if (IsLeadByte(b) && i + 1 < gbk.size()) {
      auto t = static_cast<unsigned char>(gbk[i + 1]);
      if (b == 0xA3 && t >= 0xA1 && t <= 0xFE) {
        out.push_back(static_cast<char>(t - 0x80));
      } else if (b == 0xA1 && t == 0xA1) {
        out.push_back(' ');
      } else {
        out.push_back(gbk[i]);
        out.push_back(gbk[i + 1]);
      }
      ++i;
    } else {
      out.push_back(gbk[i]);
    }
  }
  return out;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int32_t IntegerValueOfText(std::string_view gbk) {
  std::string text = FoldFullWidth(gbk);
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min<std::int64_t>(magnitude * 10 + (text[i] - '0'), kLimit);
  }
  std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool ContainsAtCharBoundary(std::string_view haystack, std::string_view needle) {
  if (needle.size() > haystack.size()) return false;
  // Every occurrence at a boundary is an occurrence: most texts have none at
  // all, and the library's search says so fastest.
  if (haystack.find(needle) == std::string_view::npos) return false;
  for (size_t i = 0; i + needle.size() <= haystack.size();) {
    if (haystack.compare(i, needle.size(), needle) == 0) return true;
    i += IsLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1;
  }
  return false;
}

}  // namespace velkarin::data

#include "name_search.h"

#include <algorithm>

#include "data/find_bytes.h"
#include "data/gbk_text.h"

namespace velkarin::app {
namespace {

bool IsLeadByte(char c) {
  auto b = static_cast<unsigned char>(c);
  return b >= 0x81 && b <= 0xFE;
}

// Whether `at` is a character boundary of the name starting at `start`.
bool IsBoundary(std::string_view joined, std::int64_t start, std::int64_t at) {
  std::int64_t i = start;
  while (i < at) i += IsLeadByte(joined[static_cast<size_t>(i)]) ? 2 : 1;
  return i == at;
}

}  // namespace

NameSearch::NameSearch(const std::vector<std::string>& names) : names_(&names), usable_(true) {
  size_t total = 0;
  for (const std::string& name : names) total += name.size() + 1;
  joined_.reserve(total);
  starts_.reserve(names.size() + 1);
  for (const std::string& name : names) {
    usable_ = usable_ && name.find('\0') == std::string::npos;
    starts_.push_back(static_cast<std::int64_t>(joined_.size()));
    joined_ += name;
    joined_ += '\0';
  }
  starts_.push_back(static_cast<std::int64_t>(joined_.size()));
}

std::optional<std::int32_t> NameSearch::FirstMatch(std::int32_t from, std::int32_t to,
                                                   std::string_view text) const {
  if (from >= to || !names_) return std::nullopt;
  if (!usable_ || text.find('\0') != std::string_view::npos) {
    // A zero byte could match across two names: test them one by one.
    for (std::int32_t k = from; k < to; ++k) {
      if (data::ContainsAtCharBoundary((*names_)[static_cast<size_t>(k)], text)) return k;
    }
    return std::nullopt;
  }
  const std::string_view joined(joined_);
  std::int64_t pos = starts_[static_cast<size_t>(from)];
  const std::int64_t end = starts_[static_cast<size_t>(to)];
  while (pos < end) {
    auto hit = data::FindFirst(joined.substr(static_cast<size_t>(pos), static_cast<size_t>(end - pos)), text);
    if (!hit) return std::nullopt;
    const std::int64_t at = pos + *hit;
    // The name holding the hit: the last that starts at or before it.
    auto k = static_cast<std::int32_t>(std::upper_bound(starts_.begin(), starts_.end(), at) - starts_.begin() - 1);
    if (IsBoundary(joined, starts_[static_cast<size_t>(k)], at)) return k;
    pos = at + 1;
  }
  return std::nullopt;
}

}  // namespace velkarin::app

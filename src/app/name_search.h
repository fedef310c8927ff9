// The search of the item names: all names held end to end in one buffer, so
// that a search is one pass of the library's substring search over it
// rather than one call per name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkarin::app {

class NameSearch {
 public:
  NameSearch() = default;
  explicit NameSearch(const std::vector<std::string>& names);

  // The first name from index `from` up to, not including, `to` that holds
  // `text` starting at one of its character boundaries (both bytes of a
  // double-byte character are stepped over), as data::ContainsAtCharBoundary
  // tests each name.
  std::optional<std::int32_t> FirstMatch(std::int32_t from, std::int32_t to, std::string_view text) const;

 private:
  std::vector<std::string> const* names_ = nullptr;
  std::string joined_;                 // the names, each followed by a zero byte
  std::vector<std::int64_t> starts_;   // where each name starts in joined_
  bool usable_ = false;                // no name holds a zero byte
};

}  // namespace velkarin::app

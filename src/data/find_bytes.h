// The first occurrence of a byte pattern in a buffer, at any offset (odd ones
// included), fast enough to run over a file of hundreds of MB.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velkarin::data {

// Offset of the first occurrence; nothing for the empty pattern or none.
// The C library's memmem where there is one, else FindFirstPortable.
std::optional<std::int64_t> FindFirst(std::string_view hay, std::string_view pattern);

// The same answer on every platform: memchr for the pattern's rarest-looking
// byte, then a comparison of the whole pattern around each hit.
std::optional<std::int64_t> FindFirstPortable(std::string_view hay, std::string_view pattern);

}  // namespace velkarin::data

// Byte-level operations on GBK texts.
#pragma once

#include <cstdint>
#include <string_view>

namespace velkarin::data {

// The integer value of a text typed by the user: full-width forms of ASCII
// (A3A1..A3FE, and the ideographic space A1A1) count as their ASCII
// characters; leading white space is skipped, an optional sign read, and the
// decimal digits up to the first non-digit make the value, saturated to the
// int32 range. A text without such digits is 0.
std::int32_t IntegerValueOfText(std::string_view gbk);

// Whether `needle` occurs in `haystack` starting at a character boundary: the
// scan steps over both bytes of a double-byte character. Case-sensitive.
bool ContainsAtCharBoundary(std::string_view haystack, std::string_view needle);

}  // namespace velkarin::data

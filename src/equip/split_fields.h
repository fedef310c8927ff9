// Texts made of fields that each end with "|", as the pool and set lookups
// return them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkarin::equip {

// The fields of a GBK text: each "|" ends one field (an empty field between
// two adjacent bars counts), and text after the last "|" is a last field only
// when it is not empty; the empty text has no fields. A "|" that is the second
// byte of a double-byte character ends nothing.
std::vector<std::string> SplitFields(std::string_view text);

}  // namespace velkarin::equip

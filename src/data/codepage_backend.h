// The platform half of the code-page conversion. Each function converts a run
// of whole characters and reports failure instead of substituting, so that the
// portable half decides, character by character, what replaces what.
#pragma once

#include <string>
#include <string_view>

namespace velkarin::data::backend {

// UTF-16 units holding only valid characters to GBK. False when some
// character has no GBK form; `out` is then unspecified.
bool Utf16ToGbk(std::u16string_view units, std::string& out);

// GBK bytes to UTF-16 units. False when the bytes are not valid GBK.
bool GbkToUtf16(std::string_view gbk, std::u16string& out);

}  // namespace velkarin::data::backend

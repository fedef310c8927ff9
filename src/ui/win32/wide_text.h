// The wide-API texts of the window: GBK and UTF-8 texts as UTF-16, and back.
#pragma once

#include <string>
#include <string_view>

#include "data/codepage.h"

namespace velkarin::ui::win32 {

// wchar_t is a UTF-16 code unit on Windows.
inline std::wstring WideOf(const std::u16string& units) { return {units.begin(), units.end()}; }
inline std::wstring WideFromGbk(std::string_view gbk) { return WideOf(data::GbkToUtf16(gbk)); }
inline std::wstring WideFromUtf8(std::string_view utf8) { return WideOf(data::Utf8ToUtf16(utf8)); }
inline std::string GbkFromWide(std::wstring_view wide) {
  return data::Utf16ToGbk(std::u16string(wide.begin(), wide.end()));
}

}  // namespace velkarin::ui::win32

// Conversions between the system's texts and the other encodings it meets.
//
// Every text inside the core is a GBK (code page 936) byte string. Names in
// the data file are UTF-16LE; the command line and the desktop toolkits speak
// UTF-8 or UTF-16. The platform's converter does the real work (iconv "CP936"
// on Linux, the Win32 code-page API on Windows); this layer splits the input
// into characters so that both platforms give the same bytes: each character
// without a GBK form (a lone surrogate, the private-use area U+E000..U+F8FF,
// anything the code page lacks) becomes one "?".
//
// Constant texts are written in the source as readable UTF-8 and become GBK
// through GBK("..."): the literal is converted once, at its first use, and the
// macro yields a const std::string& that lives until the program ends. Tables
// of texts hold UTF-8 too and convert their entries the same way, through
// Utf8ToGbk, once.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velkarin::data {

// UTF-16LE bytes of a GBK text, two bytes per code unit, no terminator.
std::string ToWideBytes(std::string_view gbk);

// The GBK text of a UTF-16LE name field: the code units up to the first zero
// unit. An odd trailing byte is completed by a zero byte.
std::string WideBytesToText(std::string_view utf16le);

// UTF-8 to GBK; a character GBK cannot hold (or a malformed sequence) becomes "?".
std::string Utf8ToGbk(std::string_view utf8);
// UTF-8 to GBK, or nothing when some character has no GBK form.
std::optional<std::string> Utf8ToGbkStrict(std::string_view utf8);

// GBK to UTF-8; a byte sequence that is not GBK becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);
// GBK to UTF-16 code units (for toolkits that want them); bad bytes become U+FFFD.
std::u16string GbkToUtf16(std::string_view gbk);
// UTF-16 code units to GBK, with the same "?" rule as WideBytesToText.
std::string Utf16ToGbk(std::u16string_view units);
// UTF-8 to UTF-16 code units; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

}  // namespace velkarin::data

#define GBK(utf8_literal)                                                     \
  ([]() -> const std::string& {                                               \
    static const std::string gbk_constant = ::velkarin::data::Utf8ToGbk(utf8_literal); \
    return gbk_constant;                                                      \
  }())

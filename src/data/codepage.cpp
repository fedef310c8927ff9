#include "codepage.h"

#include <cstdint>
#include <vector>

#include "codepage_backend.h"

namespace velkarin::data {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
bool IsSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDFFF; }
bool IsPrivateUse(char16_t u) { return u >= 0xE000 && u <= 0xF8FF; }

// Length in units of the character starting at units[i]: 2 for a surrogate
// pair, else 1 (a lone surrogate is a character of its own).
size_t CharLength(std::u16string_view units, size_t i) {
  return IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1]) ? 2 : 1;
}

// A character the platform should never be asked about: it has no GBK form by
// our rule, whatever the platform's table says.
bool IsUnmappable(std::u16string_view ch) {
  return (ch.size() == 1 && (IsSurrogate(ch[0]) || IsPrivateUse(ch[0])));
}

// Length in bytes of the GBK character starting at gbk[i]: 2 for a lead byte
// 81..FE followed by a trail byte 40..FE other than 7F, else 1.
size_t GbkCharLength(std::string_view gbk, size_t i) {
  auto lead = static_cast<unsigned char>(gbk[i]);
  if (lead < 0x81 || lead == 0xFF || i + 1 >= gbk.size()) return 1;
  auto trail = static_cast<unsigned char>(gbk[i + 1]);
  return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendUtf16(char32_t cp, std::u16string& out) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 | (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 | (cp & 0x3FF)));
  }
}

// Decodes UTF-8; a malformed or overlong sequence, a surrogate or a value past
// U+10FFFF becomes U+FFFD (one per bad byte), and `clean` turns false.
std::u16string DecodeUtf8(std::string_view utf8, bool& clean) {
  std::u16string units;
  units.reserve(utf8.size());
  clean = true;
  size_t i = 0;
  while (i < utf8.size()) {
    auto b = static_cast<unsigned char>(utf8[i]);
    size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    bool ok = len > 0 && i + len <= utf8.size();
    for (size_t k = 1; ok && k < len; ++k) {
      auto c = static_cast<unsigned char>(utf8[i + k]);
      ok = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    ok = ok && cp >= kMinimum[len] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    if (!ok) {
      units.push_back(kReplacement);
      clean = false;
      ++i;
      continue;
    }
    AppendUtf16(cp, units);
    i += len;
  }
  return units;
}

void AppendEncodedUtf8(std::u16string_view units, std::string& out) {
  for (size_t i = 0; i < units.size();) {
    size_t len = CharLength(units, i);
    char32_t cp = units[i];
    if (len == 2) cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
    if (len == 1 && IsSurrogate(units[i])) cp = kReplacement;
    AppendUtf8(cp, out);
    i += len;
  }
}

// UTF-16 to GBK; `clean` turns false when some character became "?".
// The GBK form of each BMP character, asked of the platform once and kept.
// Code page 936 has no shift states, so a text's form is the forms of its
// characters one after another.
class BmpForms {
 public:
  BmpForms() : forms_(0x10000, kUnknown) {}

  // Appends the form of a BMP character; false when GBK lacks it.
  bool Append(char16_t unit, std::string& out) {
    std::uint16_t& form = forms_[unit];
    if (form == kUnknown) form = Ask(unit);
    if (form == kNone) return false;
    if (form == kUncacheable) return AppendFromPlatform(std::u16string_view(&unit, 1), out);
    if (form > 0xFF) out.push_back(static_cast<char>(form >> 8));
    out.push_back(static_cast<char>(form & 0xFF));
    return true;
  }

  static bool AppendFromPlatform(std::u16string_view ch, std::string& out) {
    thread_local std::string piece;
    if (!backend::Utf16ToGbk(ch, piece)) return false;
    out += piece;
    return true;
  }

 private:
  // A form is its byte, or its two bytes as lead * 256 + trail (lead 81..FE).
  static constexpr std::uint16_t kUnknown = 0xFFFF;
  static constexpr std::uint16_t kNone = 0xFFFE;
  static constexpr std::uint16_t kUncacheable = 0xFFFD;  // a form of another length

  static std::uint16_t Ask(char16_t unit) {
    std::string piece;
    if (!backend::Utf16ToGbk(std::u16string_view(&unit, 1), piece)) return kNone;
    auto byte = [&](size_t i) { return static_cast<std::uint16_t>(static_cast<unsigned char>(piece[i])); };
    if (piece.size() == 1) return byte(0);
    if (piece.size() == 2 && byte(0) >= 0x81 && byte(0) <= 0xFE) return static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
    return kUncacheable;
  }

  std::vector<std::uint16_t> forms_;
};

// UTF-16 to GBK; `clean` turns false when some character became "?".
std::string ConvertToGbk(std::u16string_view units, bool& clean) {
  thread_local BmpForms forms;
  std::string out;
  out.reserve(units.size() * 2);
  clean = true;
  for (size_t i = 0; i < units.size();) {
    std::u16string_view ch = units.substr(i, CharLength(units, i));
    bool converted = !IsUnmappable(ch) && (ch.size() == 1 ? forms.Append(ch[0], out)
                                                          : BmpForms::AppendFromPlatform(ch, out));
    if (!converted) {
      out.push_back('?');
      clean = false;
    }
    i += ch.size();
  }
  return out;
}

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// Appends the UTF-16 form of whole GBK characters; bad bytes become U+FFFD.
void AppendGbkRun(std::string_view gbk, std::u16string& out) {
  thread_local std::u16string piece;
  if (backend::GbkToUtf16(gbk, piece)) {
    out += piece;
    return;
  }
  for (size_t i = 0; i < gbk.size();) {
    size_t len = GbkCharLength(gbk, i);
    if (backend::GbkToUtf16(gbk.substr(i, len), piece)) {
      out += piece;
    } else {
      out.push_back(kReplacement);
    }
    i += len;
  }
}

// Splits a GBK text into runs of ASCII, which is the same in UTF-16 and UTF-8
// and needs no platform call, and runs of whole other characters (a trail
// byte in the ASCII range stays with its lead byte).
template <class AsciiRun, class OtherRun>
void SplitAtAscii(std::string_view gbk, AsciiRun&& ascii, OtherRun&& other) {
  for (size_t i = 0; i < gbk.size();) {
    size_t end = i;
    while (end < gbk.size() && IsAscii(gbk[end])) ++end;
    if (end > i) ascii(gbk.substr(i, end - i));
    i = end;
    while (end < gbk.size() && !IsAscii(gbk[end])) end += GbkCharLength(gbk, end);
    if (end > i) other(gbk.substr(i, end - i));
    i = end;
  }
}

}  // namespace

std::string Utf16ToGbk(std::u16string_view units) {
  bool clean = true;
  return ConvertToGbk(units, clean);
}

std::u16string GbkToUtf16(std::string_view gbk) {
  std::u16string out;
  out.reserve(gbk.size());
  SplitAtAscii(
      gbk, [&](std::string_view ascii) { out.append(ascii.begin(), ascii.end()); },
      [&](std::string_view run) { AppendGbkRun(run, out); });
  return out;
}

std::string ToWideBytes(std::string_view gbk) {
  std::u16string units = GbkToUtf16(gbk);
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t u : units) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

std::string WideBytesToText(std::string_view utf16le) {
  auto unitAt = [&](size_t k) {
    auto lo = static_cast<unsigned char>(utf16le[2 * k]);
    auto hi = 2 * k + 1 < utf16le.size() ? static_cast<unsigned char>(utf16le[2 * k + 1]) : 0;
    return static_cast<char16_t>(lo | (hi << 8));
  };
  size_t count = 0;
  while (2 * count < utf16le.size() && unitAt(count) != 0) ++count;
  // A name field's units fit on the stack: reading a name allocates nothing
  // but the text itself.
  constexpr size_t kOnStack = 64;
  char16_t onStack[kOnStack];
  std::u16string onHeap;
  char16_t* units = onStack;
  if (count > kOnStack) {
    onHeap.resize(count);
    units = onHeap.data();
  }
  for (size_t k = 0; k < count; ++k) units[k] = unitAt(k);
  return Utf16ToGbk(std::u16string_view(units, count));
}

std::string Utf8ToGbk(std::string_view utf8) {
  bool clean = true;
  std::u16string units = DecodeUtf8(utf8, clean);
  return ConvertToGbk(units, clean);
}

std::optional<std::string> Utf8ToGbkStrict(std::string_view utf8) {
  bool decoded = true;
  std::u16string units = DecodeUtf8(utf8, decoded);
  bool converted = true;
  std::string gbk = ConvertToGbk(units, converted);
  if (!decoded || !converted) return std::nullopt;
  return gbk;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  bool clean = true;
  return DecodeUtf8(utf8, clean);
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  thread_local std::u16string units;
  SplitAtAscii(
      gbk, [&](std::string_view ascii) { out += ascii; },
      [&](std::string_view run) {
        units.clear();
        AppendGbkRun(run, units);
        AppendEncodedUtf8(units, out);
      });
  return out;
}

}  // namespace velkarin::data

#include "data/codepage.h"

#include <gtest/gtest.h>

#include <random>

#include "data/codepage_backend.h"

#include "fixtures.h"

namespace velkarin::data {
namespace {

using testing::G;

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(CodepageTest, MarkerNameHasItsUtf16Bytes) {
  EXPECT_EQ(ToWideBytes(G("菜鸟布衣(男)")),
            Bytes({0xdc, 0x83, 0x1f, 0x9e, 0x03, 0x5e, 0x63, 0x88, 0x28, 0x00, 0x37, 0x75, 0x29, 0x00}));
  EXPECT_EQ(ToWideBytes(""), "");
}

struct WideCase {
  const char* what;
  std::string utf16le;
  std::string gbk;
};

class WideBytesToTextTest : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideBytesToTextTest, Converts) { EXPECT_EQ(WideBytesToText(GetParam().utf16le), GetParam().gbk); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WideBytesToTextTest,
    ::testing::Values(
        WideCase{"no bytes", "", ""},
        WideCase{"no terminator", Bytes({0x41, 0, 0x42, 0}), "AB"},
        WideCase{"stops at the first zero unit", Bytes({0x41, 0, 0x42, 0, 0, 0, 0x43, 0}), "AB"},
        WideCase{"odd trailing byte completes its unit", Bytes({0x41, 0, 0x42}), "AB"},
        WideCase{"a zero first unit", Bytes({0, 0, 0x41, 0}), ""},
        WideCase{"Chinese", Bytes({0x03, 0x5e, 0x63, 0x88}), "\xb2\xbc\xd2\xc2"},
        WideCase{"the euro sign is the byte 80", Bytes({0xac, 0x20}), "\x80"},
        WideCase{"private use becomes ?", Bytes({0x41, 0, 0x00, 0xe0, 0x42, 0}), "A?B"},
        WideCase{"end of private use becomes ?", Bytes({0xff, 0xf8}), "?"},
        WideCase{"a lone high surrogate is one ?", Bytes({0x00, 0xd8, 0x41, 0}), "?A"},
        WideCase{"a lone low surrogate is one ?", Bytes({0x00, 0xdc}), "?"},
        WideCase{"a surrogate pair is one ?", Bytes({0x3d, 0xd8, 0x00, 0xde, 0x41, 0}), "?A"},
        WideCase{"a character GBK lacks", Bytes({0x01, 0x0e, 0x41, 0}), "?A"}),
    [](const auto& p) {
      std::string name;
      for (char c : std::string(p.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(CodepageTest, Utf8RoundTrip) {
  const std::string utf8 = "生命值 +50 【洗后主属性增加范围：】 ５";
  EXPECT_EQ(GbkToUtf8(Utf8ToGbk(utf8)), utf8);
  EXPECT_EQ(Utf8ToGbk("菜鸟"), "\xb2\xcb\xc4\xf1");
}

TEST(CodepageTest, StrictConversionRefusesWhatGbkCannotHold) {
  EXPECT_EQ(Utf8ToGbkStrict("技能"), Utf8ToGbk("技能"));
  EXPECT_FALSE(Utf8ToGbkStrict("技能\xF0\x9F\x98\x80").has_value());  // an emoji
  EXPECT_FALSE(Utf8ToGbkStrict("\xff").has_value());                  // not UTF-8
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");
}

TEST(CodepageTest, BadGbkBytesBecomeReplacementCharacters) {
  EXPECT_EQ(GbkToUtf8("A\xff" "B"), "A\xEF\xBF\xBD" "B");
  EXPECT_EQ(GbkToUtf8("\xb2"), "\xEF\xBF\xBD");  // a lead byte cut by the end
}

// The conversion as the platform gives it for the whole text, or character by
// character where it refuses: the reference the ASCII shortcut must match.
std::u16string PlainGbkToUtf16(std::string_view gbk) {
  std::u16string out;
  if (backend::GbkToUtf16(gbk, out)) return out;
  out.clear();
  std::u16string piece;
  for (size_t i = 0; i < gbk.size();) {
    auto lead = static_cast<unsigned char>(gbk[i]);
    auto trail = i + 1 < gbk.size() ? static_cast<unsigned char>(gbk[i + 1]) : 0;
    size_t len = lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
    out += backend::GbkToUtf16(gbk.substr(i, len), piece) ? piece : std::u16string(1, u'\uFFFD');
    i += len;
  }
  return out;
}

std::string HexOf(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    out.push_back("0123456789abcdef"[b >> 4]);
    out.push_back("0123456789abcdef"[b & 0xF]);
  }
  return out;
}

void ExpectPlainConversion(const std::string& gbk) {
  std::u16string expected = PlainGbkToUtf16(gbk);
  ASSERT_EQ(GbkToUtf16(gbk), expected) << HexOf(gbk);
  ASSERT_EQ(Utf8ToUtf16(GbkToUtf8(gbk)), expected) << HexOf(gbk);
}

// Every byte and byte pair, alone and between ASCII (where a trail byte in the
// ASCII range must stay with its lead), and random texts mixing ASCII, lead
// and trail bytes.
TEST(CodepageTest, GbkConversionMatchesThePlatformsCharacterByCharacter) {
  for (int a = 0; a < 256; ++a) {
    ExpectPlainConversion(Bytes({a}));
    ExpectPlainConversion(Bytes({'x', a, 'A'}));
    for (int b = 0; b < 256; ++b) ExpectPlainConversion(Bytes({'x', a, b, 'A', 0xB2}));
  }
  static const int kPool[] = {0x00, 0x09, 0x0A, 0x20, 0x22, 0x40, 0x41, 0x5C, 0x7E, 0x7F, 0x80, 0x81,
                              0xA1, 0xA2, 0xAA, 0xB2, 0xBC, 0xD7, 0xF8, 0xFE, 0xFF};
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> pick(0, std::size(kPool) - 1), length(1, 16);
  for (int n = 0; n < 20000; ++n) {
    std::string gbk;
    for (size_t k = length(random); k > 0; --k) gbk.push_back(static_cast<char>(kPool[pick(random)]));
    ExpectPlainConversion(gbk);
  }
  ExpectPlainConversion(G("装备：精炼等级 +12\t(男)") + "\xff" + G("物理攻击"));
}

TEST(CodepageTest, GbkMacroIsTheConvertedLiteral) {
  EXPECT_EQ(GBK("精炼等级："), Utf8ToGbk("精炼等级："));
}

}  // namespace
}  // namespace velkarin::data

namespace velkarin::data {
namespace {

// Every BMP character converts, alone and inside a text, as the platform's
// own conversion of that character gives it (or "?" where GBK lacks it).
TEST(CodepageTest, EveryBmpCharacterConvertsAsThePlatformGivesIt) {
  for (char32_t cp = 1; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const char16_t unit = static_cast<char16_t>(cp);
    std::string expected;
    if ((cp >= 0xE000 && cp <= 0xF8FF) || !backend::Utf16ToGbk(std::u16string_view(&unit, 1), expected)) {
      expected = "?";
    }
    ASSERT_EQ(Utf16ToGbk(std::u16string_view(&unit, 1)), expected) << std::hex << static_cast<unsigned>(cp);
    const std::u16string text = {u'A', unit, u'B'};
    ASSERT_EQ(Utf16ToGbk(text), "A" + expected + "B") << std::hex << static_cast<unsigned>(cp);
  }
}

}  // namespace
}  // namespace velkarin::data

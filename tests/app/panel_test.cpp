#include "app/panel.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "ui/headless/headless_window.h"

namespace velkarin::app {
namespace {

using testing::G;

TEST(ColourFromCodeTest, Table) {
  struct Case {
    std::string code;
    ColourValue value;
  };
  const Case cases[] = {
      {"ff0000", 255},
      {"#FFFFFF", 16777215},
      {"6cfb4b", 4979564},
      {"ffdc50", 5299455},
      {"FFDC50", 5299455},
      {"#ffdc50", 5299455},
      {"0c286d", 7153676},
      {"5e1eff", 16719454},
      {"", 0},
      {"G0", -32 + -32 * 65536},               // G counts as -2: the piece G0 is -2 * 16 + 0
      {"#12#456", 0x12 + 0x45 * 256 + 0x56 * 65536},  // every # goes when the first byte is one
      {"12#456", 0x12 + (-2 * 16 + 4) * 256 + 0x56 * 65536},
      {"ab", 0xAB + 0xAB * 65536},             // no green; blue is the last two bytes
      {"f", 15 + 15 * 65536},
      {"abcd", 0xAB + 0xCD * 256 + 0xCD * 65536},
      {"1234567", 0x12 + 0x34 * 256 + 0x67 * 65536},
      {G("红00") , (-2 * 16 - 2) + 0 * 256 + 0},  // a double-byte character is two non-digits
  };
  for (const Case& c : cases) EXPECT_EQ(ColourFromCode(c.code), c.value) << c.code;
}

TEST(AppendPanelLineTest, EachLineIsIndentedEndedAndColoured) {
  ui::HeadlessWindow window;
  TextStyle style = InitialTextStyle();
  window.PanelSetText(ui::Panel::Wash, "old");
  window.PanelSetText(ui::Panel::Wash, "");
  AppendPanelLine(window, style, ui::Panel::Wash, colour::kBlue, "A");
  AppendPanelLine(window, style, ui::Panel::Wash, colour::kGreen, "");
  AppendPanelLine(window, style, ui::Panel::Wash, colour::kGrey, "B");

  const auto& segments = window.PanelSegments(ui::Panel::Wash);
  ASSERT_EQ(segments.size(), 3u);
  const std::pair<std::string, ColourValue> expected[] = {
      {" A\r\n", colour::kBlue}, {" \r\n", colour::kGreen}, {" B\r\n", colour::kGrey}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(segments[i].text, expected[i].first);
    EXPECT_EQ(segments[i].format.colour, expected[i].second);
    EXPECT_EQ(segments[i].format.faceName, G("方正粗圆_GBK"));
    EXPECT_EQ(segments[i].format.heightTwips, 160);
    EXPECT_EQ(segments[i].format.offsetTwips, 0);
    EXPECT_EQ(segments[i].format.effects, 0);
  }
  EXPECT_EQ(style.fontSize, 8);
  EXPECT_EQ(style.colour, colour::kGrey) << "the style keeps the last line's colour";
  EXPECT_TRUE(window.PanelSegments(ui::Panel::Equip).empty());
}

TEST(TextStyleTest, StartsAsNinePointSongTiInTheAutomaticColour) {
  TextStyle style = InitialTextStyle();
  EXPECT_EQ(style.fontName, G("宋体"));
  EXPECT_EQ(style.fontSize, 9);
  EXPECT_EQ(style.colour, static_cast<ColourValue>(4278190080u));
}

}  // namespace
}  // namespace velkarin::app

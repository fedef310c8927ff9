#include "panel.h"

#include <algorithm>

#include "data/codepage.h"

namespace velkarin::app {
namespace {

constexpr std::int32_t kTwipsPerPoint = 20;
constexpr std::int32_t kPanelFontSize = 8;

// The value of a piece of hex digits; a byte that is not one counts as -2.
std::int32_t HexValue(std::string_view piece) {
  std::int32_t value = 0;
  for (char c : piece) {
    std::int32_t digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -2;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

ColourValue ColourFromCode(std::string_view code) {
  std::string text(code);
  if (!text.empty() && text[0] == '#') std::erase(text, '#');
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x81 && b <= 0xFE && i + 1 < text.size()) {
      ++i;  // both bytes of a double-byte character stay as they are
    } else if (b >= 'a' && b <= 'z') {
      text[i] = static_cast<char>(b - 'a' + 'A');
    }
  }
  std::string_view t(text);
  std::string_view red = t.substr(0, 2);
  std::string_view green = t.size() > 2 ? t.substr(2, 2) : std::string_view();
  std::string_view blue = t.substr(t.size() - std::min<size_t>(2, t.size()));
  return HexValue(red) + HexValue(green) * 256 + HexValue(blue) * 65536;
}

TextStyle InitialTextStyle() { return TextStyle{GBK("宋体"), 9, 0, 0, kAutoColour}; }

void AppendPanelLine(ui::Window& window, TextStyle& style, ui::Panel panel, ColourValue colour,
                     std::string_view text) {
  style.fontSize = kPanelFontSize;
  style.fontName = GBK("方正粗圆_GBK");
  style.colour = colour;
  window.PanelSetCharFormat(panel, ui::CharFormat{style.fontName, style.fontSize * kTwipsPerPoint,
                                                  style.offset * kTwipsPerPoint, style.effects,
                                                  style.colour});
  std::string line;
  line.reserve(text.size() + 3);
  line.append(" ").append(text).append("\r\n");
  window.PanelReplaceSelection(panel, line);
}

}  // namespace velkarin::app

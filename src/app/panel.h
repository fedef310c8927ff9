// Panel output: the colours of the panels, the text style every panel line is
// written in, and the one operation that writes a line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui.h"

namespace velkarin::app {

using ui::ColourValue;
using ui::kAutoColour;

namespace colour {
inline constexpr ColourValue kWhite = 16777215;
inline constexpr ColourValue kBlack = 0;
inline constexpr ColourValue kGreen = 65280;
inline constexpr ColourValue kBlue = 16711680;
inline constexpr ColourValue kGrey = 8421504;
}  // namespace colour

// A six-digit RRGGBB code (either case, optionally after "#") as a
// ColourValue. Malformed codes still give a value: a byte that is not a hex
// digit counts as -2, and short codes give short, empty or overlapping pieces.
ColourValue ColourFromCode(std::string_view code);

// One line of a panel as a renderer produces it: the text passed to
// AppendPanelLine and its colour.
struct PanelLine {
  ColourValue colour = colour::kWhite;
  std::string text;  // GBK
  bool operator==(const PanelLine&) const = default;
};
using PanelLines = std::vector<PanelLine>;

// The character format shared by every panel line.
struct TextStyle {
  std::string fontName;  // GBK
  std::int32_t fontSize = 9;
  std::int32_t offset = 0;
  std::int32_t effects = 0;
  ColourValue colour = kAutoColour;
};
TextStyle InitialTextStyle();

// Writes one line at the panel's caret: " " + text + "\r\n" in 8-point
// "方正粗圆_GBK" and the given colour, inserted as plain text.
void AppendPanelLine(ui::Window& window, TextStyle& style, ui::Panel panel, ColourValue colour,
                     std::string_view text);

}  // namespace velkarin::app

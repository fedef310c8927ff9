#include "flat_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <array>
#include <utility>

namespace velkarin::ui {

FlatStyle::FlatStyle(QColor frame) : QProxyStyle(QStyleFactory::create("Fusion")), frame_(frame) {}

std::optional<QColor> FlatStyle::FrameColour(int style) {
  static const std::array<std::pair<int, QColor>, 1> frames = {{{1, QColor(123, 158, 189)}}};
  for (const auto& [number, colour] : frames) {
    if (number == style) return colour;
  }
  return std::nullopt;
}

void FlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_Frame:
    case PE_FrameLineEdit:
    case PE_FrameTabWidget:
    case PE_FrameButtonTool:
      DrawFrame(option, painter);
      return;
    case PE_PanelLineEdit:
      painter->fillRect(option->rect, option->palette.base());
      DrawFrame(option, painter);
      return;
    case PE_PanelButtonCommand:
    case PE_PanelButtonTool:
      DrawButtonPanel(option, painter);
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void FlatStyle::DrawFrame(const QStyleOption* option, QPainter* painter) const {
  painter->save();
  painter->setPen(frame_);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

// A button is a flat face in the button colour, lighter under the mouse and
// darker while pressed, inside the frame line.
void FlatStyle::DrawButtonPanel(const QStyleOption* option, QPainter* painter) const {
  QColor face = option->palette.button().color();
  if (option->state & (State_Sunken | State_On)) {
    face = face.darker(115);
  } else if (option->state & State_MouseOver) {
    face = face.lighter(106);
  }
  painter->fillRect(option->rect, face);
  DrawFrame(option, painter);
}

}  // namespace velkarin::ui

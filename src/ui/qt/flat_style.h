// The flat look of the standard controls: Fusion, with the frames of edit
// boxes, lists, panels, the tab pane and the buttons drawn as one flat line in
// the frame colour of the chosen style.
#pragma once

#include <QColor>
#include <QProxyStyle>
#include <optional>

namespace velkarin::ui {

class FlatStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  explicit FlatStyle(QColor frame);

  // The frame colour of a flat-look style number; none for an unknown style.
  static std::optional<QColor> FrameColour(int style);
  QColor Frame() const { return frame_; }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

 private:
  void DrawFrame(const QStyleOption* option, QPainter* painter) const;
  void DrawButtonPanel(const QStyleOption* option, QPainter* painter) const;

  QColor frame_;
};

}  // namespace velkarin::ui

#pragma once

#include <QPainter>
#include <span>
#include <string_view>

#include "graphs/canvas.h"
#include "painter/qt_font_metrics.h"

namespace zef::painter {

// Replays graph commands onto a QPainter (an image, SVG, PDF or a widget).
// Lines are drawn through pixel centres, so a one-pixel line covers exactly
// the pixels the command names, while curves and circles stay smooth.
class QPainterCanvas final : public graphs::Canvas {
 public:
  // The painter must be active; `fonts` must be what the commands were laid
  // out with.
  QPainterCanvas(QPainter& painter, const QtFontMetrics& fonts);

  void Begin(int width, int height) override;
  void End() override;
  void SetPen(const graphs::Pen& pen) override;
  void Line(graphs::PixelPoint from, graphs::PixelPoint to) override;
  void Polyline(std::span<const graphs::PixelPoint> points) override;
  void FillPolygon(std::span<const graphs::PixelPoint> points) override;
  void Rectangle(graphs::PixelPoint corner1, graphs::PixelPoint corner2, bool filled) override;
  void Ellipse(graphs::PixelPoint centre, int radiusX, int radiusY, bool filled) override;
  void Point(graphs::PixelPoint at, graphs::Colour colour, int size) override;
  void Text(graphs::PixelPoint topLeft, std::string_view text, int font, graphs::Colour colour,
            bool transparent) override;
  void Pixels(graphs::PixelPoint topLeft, int width,
              std::span<const graphs::Colour> colours) override;
  void ClipTo(graphs::PixelPoint topLeft, graphs::PixelPoint bottomRight) override;

 private:
  QPointF Stroked(graphs::PixelPoint p) const;
  void Stroke();
  // Antialiasing on for lines, curves and points, off for filled polygons.
  void Smooth(bool on);

  QPainter& painter_;
  const QtFontMetrics& fonts_;
  graphs::Pen pen_;
  bool smooth_ = true;
};

// 0x00BBGGRR as a Qt colour.
QColor ToQColor(graphs::Colour colour);

}  // namespace zef::painter

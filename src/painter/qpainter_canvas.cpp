#include "painter/qpainter_canvas.h"

#include <QImage>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <array>
#include <vector>

namespace zef::painter {
namespace {

// Polygons up to this many corners (the triangles of a 3D view, by the
// hundred thousand) are filled from the stack.
constexpr std::size_t kStackCorners = 8;

}  // namespace

QColor ToQColor(graphs::Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QPainterCanvas::QPainterCanvas(QPainter& painter, const QtFontMetrics& fonts)
    : painter_(painter), fonts_(fonts) {}

void QPainterCanvas::Begin(int width, int height) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  smooth_ = true;
  painter_.fillRect(QRect(0, 0, width, height), ToQColor(graphs::kBackgroundColour));
  pen_ = graphs::Pen{};
}

void QPainterCanvas::End() {}

void QPainterCanvas::SetPen(const graphs::Pen& pen) {
  pen_ = pen;
}

QPointF QPainterCanvas::Stroked(graphs::PixelPoint p) const {
  // An odd width centred on a pixel centre covers whole pixels; an even one
  // centred on a pixel edge does.
  const double offset = std::max(pen_.width, 1) % 2 == 1 ? 0.5 : 0.0;
  return {p.x + offset, p.y + offset};
}

void QPainterCanvas::Smooth(bool on) {
  // A change of render hints costs the painter a state update: only on a
  // change between lines and fills.
  if (smooth_ == on) return;
  painter_.setRenderHint(QPainter::Antialiasing, on);
  smooth_ = on;
}

void QPainterCanvas::Stroke() {
  Smooth(true);
  const int width = std::max(pen_.width, 1);
  QPen pen(ToQColor(pen_.colour), width);
  if (pen_.dash > 0) {
    // Qt counts a dash pattern in pen widths.
    const double half = pen_.dash / 2.0 / width;
    pen.setDashPattern({half, half});
    pen.setCapStyle(Qt::FlatCap);
  } else {
    pen.setCapStyle(Qt::RoundCap);
  }
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::Line(graphs::PixelPoint from, graphs::PixelPoint to) {
  Stroke();
  painter_.drawLine(Stroked(from), Stroked(to));
}

void QPainterCanvas::Polyline(std::span<const graphs::PixelPoint> points) {
  if (points.size() < 2) return;
  Stroke();
  QPolygonF line;
  line.reserve(static_cast<qsizetype>(points.size()));
  for (const graphs::PixelPoint& p : points) line << Stroked(p);
  painter_.drawPolyline(line);
}

void QPainterCanvas::FillPolygon(std::span<const graphs::PixelPoint> points) {
  if (points.size() < 3 || graphs::OnOneLine(points)) return;
  // Filled without antialiasing: the triangles of a shaded surface share
  // their edges, and antialiased edges leave light seams between them.
  Smooth(false);
  if (painter_.pen().style() != Qt::NoPen) painter_.setPen(Qt::NoPen);
  const QColor colour = ToQColor(pen_.colour);
  if (painter_.brush().style() != Qt::SolidPattern || painter_.brush().color() != colour) {
    painter_.setBrush(colour);
  }
  std::array<QPointF, kStackCorners> stack;
  std::vector<QPointF> heap;
  QPointF* corners = stack.data();
  if (points.size() > stack.size()) {
    heap.resize(points.size());
    corners = heap.data();
  }
  for (std::size_t i = 0; i < points.size(); ++i) {
    corners[i] = QPointF(points[i].x + 0.5, points[i].y + 0.5);
  }
  painter_.drawPolygon(corners, static_cast<int>(points.size()));
}

void QPainterCanvas::Rectangle(graphs::PixelPoint corner1, graphs::PixelPoint corner2,
                               bool filled) {
  const int left = std::min(corner1.x, corner2.x);
  const int right = std::max(corner1.x, corner2.x);
  const int top = std::min(corner1.y, corner2.y);
  const int bottom = std::max(corner1.y, corner2.y);
  if (filled) {
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), ToQColor(pen_.colour));
    return;
  }
  const graphs::PixelPoint outline[] = {
      {left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
  Polyline(outline);
}

void QPainterCanvas::Ellipse(graphs::PixelPoint centre, int radiusX, int radiusY, bool filled) {
  if (filled) {
    Smooth(true);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(pen_.colour));
    painter_.drawEllipse(QPointF(centre.x + 0.5, centre.y + 0.5), radiusX + 0.5, radiusY + 0.5);
    return;
  }
  Stroke();
  painter_.drawEllipse(Stroked(centre), radiusX, radiusY);
}

void QPainterCanvas::Point(graphs::PixelPoint at, graphs::Colour colour, int size) {
  if (size <= 1) {
    painter_.fillRect(QRect(at.x, at.y, 1, 1), ToQColor(colour));
    return;
  }
  Smooth(true);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQColor(colour));
  painter_.drawEllipse(QPointF(at.x + 0.5, at.y + 0.5), size / 2.0, size / 2.0);
}

void QPainterCanvas::Text(graphs::PixelPoint topLeft, std::string_view text, int font,
                          graphs::Colour colour, bool transparent) {
  if (text.empty()) return;
  if (!transparent) {
    const graphs::TextSize size = fonts_.Measure(font, text);
    painter_.fillRect(QRect(topLeft.x, topLeft.y, size.width, size.height),
                      ToQColor(graphs::kBackgroundColour));
  }
  painter_.setFont(fonts_.Font(font));
  painter_.setPen(ToQColor(colour));
  painter_.drawText(QPointF(topLeft.x, topLeft.y + fonts_.Ascent()),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QPainterCanvas::ClipTo(graphs::PixelPoint topLeft, graphs::PixelPoint bottomRight) {
  painter_.setClipRect(
      QRect(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x - 1, bottomRight.y - 1)));
}

void QPainterCanvas::Pixels(graphs::PixelPoint topLeft, int width,
                            std::span<const graphs::Colour> colours) {
  if (width <= 0 || colours.size() < static_cast<std::size_t>(width)) return;
  const int rows = static_cast<int>(colours.size() / static_cast<std::size_t>(width));
  // Premultiplied pixels draw without a conversion; a skipped pixel is
  // fully transparent.
  QImage block(width, rows, QImage::Format_ARGB32_Premultiplied);
  for (int row = 0; row < rows; ++row) {
    auto* line = reinterpret_cast<QRgb*>(block.scanLine(row));
    const graphs::Colour* source = colours.data() + static_cast<std::size_t>(row) * width;
    for (int column = 0; column < width; ++column) {
      const graphs::Colour c = source[column];
      line[column] = c == graphs::kNoColour
                         ? 0u
                         : 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
  painter_.drawImage(QPoint(topLeft.x, topLeft.y), block);
}

}  // namespace zef::painter

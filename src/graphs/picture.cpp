#include "graphs/picture.h"

#include <algorithm>
#include <vector>

namespace zef::graphs {
namespace {

// Hands a window's replay on to the sheet's canvas, moved down by `top`; the
// sheet begins and ends the picture itself.
class PlacedCanvas final : public Canvas {
 public:
  PlacedCanvas(Canvas& sheet, int top) : sheet_(sheet), top_(top) {}

  void Begin(int, int) override {}
  void End() override {}
  void SetPen(const Pen& pen) override { sheet_.SetPen(pen); }
  void Line(PixelPoint from, PixelPoint to) override { sheet_.Line(Moved(from), Moved(to)); }
  void Polyline(std::span<const PixelPoint> points) override { sheet_.Polyline(Moved(points)); }
  void FillPolygon(std::span<const PixelPoint> points) override {
    sheet_.FillPolygon(Moved(points));
  }
  void Rectangle(PixelPoint corner1, PixelPoint corner2, bool filled) override {
    sheet_.Rectangle(Moved(corner1), Moved(corner2), filled);
  }
  void Ellipse(PixelPoint centre, int radiusX, int radiusY, bool filled) override {
    sheet_.Ellipse(Moved(centre), radiusX, radiusY, filled);
  }
  void Point(PixelPoint at, Colour colour, int size) override {
    sheet_.Point(Moved(at), colour, size);
  }
  void Text(PixelPoint topLeft, std::string_view text, int font, Colour colour,
            bool transparent) override {
    sheet_.Text(Moved(topLeft), text, font, colour, transparent);
  }
  void Pixels(PixelPoint topLeft, int width, std::span<const Colour> colours) override {
    sheet_.Pixels(Moved(topLeft), width, colours);
  }

 private:
  PixelPoint Moved(PixelPoint p) const { return {p.x, p.y + top_}; }
  std::vector<PixelPoint> Moved(std::span<const PixelPoint> points) const {
    std::vector<PixelPoint> moved;
    moved.reserve(points.size());
    for (const PixelPoint& p : points) moved.push_back(Moved(p));
    return moved;
  }

  Canvas& sheet_;
  int top_;
};

}  // namespace

Picture Picture::Bare(const GraphWindow& window) {
  const int width = std::max(window.Width(), 1);
  const int height = std::max(window.Height(), 1);
  return {&window, nullptr, 0, width, height, width, height};
}

void Picture::Replay(Canvas& canvas) const {
  canvas.Begin(width, height);
  if (notes != nullptr) {
    PlacedCanvas placed(canvas, 0);
    notes->Replay(placed);
  }
  if (graph != nullptr) {
    PlacedCanvas placed(canvas, graphTop);
    graph->Replay(placed);
  }
  canvas.End();
}

}  // namespace zef::graphs

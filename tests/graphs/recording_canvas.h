#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "graphs/canvas.h"

namespace zef::graphs {

inline std::ostream& operator<<(std::ostream& out, PixelPoint p) {
  return out << p.x << "," << p.y;
}

// Writes down every canvas call, to see what a replay hands on.
class RecordingCanvas : public Canvas {
 public:
  void Begin(int width, int height) override { Add("begin ", width, "x", height); }
  void End() override { Add("end"); }
  void SetPen(const Pen& p) override { Add("pen ", p.colour, " w", p.width, " d", p.dash); }
  void Line(PixelPoint from, PixelPoint to) override { Add("line ", from, " ", to); }
  void Polyline(std::span<const PixelPoint> points) override { Add("polyline ", points.size()); }
  void FillPolygon(std::span<const PixelPoint>) override { Add("polygon"); }
  void Rectangle(PixelPoint, PixelPoint, bool) override { Add("rect"); }
  void Ellipse(PixelPoint centre, int rx, int ry, bool filled) override {
    Add("ellipse ", centre, " ", rx, " ", ry, filled ? " fill" : "");
  }
  void Point(PixelPoint at, Colour colour, int size) override {
    Add("point ", at, " ", colour, " s", size);
  }
  void Text(PixelPoint at, std::string_view text, int font, Colour colour, bool) override {
    Add("text ", at, " '", text, "' f", font, " ", colour);
  }
  void ClipTo(PixelPoint topLeft, PixelPoint bottomRight) override {
    Add("clip ", topLeft, " ", bottomRight);
  }
  template <typename... Parts>
  void Add(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    calls.push_back(out.str());
  }

  std::vector<std::string> calls;
};

}  // namespace zef::graphs

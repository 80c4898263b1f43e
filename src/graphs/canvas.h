#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zef::graphs {

// 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kLightGrey = 0xC8C8C8;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
// What a canvas is cleared to when a picture begins.
inline constexpr Colour kBackgroundColour = kWhite;
// A pixel of a pixel block that is left as it is (no COLORREF has a high byte).
inline constexpr Colour kNoColour = 0xFF000000;

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Rounds half away from zero to a whole pixel; absurd values are held at a
// billion pixels so that no conversion overflows.
inline int RoundToPixel(double value) {
  constexpr double kLimit = 1e9;
  if (!(value > -kLimit)) return static_cast<int>(-kLimit);
  if (!(value < kLimit)) return static_cast<int>(kLimit);
  return static_cast<int>(std::lround(value));
}

// Whether the points all lie on one line (or coincide): a polygon through
// them encloses no pixel centre, so filling it paints nothing.
inline bool OnOneLine(std::span<const PixelPoint> points) {
  std::size_t far = 1;
  while (far < points.size() && points[far] == points[0]) ++far;
  if (far >= points.size()) return true;
  const std::int64_t dx = points[far].x - points[0].x;
  const std::int64_t dy = points[far].y - points[0].y;
  for (std::size_t i = far + 1; i < points.size(); ++i) {
    if (dx * (points[i].y - points[0].y) != dy * (points[i].x - points[0].x)) return false;
  }
  return true;
}

// dash: 0 a solid line, n > 0 a broken line whose pattern (half on, half
// off) repeats every n pixels.
struct Pen {
  Colour colour = kBlack;
  int width = 1;
  int dash = 0;
  bool operator==(const Pen&) const = default;
};

// What a command list is replayed through. Pixel units, y growing downwards;
// texts are UTF-8 and placed by their top-left corner; an opaque text
// background is kBackgroundColour.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Starts a picture of the given size cleared to kBackgroundColour.
  virtual void Begin(int width, int height) = 0;
  virtual void End() = 0;

  // Pen of the following lines, outlines and fills.
  virtual void SetPen(const Pen& pen) = 0;
  virtual void Line(PixelPoint from, PixelPoint to) = 0;
  virtual void Polyline(std::span<const PixelPoint> points) = 0;
  // Filled with the pen colour, no outline.
  virtual void FillPolygon(std::span<const PixelPoint> points) = 0;
  // filled: the whole rectangle in the pen colour; else its outline only.
  virtual void Rectangle(PixelPoint corner1, PixelPoint corner2, bool filled) = 0;
  // filled: a solid disc in the pen colour; else the outline, inside untouched.
  virtual void Ellipse(PixelPoint centre, int radiusX, int radiusY, bool filled) = 0;
  // size 1 a single pixel, else a dot of that diameter.
  virtual void Point(PixelPoint at, Colour colour, int size) = 0;
  virtual void Text(PixelPoint topLeft, std::string_view text, int font, Colour colour,
                    bool transparent) = 0;

  // Keeps everything drawn from now on within the rectangle (right and
  // bottom excluded) until the picture ends. Backends that cannot clip
  // draw on.
  virtual void ClipTo(PixelPoint /*topLeft*/, PixelPoint /*bottomRight*/) {}

  // A block of single pixels row by row; kNoColour pixels are skipped.
  // Backends with an image primitive should override this.
  virtual void Pixels(PixelPoint topLeft, int width, std::span<const Colour> colours) {
    if (width <= 0) return;
    for (std::size_t i = 0; i < colours.size(); ++i) {
      if (colours[i] == kNoColour) continue;
      const int column = static_cast<int>(i % static_cast<std::size_t>(width));
      const int row = static_cast<int>(i / static_cast<std::size_t>(width));
      Point({topLeft.x + column, topLeft.y + row}, colours[i], 1);
    }
  }
};

}  // namespace zef::graphs

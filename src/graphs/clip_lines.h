#pragma once

#include <optional>
#include <span>
#include <vector>

#include "graphs/canvas.h"

namespace zef::graphs {

// A rectangle of pixels, edges included.
struct PixelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(PixelPoint p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
  bool operator==(const PixelBox&) const = default;
};

struct PixelSegment {
  PixelPoint from;
  PixelPoint to;
  bool operator==(const PixelSegment&) const = default;
};

// The part of a line inside the box, the cut ends rounded to whole pixels;
// none when the line misses it.
std::optional<PixelSegment> ClipSegment(PixelSegment line, const PixelBox& box);

// The parts of a polyline inside the box, each a polyline of its own (a
// curve that leaves the box and comes back splits in two).
std::vector<std::vector<PixelPoint>> ClipPolyline(std::span<const PixelPoint> points,
                                                  const PixelBox& box);

}  // namespace zef::graphs

#pragma once

#include <span>
#include <vector>
#include "emf/drawing_types.h"

namespace zef::emf {

struct Segment {
  PixelPoint from;
  PixelPoint to;
  bool operator==(const Segment&) const = default;
};

// The visible pieces of a broken line through the points: on for the first
// half of every `dash` pixels and off for the second, the pattern running on
// across corners. Backends without a matching dash style draw these as
// separate solid lines, which every metafile reader shows alike.
std::vector<Segment> DashSegments(std::span<const PixelPoint> points, int dash);

// Points of a closed outline around an ellipse, about one every two pixels,
// the first repeated at the end.
std::vector<PixelPoint> EllipseOutline(PixelPoint centre, int radiusX, int radiusY);

}  // namespace zef::emf

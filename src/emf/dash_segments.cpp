#include "emf/dash_segments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zef::emf {

std::vector<Segment> DashSegments(std::span<const PixelPoint> points, int dash) {
  std::vector<Segment> segments;
  if (dash <= 0 || points.size() < 2) return segments;
  const double on = dash / 2.0;
  const double period = dash;
  double phase = 0;  // position within the pattern where the next edge starts
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double x0 = points[i - 1].x;
    const double y0 = points[i - 1].y;
    const double dx = points[i].x - x0;
    const double dy = points[i].y - y0;
    const double length = std::hypot(dx, dy);
    if (length <= 0) continue;
    double t = 0;  // distance along this edge
    while (t < length) {
      const double inPattern = std::fmod(phase + t, period);
      if (inPattern < on) {
        const double end = std::min(length, t + (on - inPattern));
        segments.push_back(
            {{RoundToPixel(x0 + dx * t / length), RoundToPixel(y0 + dy * t / length)},
             {RoundToPixel(x0 + dx * end / length), RoundToPixel(y0 + dy * end / length)}});
        t = end;
      } else {
        t += period - inPattern;
      }
    }
    phase = std::fmod(phase + length, period);
  }
  return segments;
}

std::vector<PixelPoint> EllipseOutline(PixelPoint centre, int radiusX, int radiusY) {
  const double largest = std::max({radiusX, radiusY, 1});
  const int steps = std::clamp(static_cast<int>(std::ceil(std::numbers::pi * largest)), 16, 1440);
  std::vector<PixelPoint> points;
  points.reserve(static_cast<std::size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double angle = 2 * std::numbers::pi * (i % steps) / steps;
    points.push_back({centre.x + RoundToPixel(radiusX * std::cos(angle)),
                      centre.y - RoundToPixel(radiusY * std::sin(angle))});
  }
  return points;
}

}  // namespace zef::emf

#include "graphs/clip_lines.h"

#include <utility>

namespace zef::graphs {

std::optional<PixelSegment> ClipSegment(PixelSegment line, const PixelBox& box) {
  // Liang-Barsky: the segment is from + t * delta, 0 <= t <= 1.
  const double dx = line.to.x - line.from.x;
  const double dy = line.to.y - line.from.y;
  double enter = 0;
  double leave = 1;
  const auto limit = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > leave) return false;
      if (t > enter) enter = t;
    } else {
      if (t < enter) return false;
      if (t < leave) leave = t;
    }
    return true;
  };
  if (!limit(-dx, line.from.x - box.left) || !limit(dx, box.right - line.from.x) ||
      !limit(-dy, line.from.y - box.top) || !limit(dy, box.bottom - line.from.y)) {
    return std::nullopt;
  }
  const auto at = [&](double t) {
    return PixelPoint{RoundToPixel(line.from.x + t * dx), RoundToPixel(line.from.y + t * dy)};
  };
  return PixelSegment{enter > 0 ? at(enter) : line.from, leave < 1 ? at(leave) : line.to};
}

std::vector<std::vector<PixelPoint>> ClipPolyline(std::span<const PixelPoint> points,
                                                  const PixelBox& box) {
  std::vector<std::vector<PixelPoint>> parts;
  std::vector<PixelPoint> part;
  const auto finish = [&] {
    if (part.size() >= 2) parts.push_back(std::move(part));
    part.clear();
  };
  for (std::size_t i = 1; i < points.size(); ++i) {
    const std::optional<PixelSegment> kept = ClipSegment({points[i - 1], points[i]}, box);
    if (!kept) {
      finish();
      continue;
    }
    if (part.empty() || part.back() != kept->from) {
      finish();
      part.push_back(kept->from);
    }
    part.push_back(kept->to);
    if (kept->to != points[i]) finish();
  }
  finish();
  return parts;
}

}  // namespace zef::graphs

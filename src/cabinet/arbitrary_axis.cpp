#include "cabinet/arbitrary_axis.h"

#include <algorithm>
#include <cmath>

namespace zef::cabinet {
namespace {

// Below this the direction counts as lying along the world z axis.
constexpr double kArbitraryBound = 1.0 / 64.0;

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Scaled by its largest component first, so huge or tiny values neither
// overflow nor vanish on the way.
std::optional<Vec3> Normalised(Vec3 v) {
  const double largest = std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
  if (!(largest > 0) || !std::isfinite(largest)) return std::nullopt;
  v = {v.x / largest, v.y / largest, v.z / largest};
  const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return Vec3{v.x / length, v.y / length, v.z / length};
}

}  // namespace

std::optional<ObjectFrame> ObjectFrame::FromExtrusion(Vec3 direction) {
  const std::optional<Vec3> n = Normalised(direction);
  if (!n) return std::nullopt;
  constexpr Vec3 kWorldY{0, 1, 0};
  constexpr Vec3 kWorldZ{0, 0, 1};
  const bool nearZ = std::fabs(n->x) < kArbitraryBound && std::fabs(n->y) < kArbitraryBound;
  // Never empty: the direction is a unit vector off the axis it is crossed with.
  const std::optional<Vec3> ax = Normalised(Cross(nearZ ? kWorldY : kWorldZ, *n));
  if (!ax) return std::nullopt;
  ObjectFrame frame;
  frame.n_ = *n;
  frame.ax_ = *ax;
  frame.ay_ = Cross(*n, *ax);
  return frame;
}

Vec3 ObjectFrame::ToWorld(Vec3 p) const {
  return {p.x * ax_.x + p.y * ay_.x + p.z * n_.x, p.x * ax_.y + p.y * ay_.y + p.z * n_.y,
          p.x * ax_.z + p.y * ay_.z + p.z * n_.z};
}

}  // namespace zef::cabinet

#include "view3d/triangulate.h"

#include <cmath>
#include <cstddef>

namespace zef::view3d {
namespace {

constexpr int kMaxSteps = 1000;
constexpr float kMinSine = 0.001f;

// Newell's normal: robust for any planar polygon, convex or not.
Vec3 PolygonNormal(std::span<const Vec3> polygon) {
  Vec3 n;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vec3 a = polygon[i];
    const Vec3 b = polygon[(i + 1) % polygon.size()];
    n = n + Vec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
  }
  return n;
}

bool Degenerate(Vec3 previous, Vec3 vertex, Vec3 next) {
  if (vertex == previous || vertex == next) return true;
  const Vec3 u = previous - vertex;
  const Vec3 v = next - vertex;
  const Vec3 c = Cross(u, v);
  return std::sqrt(Dot(c, c)) < kMinSine * std::sqrt(Dot(u, u)) * std::sqrt(Dot(v, v));
}

// Drops vertices that would only give slivers, while more than a triangle is left.
void RemoveDegenerate(std::vector<Vec3>& ring) {
  bool removed = true;
  while (removed && ring.size() > 3) {
    removed = false;
    for (std::size_t i = 0; i < ring.size() && ring.size() > 3; ++i) {
      const std::size_t n = ring.size();
      if (Degenerate(ring[(i + n - 1) % n], ring[i], ring[(i + 1) % n])) {
        ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(i));
        removed = true;
      }
    }
  }
}

// Inside or on the edge of the triangle a, b, c (turning round `normal`).
bool InTriangle(Vec3 p, Vec3 a, Vec3 b, Vec3 c, Vec3 normal) {
  const auto outside = [&](Vec3 from, Vec3 to) {
    return Dot(Cross(to - from, normal), p - from) > 0;
  };
  return !outside(a, b) && !outside(b, c) && !outside(c, a);
}

bool IsEar(const std::vector<Vec3>& ring, std::size_t i, Vec3 normal) {
  const std::size_t n = ring.size();
  const Vec3 v = ring[i];
  const Vec3 next = ring[(i + 1) % n];
  const Vec3 nextNext = ring[(i + 2) % n];
  if (Dot(Cross(next - v, nextNext - v), normal) <= 0) return false;
  for (std::size_t k = 3; k < n; ++k) {
    if (InTriangle(ring[(i + k) % n], v, next, nextNext, normal)) return false;
  }
  return true;
}

}  // namespace

std::vector<Triangle3> Triangulate(std::span<const Vec3> polygon, model::MessageSink& debug) {
  if (polygon.size() < 3) {
    debug.WriteLine("One poly to triang. has < 3 vertices");
    return {};
  }
  if (polygon.size() == 3) return {{polygon[0], polygon[1], polygon[2]}};
  const Vec3 normal = PolygonNormal(polygon);
  std::vector<Vec3> ring(polygon.begin(), polygon.end());
  RemoveDegenerate(ring);
  std::vector<Triangle3> triangles;
  std::size_t i = 0;
  for (int step = 0; ring.size() > 3; ++step) {
    if (step >= kMaxSteps) return triangles;
    const std::size_t n = ring.size();
    if (!IsEar(ring, i, normal)) {
      i = (i + 1) % n;
      continue;
    }
    triangles.push_back({ring[i], ring[(i + 1) % n], ring[(i + 2) % n]});
    ring.erase(ring.begin() + static_cast<std::ptrdiff_t>((i + 1) % n));
    RemoveDegenerate(ring);
    i %= ring.size();
  }
  triangles.push_back({ring[0], ring[1], ring[2]});
  return triangles;
}

}  // namespace zef::view3d

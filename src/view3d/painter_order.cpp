#include "view3d/painter_order.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <queue>

namespace zef::view3d {
namespace {

// Screen overlap smaller than this (pixels) is a shared edge, not a cover.
constexpr float kTouch = 0.05f;
// Plane values this close to 0 count as on the plane (shared corners).
constexpr float kOnPlane = 1e-3f;
constexpr float kCellSize = 24;
constexpr int kMaxCells = 256;

bool BoxesOverlap(const SortEntry& a, const SortEntry& b) {
  return a.minX < b.maxX - kTouch && b.minX < a.maxX - kTouch && a.minY < b.maxY - kTouch &&
         b.minY < a.maxY - kTouch;
}

// Separating axes of two screen triangles: an edge normal of either along
// which they do not overlap by more than a touch.
bool SeparatedAlongEdgesOf(const SortEntry& a, const SortEntry& b) {
  for (int e = 0; e < 3; ++e) {
    const int f = (e + 1) % 3;
    const float nx = a.screen[2 * f + 1] - a.screen[2 * e + 1];
    const float ny = a.screen[2 * e] - a.screen[2 * f];
    const float length = std::hypot(nx, ny);
    if (length == 0) continue;
    float aMin = INFINITY, aMax = -INFINITY, bMin = INFINITY, bMax = -INFINITY;
    for (int k = 0; k < 3; ++k) {
      const float pa = (a.screen[2 * k] * nx + a.screen[2 * k + 1] * ny) / length;
      const float pb = (b.screen[2 * k] * nx + b.screen[2 * k + 1] * ny) / length;
      aMin = std::min(aMin, pa), aMax = std::max(aMax, pa);
      bMin = std::min(bMin, pb), bMax = std::max(bMax, pb);
    }
    if (aMax <= bMin + kTouch || bMax <= aMin + kTouch) return true;
  }
  return false;
}

bool ScreenOverlap(const SortEntry& a, const SortEntry& b) {
  return BoxesOverlap(a, b) && !SeparatedAlongEdgesOf(a, b) && !SeparatedAlongEdgesOf(b, a);
}

// +1: every corner of `of` on the eye's side of the plane of `plane` (or on
// it), -1: every corner behind it, 0: both sides.
int Side(const SortEntry& of, const SortEntry& plane) {
  bool front = true;
  bool back = true;
  for (const Vec3& corner : of.corners) {
    const float value = Dot(plane.normal, corner) + plane.planeConstant;
    front = front && value >= -kOnPlane;
    back = back && value <= kOnPlane;
  }
  return front ? 1 : (back ? -1 : 0);
}

// Which of two covering triangles must be painted first: -1 far, +1 near,
// 0 when nothing decides (they pierce each other). The planes go first: a
// large triangle's inside can be nearer than all its corners, so corner
// distances alone may mislead.
int Order(const SortEntry& far, const SortEntry& near) {
  if (Side(near, far) == 1 || Side(far, near) == -1) return -1;
  if (Side(far, near) == 1 || Side(near, far) == -1) return 1;
  if (far.nearest >= near.farthest) return -1;
  return 0;
}

struct Grid {
  float left = 0;
  float top = 0;
  float cell = kCellSize;
  int columns = 1;
  int rows = 1;
  int Column(float x) const {
    return std::clamp(static_cast<int>((x - left) / cell), 0, columns - 1);
  }
  int Row(float y) const { return std::clamp(static_cast<int>((y - top) / cell), 0, rows - 1); }
};

Grid GridOver(const std::vector<SortEntry>& entries) {
  Grid grid;
  float right = -INFINITY, bottom = -INFINITY;
  grid.left = INFINITY, grid.top = INFINITY;
  for (const SortEntry& e : entries) {
    grid.left = std::min(grid.left, e.minX), grid.top = std::min(grid.top, e.minY);
    right = std::max(right, e.maxX), bottom = std::max(bottom, e.maxY);
  }
  const float span = std::max(right - grid.left, bottom - grid.top);
  grid.cell = std::max(kCellSize, span / kMaxCells);
  grid.columns = std::clamp(static_cast<int>((right - grid.left) / grid.cell) + 1, 1, kMaxCells);
  grid.rows = std::clamp(static_cast<int>((bottom - grid.top) / grid.cell) + 1, 1, kMaxCells);
  return grid;
}

// Which entry must come before which: after[i] are painted after i;
// pending[i] counts what must come before i.
struct Constraints {
  std::vector<std::vector<std::size_t>> after;
  std::vector<int> pending;
};

// Constraints only between triangles that cover each other on the screen,
// found through a grid of cells so that far-apart pairs are never compared.
Constraints FindConstraints(const std::vector<SortEntry>& entries) {
  const std::size_t count = entries.size();
  Constraints constraints{std::vector<std::vector<std::size_t>>(count), std::vector<int>(count, 0)};
  if (count < 2) return constraints;
  const Grid grid = GridOver(entries);
  std::vector<std::vector<std::size_t>> cells(static_cast<std::size_t>(grid.columns * grid.rows));
  for (std::size_t i = 0; i < count; ++i) {
    const SortEntry& e = entries[i];
    for (int r = grid.Row(e.minY); r <= grid.Row(e.maxY); ++r) {
      for (int c = grid.Column(e.minX); c <= grid.Column(e.maxX); ++c) {
        cells[static_cast<std::size_t>(r * grid.columns + c)].push_back(i);
      }
    }
  }
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    const auto& members = cells[cell];
    for (std::size_t m = 0; m < members.size(); ++m) {
      for (std::size_t n = m + 1; n < members.size(); ++n) {
        const SortEntry& a = entries[members[m]];
        const SortEntry& b = entries[members[n]];
        // Each pair once: in the cell where their boxes' overlap begins.
        const int home = grid.Row(std::max(a.minY, b.minY)) * grid.columns +
                         grid.Column(std::max(a.minX, b.minX));
        if (static_cast<std::size_t>(home) != cell || !ScreenOverlap(a, b)) continue;
        const int order = Order(a, b);
        if (order == 0) continue;
        const std::size_t first = order < 0 ? members[m] : members[n];
        const std::size_t second = order < 0 ? members[n] : members[m];
        constraints.after[first].push_back(second);
        ++constraints.pending[second];
      }
    }
  }
  return constraints;
}

}  // namespace

bool FacingPlane(const std::array<Vec3, 3>& corners, Vec3 eye, Vec3& normal, float& planeConstant) {
  const Vec3 n = Cross(corners[1] - corners[0], corners[2] - corners[0]);
  const float length = std::sqrt(Dot(n, n));
  if (!(length > 0)) return false;
  normal = (1 / length) * n;
  planeConstant = -Dot(normal, corners[0]);
  return Dot(normal, eye) + planeConstant > 0;
}

std::vector<std::size_t> PainterOrder(std::vector<SortEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const SortEntry& a, const SortEntry& b) { return a.farthest > b.farthest; });
  Constraints constraints = FindConstraints(entries);
  // Far to near wherever the constraints leave a choice; a cycle is broken
  // at its farthest triangle.
  const std::size_t count = entries.size();
  std::vector<int>& pending = constraints.pending;
  std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> ready;
  for (std::size_t i = 0; i < count; ++i) {
    if (pending[i] == 0) ready.push(i);
  }
  std::vector<bool> done(count, false);
  std::vector<std::size_t> order;
  order.reserve(count);
  std::size_t farthestLeft = 0;
  while (order.size() < count) {
    if (ready.empty()) {
      while (done[farthestLeft]) ++farthestLeft;
      pending[farthestLeft] = 0;
      ready.push(farthestLeft);
    }
    const std::size_t next = ready.top();
    ready.pop();
    if (done[next]) continue;
    done[next] = true;
    order.push_back(entries[next].source);
    for (const std::size_t later : constraints.after[next]) {
      if (!done[later] && --pending[later] == 0) ready.push(later);
    }
  }
  return order;
}

}  // namespace zef::view3d

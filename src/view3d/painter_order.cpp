#include "view3d/painter_order.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <queue>
#include <utility>

#include "view3d/painter_grid.h"

namespace zef::view3d {
namespace {

// Screen overlap smaller than this (pixels) is a shared edge, not a cover.
constexpr float kTouch = 0.05f;
// Plane values this close to 0 count as on the plane (shared corners).
constexpr float kOnPlane = 1e-3f;
// Pairs compared (and cell memberships) allowed per triangle, and always.
constexpr std::size_t kPairsPerTriangle = 16;
constexpr std::size_t kPairsAlways = 1 << 18;

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

// Which entry must come before which: entry i is painted before
// after[start[i] .. start[i + 1]); pending[i] counts what must come before i.
struct Constraints {
  std::vector<std::size_t> start;
  std::vector<std::size_t> after;
  std::vector<int> pending;
};

// Constraints only between triangles that cover each other on the screen,
// found through the grid; `entries` are in the order the grid was filled.
Constraints FindConstraints(const std::vector<SortEntry>& entries, const ScreenGrid& grid,
                            const ScreenGrid::Cells& cells) {
  const std::size_t count = entries.size();
  Constraints constraints{std::vector<std::size_t>(count + 1, 0), {}, std::vector<int>(count, 0)};
  std::vector<std::pair<std::size_t, std::size_t>> rules;
  for (std::size_t cell = 0; cell + 1 < cells.start.size(); ++cell) {
    const std::size_t end = cells.start[cell + 1];
    for (std::size_t m = cells.start[cell]; m < end; ++m) {
      const SortEntry& a = entries[cells.members[m]];
      for (std::size_t n = m + 1; n < end; ++n) {
        const SortEntry& b = entries[cells.members[n]];
        // Each pair once: in the cell where their boxes' overlap begins.
        if (!BoxesOverlap(a, b) ||
            grid.Cell(std::max(a.minX, b.minX), std::max(a.minY, b.minY)) != cell ||
            !ScreenOverlap(a, b)) {
          continue;
        }
        const int order = Order(a, b);
        if (order == 0) continue;
        const auto [first, second] = order < 0 ? std::pair(cells.members[m], cells.members[n])
                                               : std::pair(cells.members[n], cells.members[m]);
        rules.emplace_back(first, second);
        ++constraints.start[first + 1];
        ++constraints.pending[second];
      }
    }
  }
  std::partial_sum(constraints.start.begin(), constraints.start.end(), constraints.start.begin());
  constraints.after.resize(rules.size());
  std::vector<std::size_t> next(constraints.start.begin(), constraints.start.end() - 1);
  for (const auto& [first, second] : rules) constraints.after[next[first]++] = second;
  return constraints;
}

// Indices of `entries` far to near by the farthest corner, equal ones in
// the caller's order.
std::vector<std::size_t> FarToNear(const std::vector<SortEntry>& entries) {
  std::vector<std::pair<double, std::size_t>> keys;
  keys.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) keys.emplace_back(-entries[i].farthest, i);
  std::sort(keys.begin(), keys.end());
  std::vector<std::size_t> order;
  order.reserve(keys.size());
  for (const auto& key : keys) order.push_back(key.second);
  return order;
}

// Far to near wherever the constraints leave a choice; a cycle is broken at
// its farthest triangle. Positions are far to near.
std::vector<std::size_t> Resolve(Constraints& constraints, const std::vector<std::size_t>& sorted) {
  const std::size_t count = sorted.size();
  std::vector<std::size_t> order;
  order.reserve(count);
  std::vector<int>& pending = constraints.pending;
  std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> ready;
  for (std::size_t i = 0; i < count; ++i) {
    if (pending[i] == 0) ready.push(i);
  }
  std::vector<bool> done(count, false);
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
    order.push_back(sorted[next]);
    for (std::size_t k = constraints.start[next]; k < constraints.start[next + 1]; ++k) {
      const std::size_t later = constraints.after[k];
      if (!done[later] && --pending[later] == 0) ready.push(later);
    }
  }
  return order;
}

}  // namespace

bool FacingPlane(const std::array<Vec3, 3>& corners, Vec3 eye, Vec3& normal, float& planeConstant) {
  const Vec3 n = Cross(corners[1] - corners[0], corners[2] - corners[0]);
  // Half of a closed mesh faces away: those leave before the square root.
  if (!(Dot(n, eye - corners[0]) > 0)) return false;
  const float length = std::sqrt(Dot(n, n));
  if (!(length > 0)) return false;
  normal = (1 / length) * n;
  planeConstant = -Dot(normal, corners[0]);
  return Dot(normal, eye) + planeConstant > 0;
}

std::vector<std::size_t> PainterOrder(const std::vector<SortEntry>& entries) {
  std::vector<std::size_t> sorted = FarToNear(entries);
  const ScreenGrid grid(entries, kPairsPerTriangle * entries.size() + kPairsAlways);
  // A mesh this dense (a fine DXF cabinet drawn small) is painted plainly
  // far to near, which may leave a few stray pixels, rather than stall
  // every camera move on its comparisons.
  if (!grid.WithinBudget()) return sorted;
  // The comparisons read the entries far to near, as the cells list them.
  std::vector<SortEntry> farToNear;
  farToNear.reserve(sorted.size());
  for (const std::size_t index : sorted) farToNear.push_back(entries[index]);
  Constraints constraints = FindConstraints(farToNear, grid, grid.Fill(sorted));
  return Resolve(constraints, sorted);
}

}  // namespace zef::view3d

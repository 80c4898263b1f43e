#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "view3d/vector_math.h"

namespace zef::view3d {

// One facing triangle ready to be ordered.
struct SortEntry {
  std::array<Vec3, 3> corners;    // model space
  std::array<float, 6> screen{};  // x0 y0 x1 y1 x2 y2, window pixels
  Vec3 normal;                    // oriented towards the eye
  float planeConstant = 0;        // normal . p + constant > 0 on the eye's side
  float minX = 0, maxX = 0, minY = 0, maxY = 0;
  double nearest = 0;   // squared eye distance of the nearest corner
  double farthest = 0;  // and of the farthest
};

// The plane of the corners oriented towards `eye`; false when the triangle
// faces away or is degenerate.
bool FacingPlane(const std::array<Vec3, 3>& corners, Vec3 eye, Vec3& normal, float& planeConstant);

// The indices of `entries` in painting order, far to near: a triangle that
// covers part of another and lies in front of it is painted after it.
// Triangles that cover each other in a cycle keep their far-to-near order by
// the farthest corner, and so do all of a scene too crowded on the screen to
// compare its triangles in time.
std::vector<std::size_t> PainterOrder(const std::vector<SortEntry>& entries);

}  // namespace zef::view3d

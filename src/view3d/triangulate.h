#pragma once

#include <array>
#include <span>
#include <vector>

#include "model/message_sink.h"
#include "view3d/vector_math.h"

namespace zef::view3d {

using Triangle3 = std::array<Vec3, 3>;

// Splits a planar polygon into triangles by ear clipping, each turning the
// same way as the polygon. Fewer than three vertices write "One poly to
// triang. has < 3 vertices" to `debug` and give none; a polygon not finished
// after 1000 steps gives the triangles found so far.
std::vector<Triangle3> Triangulate(std::span<const Vec3> polygon, model::MessageSink& debug);

}  // namespace zef::view3d

#include "view3d/vector_math.h"

#include <cmath>

namespace zef::view3d {
namespace {

bool IsZero(Vec3 v) {
  return v.x == 0 && v.y == 0 && v.z == 0;
}

}  // namespace

float Radians(float degrees) {
  return degrees * 0.0174532925199f;
}

std::optional<Vec3> Difference(Vec3 a, Vec3 b, model::MessageSink& debug) {
  const Vec3 d = a - b;
  if (IsZero(d)) {
    debug.WriteLine("IMath : Making zero-length 3D vector");
    return std::nullopt;
  }
  return d;
}

std::optional<float> Length(Vec3 v, model::MessageSink& debug) {
  if (IsZero(v)) {
    debug.WriteLine("IMath : Length of zero-length 3D vector");
    return std::nullopt;
  }
  return std::sqrt(Dot(v, v));
}

std::optional<Vec3> Normalised(Vec3 v, model::MessageSink& debug) {
  const float length = std::sqrt(Dot(v, v));
  if (IsZero(v) || !(length > 0)) {
    debug.WriteLine("IMath : Norm of zero-length 3D vector");
    return std::nullopt;
  }
  return (1 / length) * v;
}

std::optional<Vec3> ScaledTo(Vec3 v, float length, model::MessageSink& debug) {
  const auto unit = Normalised(v, debug);
  if (!unit) return std::nullopt;
  return length * *unit;
}

}  // namespace zef::view3d

#pragma once

#include <optional>

#include "model/message_sink.h"

namespace zef::view3d {

// A point or direction in model space: X front, Y left, Z up.
struct Vec3 {
  float x = 0;
  float y = 0;
  float z = 0;
  bool operator==(const Vec3&) const = default;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(float s, Vec3 v) {
  return {s * v.x, s * v.y, s * v.z};
}
inline float Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Radians(float degrees);

// The routines below fail on a zero-length vector: they write their message
// ("IMath : Making zero-length 3D vector", "IMath : Length of zero-length 3D
// vector", "IMath : Norm of zero-length 3D vector") to `debug` and give none.
std::optional<Vec3> Difference(Vec3 a, Vec3 b, model::MessageSink& debug);  // a - b
std::optional<float> Length(Vec3 v, model::MessageSink& debug);
std::optional<Vec3> Normalised(Vec3 v, model::MessageSink& debug);
// v scaled to the given length.
std::optional<Vec3> ScaledTo(Vec3 v, float length, model::MessageSink& debug);

}  // namespace zef::view3d

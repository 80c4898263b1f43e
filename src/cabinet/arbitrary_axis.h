#pragma once

#include <optional>

namespace zef::cabinet {

struct Vec3 {
  double x = 0, y = 0, z = 0;
  bool operator==(const Vec3&) const = default;
};

// The object coordinate system of a planar entity, found from its extrusion
// direction by the arbitrary axis algorithm of the drawing format.
class ObjectFrame {
 public:
  // None when the direction has no length.
  static std::optional<ObjectFrame> FromExtrusion(Vec3 direction);

  // A point of the object system in world coordinates.
  Vec3 ToWorld(Vec3 p) const;

  const Vec3& AxisX() const { return ax_; }
  const Vec3& AxisY() const { return ay_; }
  const Vec3& Normal() const { return n_; }

 private:
  Vec3 ax_, ay_, n_;
};

}  // namespace zef::cabinet

#include "model/cabinet_geometry.h"

namespace zef::model {
namespace {

// Unit vector of an axis code in source coordinates.
void AxisVector(std::uint32_t code, float out[3]) {
  out[0] = out[1] = out[2] = 0;
  out[(code / 2) % 3] = code % 2 == 0 ? -1.0f : 1.0f;
}

}  // namespace

void GeometryTransform::Set(float scale, Point3 origin, std::uint32_t onAxisCode,
                            std::uint32_t upCode) {
  on_ = true;
  scale_ = scale;
  origin_ = origin;
  float* ex = rows_[0];
  float* ey = rows_[1];
  float* ez = rows_[2];
  AxisVector(onAxisCode, ex);
  AxisVector(upCode, ez);
  // y = z cross x keeps the frame right-handed.
  ey[0] = ez[1] * ex[2] - ez[2] * ex[1];
  ey[1] = ez[2] * ex[0] - ez[0] * ex[2];
  ey[2] = ez[0] * ex[1] - ez[1] * ex[0];
}

Point3 GeometryTransform::Apply(Point3 p) const {
  if (!on_) return p;
  const float d[3] = {p.x - origin_.x, p.y - origin_.y, p.z - origin_.z};
  float out[3];
  for (int r = 0; r < 3; ++r) {
    out[r] = (rows_[r][0] * d[0] + rows_[r][1] * d[1] + rows_[r][2] * d[2]) * scale_;
  }
  return {out[0], out[1], out[2]};
}

void CabinetGeometry::AddEdge(NodeList<Edge>& list, std::uint32_t colour, Point3 second,
                              Point3 first) {
  list.Add(Edge{transform.Apply(first), transform.Apply(second), colour});
}

}  // namespace zef::model

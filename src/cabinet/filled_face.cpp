#include "cabinet/filled_face.h"

#include <cmath>

#include "view3d/triangulate.h"

namespace zef::cabinet {
namespace {

constexpr double kCollinearSine = 0.001;

view3d::Vec3 ToVec(model::Point3 p) {
  return {p.x, p.y, p.z};
}

}  // namespace

bool NearlyCollinear(model::Point3 v, model::Point3 n, model::Point3 nn) {
  const double ax = n.x - v.x, ay = n.y - v.y, az = n.z - v.z;
  const double bx = nn.x - v.x, by = nn.y - v.y, bz = nn.z - v.z;
  const double a = std::sqrt(ax * ax + ay * ay + az * az);
  const double b = std::sqrt(bx * bx + by * by + bz * bz);
  if (a == 0 || b == 0 || n == nn) return true;
  const double cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
  return std::sqrt(cx * cx + cy * cy + cz * cz) / (a * b) < kCollinearSine;
}

std::vector<model::Point3> ReducedFace(const std::vector<model::Point3>& vertices) {
  const std::size_t count = vertices.size();
  std::vector<model::Point3> kept;
  for (std::size_t i = 0; i < count; ++i) {
    const model::Point3& n = vertices[(i + 1) % count];
    if (!NearlyCollinear(vertices[i], n, vertices[(i + 2) % count])) kept.push_back(n);
  }
  return kept;
}

void DrawFilledFace(view3d::Scene& scene, const model::Face& face, model::MessageSink& debug) {
  const std::vector<model::Point3>& v = face.vertices;
  scene.SetColour(face.colour);
  if (v.size() == 3 && !NearlyCollinear(v[0], v[1], v[2])) {
    scene.BeginPolygon();
    for (const model::Point3& p : v) scene.AddVertex(ToVec(p));
    scene.EndPolygon();
    return;
  }
  std::vector<view3d::Vec3> polygon;
  for (const model::Point3& p : ReducedFace(v)) polygon.push_back(ToVec(p));
  for (const view3d::Triangle3& t : view3d::Triangulate(polygon, debug)) {
    scene.BeginPolygon();
    scene.AddVertex(t[2]);
    scene.AddVertex(t[1]);
    scene.AddVertex(t[0]);
    scene.EndPolygon();
  }
}

}  // namespace zef::cabinet

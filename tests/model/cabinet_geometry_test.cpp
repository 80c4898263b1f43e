#include "model/cabinet_geometry.h"

#include <gtest/gtest.h>

namespace zef::model {
namespace {

TEST(NodeList, ShowsNewestFirstAndVerticesInAddedOrder) {
  CabinetGeometry cabinet;
  for (std::uint32_t c = 1; c <= 3; ++c) cabinet.AddEdge(cabinet.edges, c, {}, {});
  std::vector<std::uint32_t> colours;
  for (const Edge& e : cabinet.edges) colours.push_back(e.colour);
  EXPECT_EQ(colours, (std::vector<std::uint32_t>{3, 2, 1}));

  Face face = CabinetGeometry::BeginFace();
  for (float x : {1, 2, 3}) cabinet.AddVertex({x, 0, 0}, face);
  CabinetGeometry::AddFace(std::move(face), cabinet.faces);
  ASSERT_EQ(cabinet.faces.size(), 1u);
  EXPECT_EQ(cabinet.faces[0].vertices, (std::vector<Point3>{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}}));
}

struct TransformCase {
  std::uint32_t onAxis, up;
  Point3 in, out;
};

TEST(GeometryTransform, RotatesAxesRightHanded) {
  const TransformCase cases[] = {
      {kPlusX, kPlusY, {1, 2, 3}, {1, -3, 2}},    // (X, -Z, Y)
      {kMinusX, kPlusZ, {1, 2, 3}, {-1, -2, 3}},  // (-X, -Y, Z)
      {kPlusY, kPlusZ, {1, 2, 3}, {2, -1, 3}},
      {kMinusZ, kPlusY, {1, 2, 3}, {-3, -1, 2}},
  };
  for (const auto& c : cases) {
    GeometryTransform t;
    t.Set(1.0f, {}, c.onAxis, c.up);
    EXPECT_EQ(t.Apply(c.in), c.out) << "on-axis " << c.onAxis << " up " << c.up;
  }
}

TEST(GeometryTransform, SubtractsOriginThenScalesAndIsOffByDefault) {
  GeometryTransform t;
  EXPECT_EQ(t.Apply({5, 6, 7}), (Point3{5, 6, 7}));
  t.Set(kUnitLength[0], {100, 200, 300}, kPlusX, kPlusZ);
  EXPECT_EQ(t.Apply({1100, 200, 800}), (Point3{1, 0, 0.5f}));
  t.Off();
  EXPECT_EQ(t.Apply({1100, 200, 800}), (Point3{1100, 200, 800}));
}

}  // namespace
}  // namespace zef::model

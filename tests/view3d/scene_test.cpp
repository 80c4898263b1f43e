#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "case_file.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "view3d/painter_order.h"
#include "view3d/scene.h"
#include "view3d/scene_picture.h"
#include "view3d/triangulate.h"
#include "view3d_cases.h"

namespace zef::view3d {
namespace {

// A camera on the front axis, 10 units out, seeing 64 x 64 pixels.
Camera Front(Projection mode) {
  return {{90, 0, 10, 1, 0, 0}, mode};
}

TEST(Scene, SetCameraKeepsTheGivenCameraAcrossModes) {
  model::NullSink debug;
  Scene scene(64, 64, debug);
  scene.SetCamera(Front(Projection::kPerspective));
  EXPECT_EQ(scene.GetCamera(), Front(Projection::kPerspective));
  EXPECT_NEAR(scene.Context().eye.x, 10, 1e-5);
}

TEST(Scene, ProjectsVisibleObjectsIntoPaintingOrder) {
  model::LineSink debug;
  Scene scene(64, 64, debug);
  const int near = scene.NewObject();
  const int far = scene.NewObject();
  const int hidden = scene.NewObject();
  EXPECT_EQ((std::vector<int>{near, far, hidden}), (std::vector<int>{0, 1, 2}));
  const auto polygon = [&](std::initializer_list<Vec3> corners) {
    scene.BeginPolygon();
    for (const Vec3 v : corners) scene.AddVertex(v);
    scene.EndPolygon();
  };
  scene.BeginObject(near, 1);
  scene.SetColour(graphs::kRed);
  polygon({{1, -1, -1}, {1, 1, -1}});  // dropped with a trace
  polygon({{1, -1, -1}, {1, 1, -1}, {1, 1, 1}});
  polygon({{1, -1, -1}, {1, 1, 1}, {1, 1, -1}});  // facing away
  scene.BeginPolyline();
  for (const Vec3 v : {Vec3{0, 0, 0}, Vec3{0, 5, 0}, Vec3{0, 5, 5}}) scene.AddPoint(v);
  scene.EndPolyline(false);
  scene.Text3D({0, 0, 5}, "Up");
  scene.Text2D(3, 4, "corner");
  scene.EndObject();
  scene.BeginObject(far, 1);
  scene.SetColour(graphs::kBlue);
  polygon({{-1, -2, -2}, {-1, 2, -2}, {-1, 0, 2}});
  scene.EndObject();
  scene.BeginObject(hidden, 1);
  scene.Point({0, 0, 0});
  scene.EndObject();
  scene.SetVisibleObjects(0b011);
  scene.SetCamera(Front(Projection::kPerspective));
  EXPECT_EQ(scene.PolygonCount(), 3u);

  const graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  graphs::GraphWindow window(64, 64, metrics, errors);
  DrawScene(scene.Projected(), window, 0);
  // The far blue triangle first, then the red one, the line and the texts.
  std::string drawn;
  for (const std::string& line : graphs::CommandLines(window, 0)) drawn += line + "\n";
  for (const std::string& line : debug.Lines()) drawn += "debug: " + line + "\n";
  zef::testing::ExpectGolden("view3d/golden/scene_picture.txt", drawn);
}

// Same total area and every triangle turning the polygon's way.
TEST(Triangulate, ClipsEarsOfConvexConcaveAndDegeneratePolygons) {
  for (const auto& c : zef::testing::ReadCases("view3d/cases/triangulate.txt")) {
    const std::vector<Vec3> polygon = testing::Points(c[0]);
    model::LineSink debug;
    const auto triangles = Triangulate(polygon, debug);
    EXPECT_EQ(triangles.size(), std::stoul(c[1])) << c.where;
    float area = 0;
    for (const Triangle3& t : triangles) {
      const Vec3 n = Cross(t[1] - t[0], t[2] - t[0]);
      area += std::sqrt(Dot(n, n)) / 2;
      EXPECT_GT(Dot(n, Cross(polygon[1] - polygon[0], polygon.back() - polygon[0])), 0) << c.where;
    }
    EXPECT_NEAR(area, std::stof(c[2]), 1e-5) << c.where;
    EXPECT_EQ(debug.Lines(), std::vector<std::string>(c.fields.begin() + 3, c.fields.end()))
        << c.where;
  }
}

// Seen from z = -100 looking along +z, the screen a plain x, y scaling.
constexpr Vec3 kEye{0, 0, -100};

SortEntry Entry(std::array<Vec3, 3> corners) {
  SortEntry e;
  if (!FacingPlane(corners, kEye, e.normal, e.planeConstant)) {
    std::swap(corners[1], corners[2]);
    EXPECT_TRUE(FacingPlane(corners, kEye, e.normal, e.planeConstant));
  }
  e.corners = corners;
  e.minX = e.minY = e.nearest = INFINITY;
  e.maxX = e.maxY = -INFINITY;
  for (std::size_t k = 0; k < 3; ++k) {
    const float x = 100 + 10 * corners[k].x;
    const float y = 100 - 10 * corners[k].y;
    e.screen[2 * k] = x, e.screen[2 * k + 1] = y;
    e.minX = std::min(e.minX, x), e.maxX = std::max(e.maxX, x);
    e.minY = std::min(e.minY, y), e.maxY = std::max(e.maxY, y);
    const Vec3 d = corners[k] - kEye;
    e.nearest = std::min(e.nearest, double{Dot(d, d)});
    e.farthest = std::max(e.farthest, double{Dot(d, d)});
  }
  return e;
}

std::array<Vec3, 3> Flat(float x, float y, float z, float size = 2) {
  return {Vec3{x - size, y - size, z}, Vec3{x + size, y - size, z}, Vec3{x, y + size, z}};
}

TEST(PainterOrder, NearerCoveringTrianglesComeLater) {
  for (const auto& c : zef::testing::ReadCases("view3d/cases/painter_order.txt")) {
    std::vector<SortEntry> entries;
    std::istringstream triangles(c[0]);
    for (std::string t; std::getline(triangles, t, ';');) {
      const std::vector<Vec3> p = testing::Points(t);
      entries.push_back(Entry({p[0], p[1], p[2]}));
    }
    std::string order;
    for (const std::size_t i : PainterOrder(entries))
      order += (order.empty() ? "" : " ") + std::to_string(i);
    EXPECT_EQ(order, c[1]) << c.where;
  }
}

// Too many pairs to compare: a plain depth sort, still far to near.
TEST(PainterOrder, CrowdedScenesStillGoFarToNear) {
  constexpr std::size_t kCount = 1000;
  std::vector<SortEntry> entries;
  std::vector<std::size_t> farToNear(kCount);
  for (std::size_t i = 0; i < kCount; ++i) {
    entries.push_back(Entry(Flat(0, 0, 10 + 0.01f * static_cast<float>(i))));
    farToNear[i] = kCount - 1 - i;
  }
  EXPECT_EQ(PainterOrder(entries), farToNear);
}

// A corner close to the eye plane projects far out; the screen span of two
// such corners overflows a float.
TEST(PainterOrder, FarFlungScreenCornersStillOrder) {
  std::vector<SortEntry> entries{Entry(Flat(0, 0, 10)), Entry(Flat(0.5f, 0, 20))};
  entries[0].screen[0] = entries[0].minX = -3e38f;
  entries[1].screen[2] = entries[1].maxX = 3e38f;
  EXPECT_EQ(PainterOrder(entries), (std::vector<std::size_t>{1, 0}));
}

TEST(PainterOrder, FacingIsSeenFromTheEye) {
  Vec3 normal;
  float constant = 0;
  const auto facing = [&](Vec3 a, Vec3 b, Vec3 c) {
    return FacingPlane({a, b, c}, {0, 0, 5}, normal, constant);
  };
  EXPECT_TRUE(facing({0, 0, 0}, {1, 0, 0}, {0, 1, 0}));
  EXPECT_EQ(normal, (Vec3{0, 0, 1}));
  EXPECT_FALSE(facing({0, 0, 0}, {0, 1, 0}, {1, 0, 0}));
  EXPECT_FALSE(facing({0, 0, 0}, {1, 0, 0}, {2, 0, 0}));  // no plane
}

}  // namespace
}  // namespace zef::view3d

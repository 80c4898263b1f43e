#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "case_file.h"
#include "view3d/triangulate.h"
#include "view3d_cases.h"

namespace zef::view3d {
namespace {

TEST(Triangulate, ClipsEarsOfConvexConcaveAndDegeneratePolygons) {
  for (const auto& c : zef::testing::ReadCases("view3d/cases/triangulate.txt")) {
    const std::vector<Vec3> polygon = testing::Points(c[0]);
    const std::size_t count = std::stoul(c[1]);
    const float total = std::stof(c[2]);
    const std::string& name = c.where;
    model::LineSink debug;
    const auto triangles = Triangulate(polygon, debug);
    EXPECT_EQ(triangles.size(), count) << name;
    // Same total area and every triangle turning the polygon's way.
    const Vec3 first = Cross(polygon[1] - polygon[0], polygon.back() - polygon[0]);
    float area = 0;
    for (const Triangle3& t : triangles) {
      const Vec3 n = Cross(t[1] - t[0], t[2] - t[0]);
      area += std::sqrt(Dot(n, n)) / 2;
      EXPECT_GT(Dot(n, first), 0) << name;
    }
    EXPECT_NEAR(area, total, 1e-5) << name;
    EXPECT_TRUE(debug.Lines().empty()) << name;
  }
}

TEST(Triangulate, FewerThanThreeVerticesAreSkipped) {
  model::LineSink debug;
  const std::vector<Vec3> two = {{0, 0, 0}, {1, 0, 0}};
  EXPECT_TRUE(Triangulate(two, debug).empty());
  EXPECT_TRUE(Triangulate({}, debug).empty());
  EXPECT_EQ(debug.Lines(), (std::vector<std::string>(2, "One poly to triang. has < 3 vertices")));
}

}  // namespace
}  // namespace zef::view3d

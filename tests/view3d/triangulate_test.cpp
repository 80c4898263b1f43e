#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "view3d/triangulate.h"

namespace zef::view3d {
namespace {

struct PolygonCase {
  const char* name;
  std::vector<Vec3> polygon;  // anticlockwise seen from +Z
  std::size_t triangles;
  float area;
};

TEST(Triangulate, ClipsEarsOfConvexConcaveAndDegeneratePolygons) {
  const PolygonCase cases[] = {
      {"triangle", {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}}, 1, 2},
      {"square", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 2, 1},
      {"hexagon", {{2, 0, 0}, {1, 2, 0}, {-1, 2, 0}, {-2, 0, 0}, {-1, -2, 0}, {1, -2, 0}}, 4, 12},
      {"L shape", {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}}, 4, 3},
      {"arrow with reflex tip", {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {2, 1, 0}, {0, 4, 0}}, 3, 10},
      {"point on an edge", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {0, 1, 0}}, 2, 2},
      {"repeated corner", {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 2, 1},
      {"clockwise square", {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, 2, 1},
      {"square in the XZ plane", {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}, 2, 1},
  };
  for (const PolygonCase& c : cases) {
    model::LineSink debug;
    const auto triangles = Triangulate(c.polygon, debug);
    EXPECT_EQ(triangles.size(), c.triangles) << c.name;
    // Same total area and every triangle turning the polygon's way.
    const Vec3 first = Cross(c.polygon[1] - c.polygon[0], c.polygon.back() - c.polygon[0]);
    float area = 0;
    for (const Triangle3& t : triangles) {
      const Vec3 n = Cross(t[1] - t[0], t[2] - t[0]);
      area += std::sqrt(Dot(n, n)) / 2;
      EXPECT_GT(Dot(n, first), 0) << c.name;
    }
    EXPECT_NEAR(area, c.area, 1e-5) << c.name;
    EXPECT_TRUE(debug.Lines().empty()) << c.name;
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

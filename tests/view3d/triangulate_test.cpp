#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "view3d/triangulate.h"

namespace zef::view3d {
namespace {

TEST(Triangulate, ClipsEarsOfConvexConcaveAndDegeneratePolygons) {
  // Name, polygon (anticlockwise seen from +Z): triangles and their area.
  const std::tuple<const char*, std::vector<Vec3>, std::size_t, float> cases[] = {
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
  for (const auto& [name, polygon, count, total] : cases) {
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

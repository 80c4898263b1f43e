#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "view3d/painter_order.h"

namespace zef::view3d {
namespace {

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
  using T = std::array<Vec3, 3>;
  const T slanted{Vec3{-2, -2, 5}, Vec3{2, -2, 5}, Vec3{0, 3, 45}};
  // Name, triangles: the order to paint them in.
  const std::tuple<const char*, std::vector<T>, std::vector<std::size_t>> cases[] = {
      {"stacked, near given first", {Flat(0, 0, 10), Flat(0.5f, 0, 20)}, {1, 0}},
      {"stacked three", {Flat(0, 0, 10), Flat(1, 0, 30), Flat(0, 1, 20)}, {1, 2, 0}},
      {"apart on the screen keep the depth order", {Flat(-5, 0, 10), Flat(5, 0, 20)}, {1, 0}},
      // A slanted triangle reaches farther back than a small one behind it
      // yet covers it from the front.
      {"slanted in front of a far small one", {slanted, Flat(0, 0, 30, 0.3f)}, {1, 0}},
      {"large near one, all corners farther", {Flat(0, 0, 10, 200), Flat(0, 0, 20, 0.3f)}, {1, 0}},
      {"small one in front of a slanted far one", {slanted, Flat(0, 0, 3, 0.3f)}, {0, 1}},
      {"sharing an edge keeps the depth order",
       {T{Vec3{0, 0, 10}, {2, 0, 10}, {0, 2, 12}}, T{Vec3{2, 0, 10}, {2, 2, 20}, {0, 2, 12}}},
       {1, 0}},
      {"piercing pair keeps the depth order",
       {T{Vec3{-2, -2, 10}, {2, -2, 10}, {0, 2, 30}}, T{Vec3{-2, 2, 10}, {2, 2, 10}, {0, -2, 31}}},
       {1, 0}},
  };
  for (const auto& [name, triangles, order] : cases) {
    std::vector<SortEntry> entries;
    for (const auto& triangle : triangles) entries.push_back(Entry(triangle));
    EXPECT_EQ(PainterOrder(entries), order) << name;
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

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "case_file.h"
#include "view3d/painter_order.h"
#include "view3d_cases.h"

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
  for (const auto& c : zef::testing::ReadCases("view3d/cases/painter_order.txt")) {
    std::vector<SortEntry> entries;
    for (const std::string& t : testing::Split(c[0], " ; ")) {
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

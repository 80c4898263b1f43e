#include <gtest/gtest.h>

#include "cabinet/arbitrary_axis.h"

namespace zef::cabinet {
namespace {

void ExpectNear(const Vec3& actual, const Vec3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
  EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

TEST(ArbitraryAxis, PlacesObjectPointsForTypicalDirections) {
  const struct {
    Vec3 direction;
    Vec3 world;  // of the object point (1, 2, 3)
  } kCases[] = {
      {{0, 0, 1}, {1, 2, 3}},     // drawn in plan
      {{0, 0, -1}, {-1, 2, -3}},  // mirrored: object x runs against world x
      {{1, 0, 0}, {3, 1, 2}},     // a side view
      {{0, 1, 0}, {-1, 3, 2}},    {{0, -5, 0}, {1, -3, 2}},  // the length does not matter
      {{1e300, 0, 0}, {3, 1, 2}},
  };
  for (const auto& c : kCases) {
    const auto frame = ObjectFrame::FromExtrusion(c.direction);
    ASSERT_TRUE(frame);
    ExpectNear(frame->ToWorld({1, 2, 3}), c.world);
  }
}

TEST(ArbitraryAxis, NearlyVerticalDirectionsUseWorldY) {
  // Both components below 1/64: x comes from world y crossed with the direction.
  const auto near = ObjectFrame::FromExtrusion({0.015, 0, 1});
  ASSERT_TRUE(near);
  EXPECT_NEAR(near->AxisX().y, 0, 1e-12);
  EXPECT_GT(near->AxisX().x, 0.99);
  const auto beyond = ObjectFrame::FromExtrusion({0.016, 0, 1});
  ASSERT_TRUE(beyond);
  ExpectNear(beyond->AxisX(), {0, 1, 0});
}

TEST(ArbitraryAxis, DirectionWithoutLengthHasNoFrame) {
  EXPECT_FALSE(ObjectFrame::FromExtrusion({0, 0, 0}));
  EXPECT_FALSE(ObjectFrame::FromExtrusion({0, -0.0, 0}));
}

}  // namespace
}  // namespace zef::cabinet

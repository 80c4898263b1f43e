#include "analysis/directivity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis_fixture.h"

namespace zef::analysis {
namespace {

using model::FormatKind;
using model::PerBand;
using testing::CleanSet;
using testing::FillBalloon;

// All figures of a set in the order the open flow computes them.
DirectivityFigures Figures(model::DataSet& set) {
  DirectivityFigures figures;
  ComputeMaxDirections(set.kind, set.data, figures);
  ComputeHalfWidths(set.data);
  ComputeWidths(set.data, figures);
  ComputeAxialQ(set.data);
  return figures;
}

// Sets the same levels at points 0, 1, ... of every arc of band `band`.
void SetArcLevels(model::DataSet& set, int band, std::vector<float> levels) {
  for (int arc = 0; arc < set.GetGrid().arcs; ++arc) {
    auto points = set.data.Arc(band, arc);
    std::fill(points.begin(), points.end(), levels.back());
    std::copy(levels.begin(), levels.end(), points.begin());
  }
}

TEST(Directivity, OmnidirectionalFullSphere) {
  for (const FormatKind kind : {FormatKind::Zef1, FormatKind::Zef2}) {
    auto set = CleanSet(kind, 2, 5);
    const DirectivityFigures figures = Figures(set);
    for (int band = 2; band <= 5; ++band) {
      EXPECT_FLOAT_EQ(set.data.Array(PerBand::AxialQ)[band], 1.0f);
      for (const PerBand half : {PerBand::HalfWidthH1, PerBand::HalfWidthH2, PerBand::HalfWidthV1,
                                 PerBand::HalfWidthV2}) {
        EXPECT_EQ(set.data.Array(half)[band], 180.0f);
      }
      EXPECT_EQ(figures.horizontalWidth[band], 360.0f);
      EXPECT_EQ(figures.verticalWidth[band], 360.0f);
    }
    // Bands outside the range are left alone.
    EXPECT_EQ(set.data.Array(PerBand::AxialQ)[1], 0.0f);
    EXPECT_EQ(figures.horizontalWidth[6], 0.0f);
  }
}

TEST(Directivity, OmnidirectionalHalfSphere) {
  // The grid gives the 90 degree strip its full weight although half of it
  // lies behind the baffle: Q comes out below 2 by about that strip.
  for (const auto& [kind, q, halfWidth] :
       {std::tuple{FormatKind::Zef1, 1.8394f, 90 + 10 * 6.0f / 50},
        std::tuple{FormatKind::Zef2, 1.9165f, 90 + 5 * 6.0f / 50}}) {
    auto set = CleanSet(kind, 3, 3);
    FillBalloon(set, [](double theta, double) { return theta > 90 ? -50.0f : 0.0f; });
    const DirectivityFigures figures = Figures(set);
    EXPECT_NEAR(set.data.Array(PerBand::AxialQ)[3], q, 1e-3);
    EXPECT_FLOAT_EQ(set.data.Array(PerBand::HalfWidthV2)[3], halfWidth);
    EXPECT_FLOAT_EQ(figures.horizontalWidth[3], 2 * halfWidth);
  }
}

TEST(Directivity, HalfWidthFindsTheMinus6Crossing) {
  const std::pair<std::vector<float>, float> cases[] = {
      {{0, -2, -4, -6.009f}, 30.0f},
      {{0, -2, -4, -5.991f, -20}, 30 + 10 * 0.009f / 14.009f},  // only a stop is snapped
      {{0, -2, -4, -6.011f}, 20 + 10 * 2 / 2.011f},
      {{0, 3, -9}, 10 + 10 * 9 / 12.0f},
      {{-7, -8}, 0.0f},  // not normalised: never reads before point 0
  };
  for (const auto& [levels, halfWidth] : cases) {
    auto set = CleanSet(FormatKind::Zef1, 4, 4);
    SetArcLevels(set, 4, levels);
    ComputeHalfWidths(set.data);
    EXPECT_FLOAT_EQ(set.data.Array(PerBand::HalfWidthH1)[4], halfWidth) << levels.back();
  }
  // The rear point is never looked at: only the last inner point bounds the search.
  auto set = CleanSet(FormatKind::Zef2, 0, 0);
  for (int arc = 0; arc < 72; ++arc) set.data.Arc(0, arc)[36] = -30.0f;
  ComputeHalfWidths(set.data);
  EXPECT_EQ(set.data.Array(PerBand::HalfWidthV1)[0], 180.0f);
}

TEST(Directivity, FullWidthIsTwiceTheNarrowerSide) {
  auto set = CleanSet(FormatKind::Zef2, 10, 10);
  auto& data = set.data;
  std::copy_n(std::vector<float>{0, -2, -4, -6}.begin(), 4, data.Arc(10, 18).begin());  // 15
  std::copy_n(std::vector<float>{0, -7}.begin(), 2, data.Arc(10, 54).begin());          // 5 * 6/7
  std::copy_n(std::vector<float>{0, -1, -6}.begin(), 3, data.Arc(10, 36).begin());      // 10
  ComputeHalfWidths(data);
  DirectivityFigures figures;
  ComputeWidths(data, figures);
  EXPECT_FLOAT_EQ(data.Array(PerBand::HalfWidthH1)[10], 15.0f);
  EXPECT_FLOAT_EQ(figures.horizontalWidth[10], 2 * 5 * 6 / 7.0f);
  EXPECT_FLOAT_EQ(figures.verticalWidth[10], 20.0f);
}

TEST(Directivity, OffAxisClassBoundaries) {
  const std::pair<float, int> cases[] = {{-5.0f, 0}, {5.01f, 1},  {-10.0f, 1},
                                         {10.0f, 1}, {10.01f, 2}, {-10.01f, 2}};
  for (const auto& [angle, cls] : cases) EXPECT_EQ(OffAxisClass(angle), cls) << angle;
}

TEST(Directivity, MaximumDirectionIsThePowerWeightedMeanOnThePlaneLine) {
  // On axis 0 dB, one point +20 dB (100 times the power), every other point
  // far down: the mean position lies 100/101 of the way to that point.
  auto set = CleanSet(FormatKind::Zef1, 1, 1);
  FillBalloon(set, [](double theta, double) { return theta == 0 ? 0.0f : -200.0f; });
  set.data.Arc(1, 18)[2] = 20.0f;  // vertical, 20 degrees towards the second arc
  set.data.Arc(1, 9)[1] = 20.0f;   // horizontal, 10 degrees towards the first arc
  set.data.Arc(1, 9)[18] = 60.0f;  // rear points are left out
  DirectivityFigures figures;
  ComputeMaxDirections(FormatKind::Zef1, set.data, figures);
  EXPECT_NEAR(figures.verticalMaxAngle[1], 20 * 100 / 101.0f, 1e-4);
  EXPECT_NEAR(figures.horizontalMaxAngle[1], -10 * 100 / 101.0f, 1e-4);
  EXPECT_EQ(std::tuple(figures.verticalOffClass[1], figures.horizontalOffClass[1],
                       figures.offAxisClass[1], figures.horizontalOffAxis, figures.verticalOffAxis),
            std::tuple(2, 1, 2, true, true));
}

TEST(Directivity, BeamSteeredOffAxisInTheVerticalPlane) {
  // A cardioid-like beam steered `steer` degrees towards arc 36 (180 degrees
  // of rotation); the axis stays the balloon's reference. Symmetric about its
  // direction within the plane, its power-weighted mean lands right on it.
  const auto beam = [](double steer) {
    return [steer](double theta, double phi) {
      const double t = theta * std::numbers::pi / 180, f = phi * std::numbers::pi / 180;
      const double s = steer * std::numbers::pi / 180;
      const double cosine = std::cos(t) * std::cos(s) - std::sin(t) * std::cos(f) * std::sin(s);
      return static_cast<float>(40 * std::log10((1 + cosine) / 2 + 1e-6));
    };
  };
  for (const auto& [steer, verticalClass, flag] :
       {std::tuple{0.0, 0, false}, std::tuple{7.0, 1, true}, std::tuple{-25.0, 2, true}}) {
    auto set = CleanSet(FormatKind::Zef2, 8, 8);
    FillBalloon(set, beam(steer));
    const DirectivityFigures figures = Figures(set);
    EXPECT_NEAR(figures.horizontalMaxAngle[8], 0.0f, 1e-3) << steer;
    EXPECT_NEAR(figures.verticalMaxAngle[8], steer, 0.01) << steer;
    EXPECT_EQ(std::tuple(figures.verticalOffClass[8], figures.offAxisClass[8],
                         figures.horizontalOffAxis, figures.verticalOffAxis),
              std::tuple(verticalClass, verticalClass, false, flag))
        << steer;
  }
}

}  // namespace
}  // namespace zef::analysis

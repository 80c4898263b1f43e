#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/directivity.h"
#include "analysis_fixture.h"
#include "piston.h"

namespace zef::analysis {
namespace {

// A circular piston of radius a in an infinite baffle, against the closed
// forms of its far field.

constexpr double kPi = std::numbers::pi;
using testing::PistonDirectivity;
using testing::PistonLevel;
using testing::PistonQ;

// x where the piston is down exactly 6.0 dB, the level the widths look for.
double MinusSixX() {
  const double target = std::pow(10.0, -6.0 / 20);
  double lo = 1;
  double hi = 3;
  for (int i = 0; i < 60; ++i)
    (PistonDirectivity((lo + hi) / 2) > target ? lo : hi) = (lo + hi) / 2;
  return lo;
}

model::DataSet Piston(model::FormatKind kind, double ka) {
  auto set = testing::CleanSet(kind, 3, 3);
  testing::FillBalloon(
      set, [ka](double theta, double) { return static_cast<float>(PistonLevel(ka, theta)); });
  ComputeHalfWidths(set.data);
  ComputeAxialQ(set.data);
  return set;
}

TEST(PistonAccuracy, AxialDIFollowsTheClosedForm) {
  // Two effects part the grid sum from the integral. The 90 degree strip is
  // counted in full though half of it lies behind the baffle: that adds
  // pi * step * p(90) to the power integral, which we predict exactly. What
  // remains is the sampling of the main lobe by a second-order rule, an
  // error that grows as (ka * step)^2; 0.12 dB per unit covers both grids.
  for (const model::FormatKind kind : {model::FormatKind::Zef1, model::FormatKind::Zef2}) {
    const double step = model::GridOf(kind).stepDeg * kPi / 180;
    for (const double ka : {0.5, 1.0, 2.0, 4.0, 8.0, 12.0}) {
      const double rim = kPi * step * std::pow(10.0, PistonLevel(ka, 90) / 10);
      const double predicted = 10 * std::log10(4 * kPi / (4 * kPi / PistonQ(ka) + rim));
      const double grid = AxialDI(Piston(kind, ka).data.Array(model::PerBand::AxialQ)[3]);
      EXPECT_NEAR(grid, predicted, 0.12 * (ka * step) * (ka * step) + 0.005)
          << "ka " << ka << " step " << step;
      EXPECT_LE(std::fabs(grid - 10 * std::log10(PistonQ(ka))), 0.4) << "ka " << ka;
    }
  }
}

TEST(PistonAccuracy, MinusSixWidthFollowsTheClosedForm) {
  // Linear interpolation of dB between two points of the concave main lobe
  // crosses -6 early, by at most step^2 / 8 * max|L''| / min|L'| on that
  // interval (each side of the full width).
  const double x6 = MinusSixX();
  for (const model::FormatKind kind : {model::FormatKind::Zef1, model::FormatKind::Zef2}) {
    const double step = model::GridOf(kind).stepDeg;
    for (const double ka : {3.0, 4.0, 6.0, 8.0}) {
      const double half = std::asin(x6 / ka) * 180 / kPi;
      const double from = std::floor(half / step) * step;
      double curvature = 0;
      double slope = 1e9;
      for (double t = from; t <= from + step; t += step / 40) {
        const auto level = [ka](double theta) { return PistonLevel(ka, theta); };
        curvature =
            std::max(curvature, std::fabs(level(t + 0.01) - 2 * level(t) + level(t - 0.01)) / 1e-4);
        slope = std::min(slope, std::fabs(level(t + 0.01) - level(t - 0.01)) / 0.02);
      }
      const double bound = 2 * step * step / 8 * curvature / slope;
      auto set = Piston(kind, ka);
      DirectivityFigures figures;
      ComputeWidths(set.data, figures);
      for (const float width : {figures.horizontalWidth[3], figures.verticalWidth[3]}) {
        EXPECT_LE(width, 2 * half + 1e-3) << "ka " << ka;
        EXPECT_GE(width, 2 * half - bound) << "ka " << ka;
      }
    }
  }
}

}  // namespace
}  // namespace zef::analysis

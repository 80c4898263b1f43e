#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "analysis/cta2034.h"
#include "analysis/directivity.h"
#include "analysis/power_average.h"
#include "analysis_fixture.h"
#include "case_file.h"

namespace zef::analysis {

namespace {

// A circular piston of radius a in an infinite baffle: the closed forms of
// its far field, against which the grid's figures and curves are judged.

inline double PistonDirectivity(double x) {
  return x < 1e-9 ? 1.0 : 2 * std::cyl_bessel_j(1.0, x) / x;
}

// Level in dB at theta degrees off axis; behind the baffle -50 as the
// reader stores half-sphere data, nulls floored at -100 like any file would.
inline double PistonLevel(double ka, double thetaDeg) {
  if (thetaDeg > 90) return -50;
  const double d = std::fabs(PistonDirectivity(ka * std::sin(thetaDeg * std::numbers::pi / 180)));
  return std::max(20 * std::log10(d), -100.0);
}

inline double PistonQ(double ka) {
  return ka * ka / (1 - std::cyl_bessel_j(1.0, 2 * ka) / ka);
}

using model::FormatKind;

constexpr double kPi = std::numbers::pi;

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

// A relative set (no sensitivity) with one band, index 3.
model::DataSet RelativeSet(FormatKind kind, const testing::LevelOf& level) {
  auto set = testing::CleanSet(kind, 3, 3);
  set.data.Array(model::PerBand::Sensitivity)[3] = model::kNoData;
  testing::FillBalloon(set, level);
  return set;
}

TEST(Cta2034, OneLoudDirectionLandsInTheCurvesThatHoldIt) {
  for (const auto& c : zef::testing::ReadCases("analysis/cases/cta_loud_point.txt")) {
    auto set = RelativeSet(c[0] == "ZEF1" ? FormatKind::Zef1 : FormatKind::Zef2,
                           [](double, double) { return 0.0f; });
    set.data.Arc(3, std::stoi(c[1]))[std::stoi(c[2])] = 10.0f;
    const CtaBand band = ComputeCta2034(set).bands[3];
    EXPECT_FALSE(band.absolute) << c.where;
    std::string risen;
    for (int curve = 0; curve <= static_cast<int>(CtaCurve::RearWall); ++curve) {
      if (band.level[curve] > 1e-4)
        risen += (risen.empty() ? "" : " ") + std::string(CtaCurveKey(CtaCurve{curve}));
    }
    EXPECT_EQ(risen.empty() ? "-" : risen, c[3]) << c.where;
    EXPECT_GT(band[CtaCurve::SoundPower], 0.0f) << c.where;
  }
}

TEST(Cta2034, BaffledPistonSoundPowerFollowsTheClosedForm) {
  // The listening window's directions lie on both grids, so its level is
  // exact; the sound power carries the error of the grid's solid-angle sum,
  // largest at low ka where the 90 degree strip, half behind the baffle, is
  // counted whole.
  const float lwAngles[] = {0, 10, 10, 10, 10, 20, 20, 30, 30};
  for (const auto& [kind, tolerance] :
       {std::pair{FormatKind::Zef1, 0.4}, {FormatKind::Zef2, 0.2}}) {
    for (const double ka : {0.5, 1.0, 2.0, 4.0, 8.0, 12.0}) {
      const auto set = RelativeSet(
          kind, [ka](double theta, double) { return static_cast<float>(PistonLevel(ka, theta)); });
      const CtaBand band = ComputeCta2034(set).bands[3];
      const double power = -10 * std::log10(PistonQ(ka));
      std::vector<float> lw;
      for (const float angle : lwAngles) {
        lw.push_back(static_cast<float>(PistonLevel(ka, angle)));
      }
      EXPECT_NEAR(band[CtaCurve::SoundPower], power, tolerance) << "ka " << ka;
      EXPECT_NEAR(band[CtaCurve::Spdi], PowerAverage(lw) - power, tolerance) << "ka " << ka;
      EXPECT_NEAR(band[CtaCurve::ListeningWindow], PowerAverage(lw), 1e-4) << "ka " << ka;
    }
  }
}

}  // namespace
}  // namespace zef::analysis

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

// A baffled piston's figures and curves beside their closed forms. Axial DI:
// the grid counts the 90 degree strip whole though half of it lies behind the
// baffle, which the corrected form adds (pi * step * p(90)); what remains is
// the sampling of the main lobe, growing as (ka * step)^2. The -6 dB widths:
// linear interpolation of the concave main lobe crosses early, so the grid's
// are a little narrower. Sound power carries the grid's solid-angle error,
// largest at low ka; the listening window's directions lie on both grids.
TEST(PistonAccuracy, FiguresAndCurvesBesideTheClosedForms) {
  using testing::Fixed;
  const float lwAngles[] = {0, 10, 10, 10, 10, 20, 20, 30, 30};
  std::string listing =
      "grid ka: DI grid closed corrected | widths h v closed | power grid closed | SPDI grid "
      "closed | LW grid closed\n";
  for (const FormatKind kind : {FormatKind::Zef1, FormatKind::Zef2}) {
    const double step = model::GridOf(kind).stepDeg * kPi / 180;
    for (const double ka : {0.5, 1.0, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0}) {
      auto set = RelativeSet(
          kind, [ka](double theta, double) { return static_cast<float>(PistonLevel(ka, theta)); });
      DirectivityFigures figures;
      ComputeHalfWidths(set.data);
      ComputeWidths(set.data, figures);
      ComputeAxialQ(set.data);
      const CtaBand band = ComputeCta2034(set).bands[3];
      const double rim = kPi * step * std::pow(10.0, PistonLevel(ka, 90) / 10);
      const double power = -10 * std::log10(PistonQ(ka));
      std::vector<float> lw;
      for (const float angle : lwAngles) lw.push_back(static_cast<float>(PistonLevel(ka, angle)));
      // Below x6 the main lobe never falls 6 dB: no closed width.
      const std::string width =
          ka > MinusSixX() ? Fixed(2 * std::asin(MinusSixX() / ka) * 180 / kPi) : "-";
      listing += (kind == FormatKind::Zef1 ? "ZEF1 " : "ZEF2 ") + Fixed(ka, 1) + ": " +
                 Fixed(AxialDI(set.data.Array(model::PerBand::AxialQ)[3])) + " " + Fixed(-power) +
                 " " + Fixed(10 * std::log10(4 * kPi / (4 * kPi / PistonQ(ka) + rim))) + " | " +
                 Fixed(figures.horizontalWidth[3]) + " " + Fixed(figures.verticalWidth[3]) + " " +
                 width + " | " + Fixed(band[CtaCurve::SoundPower]) + " " + Fixed(power) + " | " +
                 Fixed(band[CtaCurve::Spdi]) + " " + Fixed(PowerAverage(lw) - power) + " | " +
                 Fixed(band[CtaCurve::ListeningWindow]) + " " + Fixed(PowerAverage(lw)) + "\n";
    }
  }
  zef::testing::ExpectGolden("analysis/golden/piston.txt", listing);
}

}  // namespace
}  // namespace zef::analysis

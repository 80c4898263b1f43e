#include "analysis/cta2034.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/power_average.h"
#include "analysis_fixture.h"
#include "piston.h"

namespace zef::analysis {
namespace {

using model::FormatKind;

constexpr CtaCurve kDirectional[] = {CtaCurve::OnAxis,           CtaCurve::ListeningWindow,
                                     CtaCurve::EarlyReflections, CtaCurve::FloorBounce,
                                     CtaCurve::CeilingBounce,    CtaCurve::FrontWall,
                                     CtaCurve::SideWall,         CtaCurve::RearWall};

// A relative set (no sensitivity) with one band, index 3.
model::DataSet RelativeSet(FormatKind kind, const testing::LevelOf& level) {
  auto set = testing::CleanSet(kind, 3, 3);
  set.data.Array(model::PerBand::Sensitivity)[3] = model::kNoData;
  testing::FillBalloon(set, level);
  return set;
}

TEST(Cta2034, OmnidirectionalSetGivesEqualCurvesAndNoDirectivity) {
  for (const FormatKind kind : {FormatKind::Zef1, FormatKind::Zef2}) {
    const auto set = testing::CleanSet(kind, 3, 4);  // sensitivity 88 and 89 dB
    const CtaCurves curves = ComputeCta2034(set);
    EXPECT_EQ(std::pair(curves.range.first, curves.range.last), std::pair(3, 4));
    for (int band = 3; band <= 4; ++band) {
      const CtaBand& b = curves.bands[band];
      EXPECT_TRUE(b.absolute);
      for (int c = 0; c < kCtaCurveCount; ++c) {
        const auto curve = static_cast<CtaCurve>(c);
        EXPECT_NEAR(b[curve], IsDirectivityIndex(curve) ? 0.0 : 85.0 + band, 1e-4)
            << CtaCurveName(curve);
      }
    }
  }
}

TEST(Cta2034, OneLoudDirectionLandsInTheCurvesThatHoldIt) {
  // A loud point of an arc: the directional curves that rise.
  const std::tuple<FormatKind, int, int, std::string> rows[] = {
      {FormatKind::Zef1, 0, 0, "onAxis listeningWindow earlyReflections frontWall"},
      {FormatKind::Zef1, 0, 1, "listeningWindow"},
      {FormatKind::Zef1, 18, 1, "listeningWindow"},
      {FormatKind::Zef1, 27, 3, "listeningWindow earlyReflections frontWall"},
      {FormatKind::Zef1, 18, 3, "earlyReflections floorBounce"},
      {FormatKind::Zef1, 0, 5, "earlyReflections ceilingBounce"},
      {FormatKind::Zef1, 9, 7, "earlyReflections sideWall"},
      {FormatKind::Zef1, 27, 9, "earlyReflections rearWall"},
      {FormatKind::Zef1, 0, 18, "earlyReflections rearWall"},
      {FormatKind::Zef1, 0, 2, ""},
      {FormatKind::Zef1, 18, 5, ""},
      {FormatKind::Zef1, 4, 3, ""},
      {FormatKind::Zef2, 36, 8, "earlyReflections floorBounce"},
      {FormatKind::Zef2, 18, 3, ""},
      {FormatKind::Zef2, 54, 16, "earlyReflections sideWall"},
      {FormatKind::Zef2, 0, 12, "earlyReflections ceilingBounce"},
  };
  for (const auto& [kind, arc, point, curves] : rows) {
    auto set = RelativeSet(kind, [](double, double) { return 0.0f; });
    set.data.Arc(3, arc)[point] = 10.0f;
    const CtaBand band = ComputeCta2034(set).bands[3];
    EXPECT_FALSE(band.absolute);
    std::string risen;
    for (const CtaCurve curve : kDirectional) {
      if (band[curve] > 1e-4) risen += (risen.empty() ? "" : " ") + std::string(CtaCurveKey(curve));
    }
    EXPECT_EQ(risen, curves) << "arc " << arc << " point " << point;
    EXPECT_GT(band[CtaCurve::SoundPower], 0.0f);
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
      const auto set = RelativeSet(kind, [ka](double theta, double) {
        return static_cast<float>(testing::PistonLevel(ka, theta));
      });
      const CtaBand band = ComputeCta2034(set).bands[3];
      const double power = -10 * std::log10(testing::PistonQ(ka));
      std::vector<float> lw;
      for (const float angle : lwAngles) {
        lw.push_back(static_cast<float>(testing::PistonLevel(ka, angle)));
      }
      EXPECT_NEAR(band[CtaCurve::SoundPower], power, tolerance) << "ka " << ka;
      EXPECT_NEAR(band[CtaCurve::Spdi], PowerAverage(lw) - power, tolerance) << "ka " << ka;
      EXPECT_NEAR(band[CtaCurve::ListeningWindow], PowerAverage(lw), 1e-4) << "ka " << ka;
    }
  }
}

}  // namespace
}  // namespace zef::analysis

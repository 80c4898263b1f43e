#include "analysis/cta2034.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/power_average.h"
#include "analysis_fixture.h"
#include "case_file.h"
#include "piston.h"

namespace zef::analysis {
namespace {

using model::FormatKind;

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

#include "phase/phase_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>

#include "case_file.h"
#include "phase/arc_unwrap.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using model::kNoData;

std::string Rounded(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(v));
  return v == kNoData ? "x" : text;
}

// Bands 10..12 of a set, 9 and 13 outside its range: band 11 has no
// sensitivity, band 12 no sensitivity phase and no filter value; the filter
// is 0.1 at 0 degrees, the sensitivity phase of band 10 a quarter turn.
TEST(PhaseCurves, SensitivityFilterAndCombinedValues) {
  model::DataSet set = PhaseSet(10, 12);
  set.data.Array(model::PerBand::Sensitivity)[11] = kNoData;
  set.phase->sensitivity[10] = std::numbers::pi / 2;
  set.phase->sensitivity[12] = kNoData;
  set.filter->kind = model::FilterKind::ThirdOctaveComplex;
  set.filter->real.assign(30, 0.1f);
  set.filter->imag.assign(30, 0);
  set.filter->imag[12] = kNoData;
  std::string listing;
  for (const auto& [mode, name] : {std::pair{CurveMode::kSensitivity, "sensitivity"},
                                   {CurveMode::kFilter, "filter"},
                                   {CurveMode::kCombined, "combined"}}) {
    const PhaseCurves curves = ComputeCurves(set, mode);
    listing += std::string(name) + " bands " + std::to_string(curves.firstBand) + ".." +
               std::to_string(curves.lastBand) + ":";
    for (int b = 9; b <= 13; ++b)
      listing += " " + Rounded(curves.magnitude[b]) + "/" + Rounded(curves.phase[b]);
    listing += "\n";
  }
  zef::testing::ExpectGolden("phase/golden/curves.txt", listing);
}

TEST(PhaseCurves, ShortFirIsPaddedAndAFilterOfZeroHasNoLevel) {
  model::DataSet set = PhaseSet();
  SetFir(set, {1, 0, 0, 0, 0, 0, 0, 0}, 48000);
  EXPECT_NEAR(ComputeCurves(set, CurveMode::kFilter).magnitude[16], 0, 1e-6);
  SetFir(set, {0}, 48000);
  EXPECT_EQ(ComputeCurves(set, CurveMode::kFilter).magnitude[16], kNoData);
  set.filter->kind = model::FilterKind::Pending;
  EXPECT_EQ(ComputeCurves(set, CurveMode::kCombined).magnitude[16], kNoData);
}

TEST(PhaseCurves, RoundsAwayFromZeroToFives) {
  for (const auto& c : zef::testing::ReadCases("phase/cases/round_to_5.txt"))
    EXPECT_DOUBLE_EQ(RoundAwayTo5(std::stod(c[0])), std::stod(c[1])) << c.where;
}

TEST(PhaseCurves, MagnitudeAxisByModeAndScales) {
  const std::map<std::string, CurveMode> modes = {{"sensitivity", CurveMode::kSensitivity},
                                                  {"filter", CurveMode::kFilter},
                                                  {"combined", CurveMode::kCombined}};
  for (const auto& c : zef::testing::ReadCases("phase/cases/magnitude_axis.txt")) {
    const std::vector<float> levels = Values(c[2]), axis = Values(c[3]);
    PhaseCurves curves;
    curves.magnitude.fill(kNoData);
    curves.firstBand = 3;
    curves.lastBand = 2 + static_cast<int>(levels.size());
    std::copy(levels.begin(), levels.end(), curves.magnitude.begin() + 3);
    EXPECT_EQ(MagnitudeAxisOf(curves, modes.at(c[0]), c[1] == "fixed"),
              (MagnitudeAxis{axis[0], axis[1], axis[2]}))
        << c.where;
  }
}

TEST(ArcUnwrap, UndoesJumpsOfMoreThanPi) {
  for (const auto& c : zef::testing::ReadCases("phase/cases/unwrap.txt")) {
    std::vector<float> p = Values(c[0]);
    const std::vector<float> unwrapped = Values(c[1]);
    UnwrapArc(p);
    ASSERT_EQ(p.size(), unwrapped.size()) << c.where;
    for (std::size_t i = 0; i < p.size(); ++i) EXPECT_NEAR(p[i], unwrapped[i], 1e-5) << c.where;
  }
}

}  // namespace
}  // namespace zef::phase

#include "phase/phase_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "phase/arc_unwrap.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using model::kNoData;

TEST(PhaseCurves, SensitivityFilterAndCombinedValues) {
  model::DataSet set = PhaseSet(10, 12);
  set.data.Array(model::PerBand::Sensitivity)[11] = kNoData;
  set.phase->sensitivity[10] = std::numbers::pi / 2;
  set.phase->sensitivity[12] = kNoData;
  set.filter->kind = model::FilterKind::ThirdOctaveComplex;
  set.filter->real.assign(30, 0.1f);
  set.filter->imag.assign(30, 0);
  set.filter->imag[12] = kNoData;

  const PhaseCurves s = ComputeCurves(set, CurveMode::kSensitivity);
  // Band 9 lies outside the record's bands.
  EXPECT_EQ(std::tuple(s.firstBand, s.lastBand, s.magnitude[10], s.magnitude[11], s.phase[10],
                       s.phase[12], s.magnitude[9]),
            std::tuple(10, 12, 90.0f, kNoData, 90.0f, kNoData, kNoData));

  const PhaseCurves f = ComputeCurves(set, CurveMode::kFilter);
  EXPECT_NEAR(f.magnitude[10], -20, 1e-4);
  EXPECT_EQ(std::pair(f.phase[10], f.magnitude[12]), std::pair(0.0f, kNoData));

  const PhaseCurves c = ComputeCurves(set, CurveMode::kCombined);
  EXPECT_NEAR(c.magnitude[10], 70, 1e-4);
  EXPECT_NEAR(c.phase[10], 90, 1e-4);
  // Band 11 has no sensitivity, band 12 no filter value.
  EXPECT_EQ(std::pair(c.magnitude[11], c.phase[12]), std::pair(kNoData, kNoData));
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
  const double cases[][2] = {{0.005, 0.005}, {0.02, 5}, {3, 5},     {5, 5},      {5.04, 5},
                             {5.1, 10},      {-3, -5},  {-10, -10}, {96.2, 100}, {-0.004, -0.004}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundAwayTo5(c[0]), c[1]) << c[0];
}

TEST(PhaseCurves, MagnitudeAxisByModeAndScales) {
  // Mode, fixed scales, the levels of bands 3, 4, ...: the axis.
  const std::tuple<CurveMode, bool, std::vector<float>, MagnitudeAxis> cases[] = {
      {CurveMode::kSensitivity, true, {95}, {60, 120, 10}},
      {CurveMode::kFilter, true, {3}, {-30, 30, 10}},
      {CurveMode::kCombined, true, {3}, {60, 120, 10}},
      {CurveMode::kSensitivity, false, {96.2f, 80, kNoData}, {40, 100, 10}},
      {CurveMode::kFilter, false, {-2, 6}, {-5, 10, 5}},
      {CurveMode::kFilter, false, {-12, 6}, {-15, 10, 10}},
      {CurveMode::kCombined, false, {82, 101}, {85, 105, 10}},
      // a flat level and no level at all still give an axis with height
      {CurveMode::kFilter, false, {0, 0}, {-5, 5, 5}},
      {CurveMode::kCombined, false, {kNoData}, {60, 120, 10}},
  };
  for (const auto& [mode, fixed, values, axis] : cases) {
    PhaseCurves curves;
    curves.magnitude.fill(kNoData);
    curves.firstBand = 3;
    curves.lastBand = 2 + static_cast<int>(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) curves.magnitude[3 + i] = values[i];
    EXPECT_EQ(MagnitudeAxisOf(curves, mode, fixed), axis)
        << static_cast<int>(mode) << " " << fixed << " " << values.front();
  }
}

TEST(ArcUnwrap, UndoesJumpsOfMoreThanPi) {
  const std::pair<std::vector<float>, std::vector<float>> cases[] = {
      {{3.0f, -3.0f}, {3.0f, 3.2831853f}},
      {{-3.0f, 3.0f, -3.0f}, {-3.0f, -3.2831853f, -3.0f}},
      {{0, 3.1f, 6.3f}, {0, 3.1f, 6.3f - 6.2831853f}},
      {{1, 2, 3}, {1, 2, 3}},
      {{}, {}},
  };
  for (const auto& [raw, unwrapped] : cases) {
    std::vector<float> p = raw;
    UnwrapArc(p);
    ASSERT_EQ(p.size(), unwrapped.size());
    for (std::size_t i = 0; i < p.size(); ++i) EXPECT_NEAR(p[i], unwrapped[i], 1e-5) << i;
  }
}

}  // namespace
}  // namespace zef::phase

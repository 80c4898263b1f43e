#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <random>

#include "case_file.h"
#include "phase/arc_unwrap.h"
#include "phase/fir_transform.h"
#include "phase/phase_curves.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using model::kNoData;
using Complex = std::complex<double>;

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

constexpr double kPi = std::numbers::pi;

TEST(FirTransform, SizeIsThePowerOfTwoThatHoldsTheTapsWithinItsLimits) {
  using Case = std::pair<std::size_t, std::optional<std::size_t>>;  // taps: size
  for (const auto& [taps, size] :
       {Case{0, 16}, Case{1, 16}, Case{8, 16}, Case{16, 16}, Case{17, 32}, Case{1000, 1024},
        Case{0x400000, 0x400000}, Case{0x400001, {}}}) {
    EXPECT_EQ(TransformSize(taps), size) << taps;
  }
}

TEST(FirTransform, AgreesWithADirectTransform) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> tap(-1, 1);
  for (const std::size_t count : {3U, 16U, 100U, 256U}) {
    std::vector<float> taps(count);
    for (float& t : taps) t = tap(random);
    const std::optional<FirTransform> x = TransformFir(taps, 48000);
    ASSERT_TRUE(x);
    for (std::size_t k = 0; k < x->size; ++k) {
      Complex direct;
      for (std::size_t n = 0; n < count; ++n) {
        direct += static_cast<double>(taps[n]) *
                  std::polar(1.0, -2 * kPi * static_cast<double>(k * n) / x->size);
      }
      EXPECT_NEAR(std::abs(x->bins[k] - direct), 0, 1e-9) << count << " taps, bin " << k;
    }
  }
}

TEST(FirTransform, ReadsTheBinOfABandAndNothingFromHalfTheRateUp) {
  const std::optional<FirTransform> x = TransformFir(std::vector<float>(1000, 1), 48000);
  ASSERT_TRUE(x);
  EXPECT_EQ(std::pair(x->size, x->binWidth), std::pair(std::size_t{1024}, 46.875));
  EXPECT_EQ(x->At(1000), x->bins[21]);
  EXPECT_EQ(x->At(23999), x->bins[511]);
  EXPECT_FALSE(x->At(24000) || x->At(-1));
  EXPECT_FALSE(TransformFir(std::vector<float>(4), 0));
}

// Filter mode over a FIR: bands 16 (1 kHz) and 22 (4 kHz) read bins 1 and 4;
// 8 kHz is half the rate and has no value.
TEST(FirTransform, KnownResponsesInTheFilterCurves) {
  for (const auto& c : zef::testing::ReadCases("phase/cases/fir_response.txt")) {
    model::DataSet set = PhaseSet();
    SetFir(set, Values(c[0]), 16000);
    const PhaseCurves curves = ComputeCurves(set, CurveMode::kFilter);
    const std::vector<float> at1k = Values(c[1]), at4k = Values(c[2]);
    EXPECT_NEAR(curves.magnitude[16], at1k[0], 1e-3) << c.where;
    EXPECT_NEAR(curves.phase[16], at1k[1], 1e-3) << c.where;
    EXPECT_NEAR(curves.magnitude[22], at4k[0], 1e-3) << c.where;
    EXPECT_NEAR(std::abs(curves.phase[22]), at4k[1], 1e-3) << c.where;
    EXPECT_EQ(std::pair(curves.magnitude[25], curves.phase[29]),
              std::pair(model::kNoData, model::kNoData))
        << c.where;
  }
}

}  // namespace
}  // namespace zef::phase

#include "phase/fir_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "case_file.h"
#include "phase/phase_curves.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using Complex = std::complex<double>;
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

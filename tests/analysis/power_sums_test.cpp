#include "analysis/power_sums.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zef::analysis {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(SumPowers, EdgesOfTheLevelRange) {
  const struct {
    std::vector<float> levels;
    double plain;
    double weighted;  // with weight i + 1 on level i
  } cases[] = {
      {{}, 0, 0},
      {{0}, 1, 1},
      {{10, 20}, 110, 210},
      {{-380.5f, kNaN, -12000, kSilent}, 0, 0},  // nothing below the floor, nor NaN
      {{400}, 1e38, 1e38},                       // held at +380 dB
      {std::vector<float>(9, 0.0f), 9, 45},      // past whole vectors of 4 and 8
      {std::vector<float>(17, -10.0f), 1.7, 15.3},
  };
  for (const auto& c : cases) {
    std::vector<float> weights(c.levels.size());
    for (std::size_t i = 0; i < weights.size(); ++i) weights[i] = static_cast<float>(i + 1);
    for (const auto sum : {SumPowers, SumPowersFourLanes}) {
      const PowerSums sums = sum(c.levels, weights);
      EXPECT_NEAR(sums.plain, c.plain, 2e-6 * c.plain) << c.levels.size();
      EXPECT_NEAR(sums.weighted, c.weighted, 2e-6 * c.weighted) << c.levels.size();
    }
  }
}

TEST(SumPowers, EachTermWithinSinglePrecision) {
  for (float level = -120.0f; level <= 40.0f; level += 0.37f) {
    const float one = 1.0f;
    const double exact = std::pow(10.0, level / 10.0);
    EXPECT_NEAR(SumPowers({&level, 1}, {&one, 1}).plain, exact, 2e-6 * exact) << level;
  }
}

}  // namespace
}  // namespace zef::analysis

#pragma once

#include <span>

namespace zef::analysis {

struct PowerSums {
  double plain = 0;     // the sum of 10^(level / 10)
  double weighted = 0;  // the same with each term times its weight
};

// A level that adds nothing to the sums.
inline constexpr float kSilent = -1000.0f;

// Power sums over a run of levels (`weights` at least as long as `levels`),
// eight or four levels at a time: the balloon figures take thousands of points
// per file. Each term is good to about 1e-6, as single precision gives. Levels
// below -380 dB, and NaN, add nothing; levels above +380 dB count as +380 dB.
PowerSums SumPowers(std::span<const float> levels, std::span<const float> weights);
// The four-lane version every processor runs, which SumPowers falls back to.
PowerSums SumPowersFourLanes(std::span<const float> levels, std::span<const float> weights);

}  // namespace zef::analysis

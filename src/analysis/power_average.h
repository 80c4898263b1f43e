#pragma once

#include <span>

namespace zef::analysis {

// 10 log10 of the mean of 10^(v / 10) over the levels; the missing value
// (-12000) for no levels.
float PowerAverage(std::span<const float> levels);

// 10^(level / 10).
double LevelToPower(double level);

}  // namespace zef::analysis

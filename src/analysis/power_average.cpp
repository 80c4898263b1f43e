#include "analysis/power_average.h"

#include <algorithm>
#include <cmath>

#include "model/info_record.h"

namespace zef::analysis {

double LevelToPower(double level) {
  // 10^(level / 10) as one exp: the figures call this for every balloon point.
  // Single precision is ample for levels stored as 32-bit reals, and much faster.
  constexpr float kLn10Tenth = 0.230258509f;
  return std::exp(kLn10Tenth * static_cast<float>(level));
}

float PowerAverage(std::span<const float> levels) {
  if (levels.empty()) return model::kNoData;
  // Summing relative to the loudest level keeps very low levels from
  // underflowing to a zero sum; the result is the same.
  const double top = *std::max_element(levels.begin(), levels.end());
  double sum = 0;
  for (const float v : levels) sum += LevelToPower(v - top);
  return static_cast<float>(top + 10.0 * std::log10(sum / static_cast<double>(levels.size())));
}

}  // namespace zef::analysis

#include "analysis/power_average.h"

#include <algorithm>
#include <cmath>

#include "model/info_record.h"

namespace zef::analysis {

double LevelToPower(double level) {
  // 10^(level / 10) as one exp: the figures call this for every balloon point.
  constexpr double kLn10Tenth = 0.23025850929940456840;
  return std::exp(kLn10Tenth * level);
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

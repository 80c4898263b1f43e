#include "graphs/ea_range.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <vector>

#include "model/info_record.h"

namespace zef::graphs {
namespace {

// v when it is a multiple of s, else the next multiple of s away from zero.
double RoundAway(double s, double v) {
  const double q = std::max(0.0, std::trunc(std::fabs(v) / s - 0.01));
  if (std::fabs(q * s - v) < 0.01) return v;
  return (v < 0 ? -1.0 : 1.0) * (q + 1) * s;
}

// The coarsest step that still gives more than four intervals.
double AutomaticStep(double yMax, double yMin) {
  static constexpr std::array<double, 14> kSteps{10000, 5000, 2500, 2000, 1000, 500, 250,
                                                 200,   100,  50,   25,   10,   5,   2};
  const double span = std::fabs(yMax - yMin);
  for (const double step : kSteps) {
    if (span / step > 4.0) return step;
  }
  return 1;
}

YRange FixedRange(EaGraph graph, bool di) {
  switch (graph) {
    case EaGraph::kInputVoltage:
      return {0, 100, 10};
    case EaGraph::kSensitivity:
      return {60, 130, 5};
    case EaGraph::kImpedance:
      return {0, 96, 8};
    case EaGraph::kHorizontalWidth:
    case EaGraph::kVerticalWidth:
      return {0, 360, 30};
    case EaGraph::kAxialQ:
      return di ? YRange{0, 20, 5} : YRange{0, 100, 10};
    case EaGraph::kAxialSpectrum:
      return {-40, 20, 5};
    case EaGraph::kTestSpectrum:
      break;
  }
  return {-35, 5, 5};
}

YRange AutomaticRange(EaGraph graph, double min, double max, double nominal) {
  YRange r;
  switch (graph) {
    case EaGraph::kInputVoltage:
      r.max = RoundAway(10, max);
      break;
    case EaGraph::kSensitivity:
      r.max = RoundAway(5, max);
      return {r.max - 60, r.max, 5};
    case EaGraph::kImpedance:
      r.max = RoundAway(5, std::max(max, nominal) + 1.0);
      break;
    case EaGraph::kHorizontalWidth:
    case EaGraph::kVerticalWidth:
      r.max = RoundAway(5, max + 1.0);
      break;
    case EaGraph::kAxialQ:
      r.min = min >= 0 ? 0 : RoundAway(1, min - 1.0);
      r.max = max > 0 && max <= 1.0 ? 1.0 : RoundAway(1, max + 1.0);
      break;
    case EaGraph::kAxialSpectrum:
      r.max = RoundAway(5, max + 5.0);
      return {r.max - 60, r.max, 5};
    case EaGraph::kTestSpectrum:
      return FixedRange(graph, false);
  }
  r.step = AutomaticStep(r.max, r.min);
  return r;
}

}  // namespace

bool IsDrawable(float value) {
  return std::isfinite(value) && !model::IsMissing(value);
}

YRange EaGraphRange(EaGraph graph, OptionSet options, std::span<const float> values,
                    double nominal) {
  const bool di = options.Get(Option::kShowDi);
  std::vector<float> given;
  std::copy_if(values.begin(), values.end(), std::back_inserter(given), IsDrawable);
  if (options.Get(Option::kFixedScales) || given.empty()) return FixedRange(graph, di);
  const auto [min, max] = std::minmax_element(given.begin(), given.end());
  const YRange range = AutomaticRange(graph, *min, *max, nominal);
  return range.max > range.min ? range : FixedRange(graph, di);
}

}  // namespace zef::graphs

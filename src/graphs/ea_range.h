#pragma once

#include <span>

#include "graphs/option_set.h"

namespace zef::graphs {

// The eight per-band quantities of the selection buttons, by EaSelection.
enum class EaGraph : int {
  kInputVoltage = 0,
  kSensitivity = 1,
  kImpedance = 2,
  kHorizontalWidth = 3,
  kVerticalWidth = 4,
  kAxialQ = 5,  // or DI with the DI option
  kAxialSpectrum = 6,
  kTestSpectrum = 7,
};

inline constexpr int kEaGraphCount = 8;

struct YRange {
  double min = 0;
  double max = 0;
  double step = 0;
  bool operator==(const YRange&) const = default;
};

// A value a graph can draw: finite and not missing (values from a binary
// may be anything).
bool IsDrawable(float value);

// The y range of an EA graph: fixed with the fixed-scales option, else
// following the drawable values (DI already in dB; for the axial spectrum
// its first run). nominal is the nominal impedance. Data that give no range
// of their own get the fixed one. The kOhm switch is the caller's.
YRange EaGraphRange(EaGraph graph, OptionSet options, std::span<const float> values,
                    double nominal);

}  // namespace zef::graphs

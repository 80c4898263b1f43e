#pragma once

#include <array>
#include <complex>
#include <optional>

#include "model/data_set.h"

namespace zef::phase {

enum class CurveMode { kSensitivity = 0, kFilter = 1, kCombined = 2 };

// What the curves show by band index: the magnitude in dB and the phase in
// degrees (not wrapped); model::kNoData where a band has no value.
struct PhaseCurves {
  std::array<float, 30> magnitude{};
  std::array<float, 30> phase{};
  int firstBand = 0;
  int lastBand = -1;
};

// The filter's response H of band b, none where it has none: kind 1 gives
// its stored complex values, kind 2 the transformed FIR taps; other kinds
// have no response.
struct FilterResponse {
  std::array<std::optional<std::complex<double>>, 30> bands;
};
FilterResponse ResponseOf(const model::FilterDescriptor& filter);

// The curves of a set of the one-third-octave kind with phase data. In
// filter and combined mode a band whose |H| is 0 has no level and shows as
// missing.
PhaseCurves ComputeCurves(const model::DataSet& set, CurveMode mode);

// Rounds away from zero to the next multiple of 5 (values within 0.01 of 0
// stay as they are).
double RoundAwayTo5(double x);

struct MagnitudeAxis {
  double bottom = 0;
  double top = 0;
  double step = 10;
  bool operator==(const MagnitudeAxis&) const = default;
};

// The magnitude axis of a mode over the curves' given values. With no value
// at all, or one flat level, the fixed range of the mode stands in or the
// level is framed 5 dB either side, so the axis always has height.
MagnitudeAxis MagnitudeAxisOf(const PhaseCurves& curves, CurveMode mode, bool fixedScales);

}  // namespace zef::phase

#pragma once

#include <array>
#include <string_view>

#include "analysis/band_range.h"
#include "model/bands.h"
#include "model/data_set.h"

namespace zef::analysis {

// The ANSI/CTA-2034-A ("spinorama") curves, in the order they are listed.
enum class CtaCurve : int {
  OnAxis,
  ListeningWindow,
  EarlyReflections,
  FloorBounce,
  CeilingBounce,
  FrontWall,
  SideWall,
  RearWall,
  SoundPower,
  EstimatedInRoom,
  Erdi,
  Spdi,
};
inline constexpr int kCtaCurveCount = 12;

// "On Axis", "Listening Window", ... as the curves are named in tables and legends.
std::string_view CtaCurveName(CtaCurve curve);
// The same as a lower-case identifier for JSON keys and CSV headers ("onAxis", ...).
std::string_view CtaCurveKey(CtaCurve curve);
// ERDI and SPDI are differences of levels, not levels.
inline bool IsDirectivityIndex(CtaCurve curve) {
  return curve == CtaCurve::Erdi || curve == CtaCurve::Spdi;
}

// The curves of one band in dB.
struct CtaBand {
  std::array<float, kCtaCurveCount> level{};
  // Levels include the band's sensitivity; else they are relative to on-axis.
  bool absolute = false;
  float operator[](CtaCurve curve) const { return level[static_cast<int>(curve)]; }
};

// The curves of every band of the set's range, indexed by band index.
struct CtaCurves {
  BandRange range;
  std::array<CtaBand, model::kMaxBands> bands{};
};

// The power average over the whole balloon of one band, each point weighted
// by the solid angle it stands for, relative to the band's on-axis level.
float SoundPowerRelative(const model::DataRecord& data, int band);

CtaCurves ComputeCta2034(const model::DataSet& set);

}  // namespace zef::analysis

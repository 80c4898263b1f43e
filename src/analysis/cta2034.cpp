#include "analysis/cta2034.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/power_average.h"

namespace zef::analysis {
namespace {

using model::PerBand;

// One direction of the standard: horizontal and vertical angle in degrees
// (positive to the loudspeaker's left and up).
struct CtaDirection {
  int horizontal;
  int vertical;
};

// Arc and point of the balloon grid that hold a direction; arc 0 points up,
// arc Q to the left. False when the grid has no point there.
bool GridPointOf(const model::Grid& grid, CtaDirection direction, int& arc, int& point) {
  const int last = grid.points - 1;
  if (direction.horizontal == 180 && direction.vertical == 0) {
    arc = 0;
    point = last;
    return true;
  }
  if (direction.horizontal != 0 && direction.vertical != 0) return false;
  const int angle = direction.horizontal != 0 ? direction.horizontal : direction.vertical;
  const int away = angle < 0 ? -angle : angle;
  if (away % grid.stepDeg != 0 || away / grid.stepDeg > last) return false;
  point = away / grid.stepDeg;
  const int q = grid.Quarter();
  if (direction.horizontal != 0) {
    arc = angle > 0 ? q : 3 * q;
  } else {
    arc = angle >= 0 ? 0 : 2 * q;
  }
  return true;
}

// The directions averaged into each part of the early reflections and into
// the listening window.
constexpr CtaDirection kListeningWindow[] = {{0, 0},  {0, 10},  {0, -10}, {10, 0}, {-10, 0},
                                             {20, 0}, {-20, 0}, {30, 0},  {-30, 0}};
constexpr CtaDirection kFloorBounce[] = {{0, -20}, {0, -30}, {0, -40}};
constexpr CtaDirection kCeilingBounce[] = {{0, 40}, {0, 50}, {0, 60}};
constexpr CtaDirection kFrontWall[] = {{0, 0},   {10, 0}, {-10, 0}, {20, 0},
                                       {-20, 0}, {30, 0}, {-30, 0}};
constexpr CtaDirection kSideWall[] = {{40, 0},  {-40, 0}, {50, 0},  {-50, 0}, {60, 0},
                                      {-60, 0}, {70, 0},  {-70, 0}, {80, 0},  {-80, 0}};
constexpr CtaDirection kRearWall[] = {{180, 0}, {90, 0}, {-90, 0}};

struct CurveNames {
  std::string_view name;
  std::string_view key;
};
constexpr CurveNames kNames[kCtaCurveCount] = {
    {"On Axis", "onAxis"},
    {"Listening Window", "listeningWindow"},
    {"Early Reflections", "earlyReflections"},
    {"Floor Bounce", "floorBounce"},
    {"Ceiling Bounce", "ceilingBounce"},
    {"Front Wall", "frontWall"},
    {"Side Wall", "sideWall"},
    {"Rear Wall", "rearWall"},
    {"Sound Power", "soundPower"},
    {"Estimated In-Room Response", "estimatedInRoom"},
    {"ERDI", "erdi"},
    {"SPDI", "spdi"},
};

// A direction the grid cannot hold counts as missing; every grid of both
// kinds holds all of the standard's, so this only guards odd grids.
float AverageOver(const model::DataRecord& data, int band,
                  std::span<const CtaDirection> directions) {
  std::vector<float> levels;
  levels.reserve(directions.size());
  for (const CtaDirection direction : directions) {
    int arc = 0;
    int point = 0;
    if (!GridPointOf(data.GetGrid(), direction, arc, point)) return model::kNoData;
    levels.push_back(data.Arc(band, arc)[point]);
  }
  return PowerAverage(levels);
}

double Power(float level) {
  return std::pow(10.0, level / 10.0);
}

CtaBand BandCurves(const model::DataSet& set, int band) {
  CtaBand result;
  const float sensitivity = set.data.Array(PerBand::Sensitivity)[band];
  result.absolute = !model::IsMissing(sensitivity);
  const float offset = result.absolute ? sensitivity : 0.0f;
  auto at = [&result](CtaCurve curve) -> float& { return result.level[static_cast<int>(curve)]; };
  const model::DataRecord& data = set.data;
  at(CtaCurve::OnAxis) = data.Arc(band, 0)[0];
  at(CtaCurve::ListeningWindow) = AverageOver(data, band, kListeningWindow);
  at(CtaCurve::FloorBounce) = AverageOver(data, band, kFloorBounce);
  at(CtaCurve::CeilingBounce) = AverageOver(data, band, kCeilingBounce);
  at(CtaCurve::FrontWall) = AverageOver(data, band, kFrontWall);
  at(CtaCurve::SideWall) = AverageOver(data, band, kSideWall);
  at(CtaCurve::RearWall) = AverageOver(data, band, kRearWall);
  const float parts[] = {at(CtaCurve::FloorBounce), at(CtaCurve::CeilingBounce),
                         at(CtaCurve::FrontWall), at(CtaCurve::SideWall), at(CtaCurve::RearWall)};
  at(CtaCurve::EarlyReflections) = PowerAverage(parts);
  at(CtaCurve::SoundPower) = SoundPowerRelative(data, band);
  const float lw = at(CtaCurve::ListeningWindow);
  const float er = at(CtaCurve::EarlyReflections);
  const float sp = at(CtaCurve::SoundPower);
  at(CtaCurve::EstimatedInRoom) =
      static_cast<float>(10.0 * std::log10(0.12 * Power(lw) + 0.44 * Power(er) + 0.44 * Power(sp)));
  at(CtaCurve::Erdi) = lw - er;
  at(CtaCurve::Spdi) = lw - sp;
  for (int curve = 0; curve < kCtaCurveCount; ++curve) {
    float& level = result.level[curve];
    if (!IsDirectivityIndex(static_cast<CtaCurve>(curve)) && !model::IsMissing(level)) {
      level += offset;
    }
  }
  return result;
}

}  // namespace

std::string_view CtaCurveName(CtaCurve curve) {
  return kNames[static_cast<int>(curve)].name;
}

std::string_view CtaCurveKey(CtaCurve curve) {
  return kNames[static_cast<int>(curve)].key;
}

float SoundPowerRelative(const model::DataRecord& data, int band) {
  const model::Grid& grid = data.GetGrid();
  const int last = grid.points - 1;
  const double step = grid.stepDeg * std::numbers::pi / 180.0;
  // Each pole stands for a cap of half a step around it, every other point
  // for its patch of sin(theta) step^2.
  const double cap = std::numbers::pi * (step / 2) * (step / 2);
  double area = 2 * cap;
  double power = cap * (Power(data.Arc(band, 0)[0]) + Power(data.Arc(band, 0)[last]));
  for (int p = 1; p < last; ++p) {
    const double patch = std::sin(p * step) * step * step;
    for (int arc = 0; arc < grid.arcs; ++arc) {
      area += patch;
      power += patch * Power(data.Arc(band, arc)[p]);
    }
  }
  return power > 0 ? static_cast<float>(10.0 * std::log10(power / area)) : model::kNoData;
}

CtaCurves ComputeCta2034(const model::DataSet& set) {
  CtaCurves curves;
  curves.range = BandsOf(set.data);
  for (int band = curves.range.first; band <= curves.range.last; ++band) {
    curves.bands[band] = BandCurves(set, band);
  }
  return curves;
}

}  // namespace zef::analysis

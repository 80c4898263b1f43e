#pragma once

#include <span>
#include <vector>

#include "model/bands.h"
#include "model/info_record.h"

namespace zef::textformat {

// Grid operations on the balloon of one band: `arcs` arcs of `points` values,
// arc after arc (the layout of DataRecord::BandBalloon and of a phase band).
// Spans shorter than the grid are left untouched.

// The points of one arc of a band.
std::span<float> ArcOf(std::span<float> band, const model::Grid& grid, int arc);

// The arcs a file gives for one band under a symmetry, in the order of its lines.
std::vector<int> ArcsToRead(model::Symmetry symmetry, bool reversed, const model::Grid& grid);

// Fills the arcs a symmetry leaves out by mirroring (kinds full to rotational);
// polar and none leave the band as it is.
void CompleteBySymmetry(model::Symmetry symmetry, std::span<float> band, const model::Grid& grid);

// The two planes of a polar balloon as closed curves over the angle from the
// on-axis direction, one entry per step, with kPolarOffset added to each level.
struct PolarCurves {
  std::vector<double> vertical;    // arc 0, then arc 2Q going round
  std::vector<double> horizontal;  // arc Q, then arc 3Q going round
};

inline constexpr double kPolarOffset = 50.0;

PolarCurves BuildPolarCurves(std::span<float> band, const model::Grid& grid);

// Linear interpolation of a closed curve at `betaDeg` degrees.
double PolarLookup(std::span<const double> curve, double betaDeg, int stepDeg);

// The level (offset included) at `alphaDeg` from the on-axis direction on the
// arc turned `phiDeg` about it, blended from the two planes.
double PolarValue(const PolarCurves& curves, double alphaDeg, double phiDeg, int stepDeg);

// Fills every arc off the two planes of a band whose arcs 0, Q, 2Q and 3Q are given.
void CompletePolar(std::span<float> band, const model::Grid& grid);

// Moves point 0 of every arc into `onAxis` (one entry per arc) and stores each
// arc relative to it.
void SeparateOnAxis(std::span<float> band, std::span<float> onAxis, const model::Grid& grid);

// Sets every point after `lastPoint` of every arc to `value`.
void FillBeyond(std::span<float> band, const model::Grid& grid, int lastPoint, float value);

// Moves arc a to arc (a + steps) modulo the arc count.
void RotateArcs(std::span<float> band, const model::Grid& grid, int steps);

}  // namespace zef::textformat

#pragma once

#include "analysis/band_curves.h"
#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "model/bands.h"
#include "model/data_set.h"

namespace zef::graphs {

// The balloon level over frequency in one direction: arc (rotation about the
// axis, 0..arcs-1) and point (angle from the axis, 0 on axis .. the rear).
// reference is the set's sensitivity reference (its maximum is used).
struct SpectraInput {
  const model::DataSet& set;
  analysis::SensitivityReference reference;
  OptionSet options;
  int arc = 0;
  int point = 0;
};

struct SpectraLayers {
  int frame = 0;
  int curves = 1;  // the curve, its missing-band circles and the direction inset
};

// Whether arc and point name a direction of the grid.
bool DirectionOnGrid(const model::Grid& grid, int arc, int point);

// The framed spectrum with the direction inset, drawn afresh into both
// layers, which become visible. A direction off the grid draws the frame only.
void BuildBalloonSpectra(GraphWindow& window, const SpectraInput& input, SpectraLayers layers = {});

}  // namespace zef::graphs

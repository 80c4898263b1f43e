#pragma once

#include <span>

#include "analysis/band_curves.h"
#include "analysis/directivity.h"
#include "graphs/ea_range.h"
#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "model/data_set.h"

namespace zef::graphs {

// Everything one EA graph shows. reference is the set's sensitivity
// reference (the "Avg." line of the sensitivity graph); decimalComma writes
// its value with ",".
struct EaGraphInput {
  const model::DataSet& set;
  const analysis::DirectivityFigures& figures;
  analysis::SensitivityReference reference;
  OptionSet options;
  int selection = 1;  // EaSelection, 0..7
  bool decimalComma = false;
};

struct EaGraphLayers {
  int frame = 0;
  int curves = 1;  // curve, markers and reference lines
};

// The framed graph of the selected quantity over frequency, drawn afresh
// into both layers, which become visible. A selection outside 0..7 leaves
// both layers empty.
void BuildEaGraph(GraphWindow& window, const EaGraphInput& input, EaGraphLayers layers = {});

// Shared with the balloon spectra, which draw over the same band axis.

// The frame of a graph over the set's bands: octave bands 1..9 or
// one-third-octave bands 3..29, x label "Hz", both grids, inset in the window.
GraphDescriptor BandAxisDescriptor(const GraphWindow& window, model::FormatKind kind);
// Where band b sits on that axis.
double BandX(model::FormatKind kind, int band);

struct CurvePoint {
  double x = 0;
  double y = 0;
};

// A black curve in world units, heavy and stepped by the options: one point
// per band, or a horizontal step from x - 0.5 to x + 0.5 per band with
// vertical joins. A point whose y is not a number leaves a gap.
void DrawBandCurve(GraphWindow& window, std::span<const CurvePoint> points, OptionSet options);
// The black open circle that marks a band without a value, at (x, yMin).
void DrawMissingMark(GraphWindow& window, double x, double yMin);

}  // namespace zef::graphs

#pragma once

#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "model/data_set.h"
#include "phase/phase_curves.h"

namespace zef::phase {

// Layers of the phase window's 2D graph: each frame, then its curve.
struct PhaseGraphLayers {
  int magnitudeFrame = 0;
  int magnitudeCurve = 1;
  int phaseFrame = 2;
  int phaseCurve = 3;
};

inline constexpr graphs::Colour kMagnitudeColour = graphs::kRed;
inline constexpr graphs::Colour kPhaseColour = graphs::kBlue;

// The magnitude graph in the left half of the window and the phase graph in
// the right half, drawn afresh into the four layers, which become visible.
// Options used: fixed scales, heavy and stepped curves.
void BuildPhaseGraph(graphs::GraphWindow& window, const model::DataSet& set, CurveMode mode,
                     graphs::OptionSet options, PhaseGraphLayers layers = {});

}  // namespace zef::phase

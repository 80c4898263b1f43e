#pragma once

#include "graphs/ea_graphs.h"
#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "model/data_set.h"

namespace zef::graphs {

// The CTA-2034-A curves over the set's bands in the EA graphs' frame: on
// axis, listening window, early reflections, sound power and the estimated
// in-room response against the left axis, the five parts of the early
// reflections thin and dashed beneath them; ERDI and SPDI against their own
// axis on the right, at the same dB per pixel with 0 dB near the bottom.
struct CtaGraphInput {
  const model::DataSet& set;
  OptionSet options;  // fixed scales, heavy and stepped curves
  bool decimalComma = false;
};

// Levels are absolute when any band has a sensitivity; a band without one
// is then marked as missing on the level curves.
void BuildCtaGraph(GraphWindow& window, const CtaGraphInput& input, EaGraphLayers layers = {});

// The left axis: with fixed scales 60 to 130 dB (absolute) or -50 to 20 dB
// (relative), else the 70 dB below the loudest level rounded up to 5 dB;
// steps of 5 dB.
YRange CtaLevelRange(OptionSet options, bool absolute, float loudest);

}  // namespace zef::graphs

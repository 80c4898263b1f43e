#pragma once

#include "graphs/graph_window.h"
#include "graphs/plane_views.h"

namespace zef::graphs {

// Everything the two colour maps show. balloonRange is the lowest level
// shown, in dB below the reference (-40, -30 or -20).
struct ColorMapInput : PlaneViewInput {
  using PlaneViewInput::PlaneViewInput;

  int balloonRange = -40;
};

struct ColorMapLayers {
  int horizontal = 0;  // upper half of the window
  int vertical = 1;    // lower half
};

// Both maps, each a framed graph of level over band and angle with its
// cells as one pixel block and the -6 dB angles as white lines; makes both
// layers visible. The window's frame is the vertical map's afterwards.
void BuildColorMap(GraphWindow& window, const ColorMapInput& input, ColorMapLayers layers = {});

}  // namespace zef::graphs

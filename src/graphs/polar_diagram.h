#pragma once

#include "graphs/graph_window.h"
#include "graphs/plane_views.h"

namespace zef::graphs {

// The diagram's own switches; the viewer keeps all four on.
struct PolarDisplay {
  bool horizontal = true;
  bool vertical = true;
  bool grid = true;
  bool labels = true;
};

// The colours of the two planes' curves, marks and names, those of the
// balloon's plane arcs.
struct PlaneColours {
  Colour horizontal = kRed;
  Colour vertical = kBlue;
};

// Everything one polar diagram shows. polarRange is the level range in dB
// below the reference (20..50 with 10-dB circles, 24..48 with 6-dB circles);
// band is a band index of the set's kind.
struct PolarInput : PlaneViewInput {
  using PlaneViewInput::PlaneViewInput;

  int polarRange = 50;
  int band = 0;
  PolarDisplay display;
  PlaneColours colours;
};

struct PolarLayers {
  int grid = 0;  // grid circles and rays
  int curves = 1;
  int labels = 2;  // level labels and edge texts, above the curves
};

// Pixels per drawing unit of a lower graph of that size: the diagram is 140
// units across its narrower side.
double PolarScale(int width, int height);

// The whole diagram: the grid, curve and label layers, all made visible.
// A range outside 1..120 dB leaves them empty.
void BuildPolarDiagram(GraphWindow& window, const PolarInput& input, PolarLayers layers = {});

// The parts, for a band change (curves only) or an option change (all).
// Each clears its layers and sets the window's scale to PolarScale of its
// size and the origin to its centre, y upwards; the pen is left as it was.
// A band whose level cannot be referred to the maximum gets "No data".
void DrawPolarGrid(GraphWindow& window, const PolarInput& input, PolarLayers layers);
void DrawPolarCurves(GraphWindow& window, const PolarInput& input, int layer);

}  // namespace zef::graphs

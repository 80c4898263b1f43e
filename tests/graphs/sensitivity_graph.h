#pragma once

#include "graphs/graph_window.h"

namespace zef::graphs {

// A sensitivity graph over the octave bands 63 Hz to 16 kHz, 0 to 100 dB with
// grids, framed from (5, 5) to (right, bottom).
inline GraphDescriptor SensitivityGraphIn(int right, int bottom) {
  GraphDescriptor d;
  d.left = d.top = 5;
  d.right = right;
  d.bottom = bottom;
  d.octaveAxis = true;
  d.firstOctave = 1;
  d.lastOctave = 9;
  d.yMax = 100;
  d.yStep = 10;
  d.xGrid = d.yGrid = true;
  d.xLabel = "Hz";
  d.yLabel = "dB";
  d.title = "Sensitivity";
  return d;
}

}  // namespace zef::graphs

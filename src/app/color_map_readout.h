#pragma once

#include <string>

#include "app/data_set_holder.h"
#include "graphs/graph_window.h"
#include "graphs/option_set.h"

namespace zef::app {

// The readout line over the colour maps for the pointer at pixel (x, y) of
// the lower graph `window` as the colour maps drew it: the band, the angle
// (negative in the lower half of a map), the level and " dB"; empty outside
// the maps' band range.
std::string ColorMapReadout(const graphs::GraphWindow& window, const DataSetHolder& holder,
                            graphs::OptionSet options, bool decimalComma, int x, int y);

}  // namespace zef::app

#pragma once

#include <string_view>

#include "graphs/graph_window.h"

namespace zef::graphs {

inline constexpr std::string_view kNoDataText = "No data";

// Says so, in black and centred on `centre`, where a view has nothing of
// the file to draw, so that an empty frame is not read as a level of zero.
void DrawNoData(GraphWindow& window, PixelPoint centre);

// The middle of the last frame's plot.
PixelPoint PlotCentre(const GraphFrame& frame);

// A label lines may cross: drawn on the graph's own background, so the
// line stops at its edge instead of striking it through.
void OpaqueText(GraphWindow& window, std::string_view text, int x, int y);

}  // namespace zef::graphs

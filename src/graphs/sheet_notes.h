#pragma once

#include <optional>
#include <string>

#include "graphs/font_metrics.h"
#include "graphs/graph_window.h"

namespace zef::graphs {

// What a picture that leaves the viewer says beside its graph: a caption
// line above it and, for colour maps, the colour key below it.
struct SheetNotes {
  std::string caption;          // empty: no caption line
  std::optional<int> keyRange;  // the key's lowest level in dB (-40, -30, -20)
};

// Where the graph goes on a sheet of width x height units.
struct SheetLayout {
  int width = 0;
  int height = 0;
  int graphTop = 0;
  int graphHeight = 0;
  int keyTop = 0;  // the key strip runs from here to the bottom
  bool operator==(const SheetLayout&) const = default;
};

SheetLayout LayOutSheet(int width, int height, const SheetNotes& notes, const FontMetrics& metrics);

// The caption and the key into `window` (of the sheet's size), one layer.
void DrawSheetNotes(GraphWindow& window, const SheetLayout& layout, const SheetNotes& notes);

}  // namespace zef::graphs

#pragma once

#include "graphs/canvas.h"
#include "graphs/graph_window.h"

namespace zef::graphs {

// A picture as it leaves the program: a graph placed graphTop units down a
// sheet of width x height units, with notes (caption, colour key) drawn over
// the whole sheet, magnified to pixelWidth x pixelHeight. The windows must
// outlive the picture.
struct Picture {
  const GraphWindow* graph = nullptr;
  const GraphWindow* notes = nullptr;  // none: the graph alone
  int graphTop = 0;
  int width = 1;
  int height = 1;
  int pixelWidth = 1;
  int pixelHeight = 1;

  // Exactly what the viewer shows, one unit a pixel.
  static Picture Bare(const GraphWindow& window);

  double ScaleX() const { return static_cast<double>(pixelWidth) / width; }
  double ScaleY() const { return static_cast<double>(pixelHeight) / height; }

  // The sheet in units: the canvas is begun once at width x height, the
  // notes replayed first, then the graph moved down to its place.
  void Replay(Canvas& canvas) const;
};

}  // namespace zef::graphs

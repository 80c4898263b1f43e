#pragma once

#include <optional>

#include "graphs/font_metrics.h"
#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "graphs/shade_palette.h"
#include "model/data_set.h"
#include "view3d/scene.h"

namespace zef::view3d {

// View size V of a balloon range: -40 dB 60, -30 dB 30, -20 dB 20; none for
// any other range.
std::optional<float> ViewSizeOfRange(int range);

// A direction of the balloon grid (the balloon spectra's choice).
struct GridDirection {
  int arc = 0;
  int point = 0;
  bool operator==(const GridDirection&) const = default;
};

// Everything the upper graph's balloon depends on.
struct BalloonViewState {
  int band = 0;
  Camera camera;  // distance 5 x V after a range change
  int range = -40;
  graphs::OptionSet options;
  std::optional<GridDirection> marker;  // the balloon spectra's direction
};

// The camera a range starts with: the given angles, distance 5 x V.
ViewCamera BalloonCamera(int range, float azimuth = 60, float elevation = 30);

// Slots of the balloon scene.
struct BalloonSlots {
  int frame = 0;    // axes and 0 dB circles
  int balloon = 1;  // the surface, its grid and captions
  int marker = 2;   // the direction marker
};

// Rebuilds the balloon objects of `scene` from the set (the frame, the
// balloon and the marker), marks their slots in use and makes them visible.
// The legend is not part of the scene: see DrawBalloonLegend.
void BuildBalloonScene(Scene& scene, const model::DataSet& set, const BalloonViewState& state,
                       const graphs::ShadePalette& palette, BalloonSlots objects = {});

// The window texts of the balloon into a layer of the window (cleared
// first): the colour legend of a shaded balloon or the "<V> dB axis" caption
// without shading, and the caption of a polar-interpolated balloon.
void DrawBalloonLegend(graphs::GraphWindow& window, const model::DataSet& set,
                       const BalloonViewState& state, const graphs::ShadePalette& palette,
                       int layer);

// The whole picture at the window's size: scene in layer 0, legend in
// layer 1. Traces of the projection go to `debug`.
void DrawBalloonPicture(graphs::GraphWindow& window, const model::DataSet& set,
                        const BalloonViewState& state, model::MessageSink& debug);

// The same into a new window; metrics and errors must outlive it.
graphs::GraphWindow BalloonPicture(const model::DataSet& set, const BalloonViewState& state,
                                   int width, int height, const graphs::FontMetrics& metrics,
                                   model::MessageSink& errors);

}  // namespace zef::view3d

#pragma once

#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "model/data_set.h"
#include "view3d/camera_projection.h"
#include "view3d/scene.h"

namespace zef::phase {

// Phase 0 lies on this sphere (10 x 2 pi); -2 pi and below at the centre.
inline constexpr float kPhaseSphere = 62.831852f;

// The distance from the centre of a phase in radians.
float PhaseRadius(float phase);

// The phase window's own camera: azimuth 30, elevation 30, 5 sphere radii away.
view3d::ViewCamera PhaseCamera();

// Slots of the phase scene.
struct PhaseSlots {
  int balloon = 0;
  int frame = 1;  // axes, reference circles and the model name
};

// Rebuilds both objects for a band of a set with phase data and makes them
// visible. Options used: heavy lines, show symmetry.
void BuildPhaseBalloon(view3d::Scene& scene, const model::DataSet& set, int band, bool unwrap,
                       graphs::OptionSet options, PhaseSlots slots = {});

// The whole picture into layer 0 of the window, seen through the camera.
// Traces of the projection go to `debug`.
void DrawPhaseBalloonPicture(graphs::GraphWindow& window, const model::DataSet& set, int band,
                             bool unwrap, graphs::OptionSet options,
                             const view3d::ViewCamera& camera, model::MessageSink& debug);

}  // namespace zef::phase

#pragma once

#include "graphs/option_set.h"
#include "graphs/shade_palette.h"
#include "model/info_record.h"
#include "view3d/balloon_mesh.h"
#include "view3d/scene.h"

namespace zef::view3d {

struct SurfaceStyle {
  float viewSize = 60;  // V
  float offset = 0;     // D
  int range = -40;      // R
  graphs::OptionSet options;
  model::Symmetry symmetry = model::Symmetry::None;
  model::Radiation radiation = model::Radiation::FullSphere;
};

// The wire grid of the mesh into the object being built.
void AddBalloonGrid(Scene& scene, const BalloonMesh& mesh, const SurfaceStyle& style);

// The shaded caps and cells into the object being built.
void AddBalloonShading(Scene& scene, const BalloonMesh& mesh, const SurfaceStyle& style,
                       const graphs::ShadePalette& palette);

}  // namespace zef::view3d

#pragma once

#include "graphs/graph_window.h"
#include "view3d/scene.h"

namespace zef::view3d {

// Replays a projected scene into a layer of a 2D window (cleared first):
// filled triangles far to near, lines, points, then texts in font 0.
void DrawScene(const ProjectedScene& scene, graphs::GraphWindow& window, int layer);

}  // namespace zef::view3d

#pragma once

#include <vector>

#include "model/cabinet_geometry.h"
#include "model/message_sink.h"
#include "view3d/scene.h"

namespace zef::cabinet {

// True when the three points nearly lie on a line: the sine of the angle at
// v between n and nn below 0.001, or two of them in one place.
bool NearlyCollinear(model::Point3 v, model::Point3 n, model::Point3 nn);

// The vertices a face keeps: each vertex n whose triple (previous, n, next)
// does not nearly lie on a line, starting with the face's second vertex.
std::vector<model::Point3> ReducedFace(const std::vector<model::Point3>& vertices);

// A face filled in its colour into the object being built: a triangle as it
// stands, any other face reduced, triangulated and each triangle drawn with
// its corners reversed. Faces that keep fewer than three vertices are traced
// to `debug` and left out.
void DrawFilledFace(view3d::Scene& scene, const model::Face& face, model::MessageSink& debug);

}  // namespace zef::cabinet

#pragma once

#include <array>
#include <cstdint>

#include "model/message_sink.h"
#include "view3d/vector_math.h"

namespace zef::view3d {

// Focal length that shows halfSize on either side of the view line at a view
// angle in degrees.
float FocalForViewAngle(float halfSize, float angleDegrees);

// What the main program keeps per upper view.
struct ViewCamera {
  float azimuth = 60;    // degrees; 90 looks at the front along -X, 0 from the right along +Y
  float elevation = 30;  // degrees above the horizontal plane
  float distance = 120;  // eye to target, model units
  float focal = FocalForViewAngle(1, 30);
  float originX = 0;  // picture shift in pixels
  float originY = 0;
  bool operator==(const ViewCamera&) const = default;
};

enum class Projection : std::uint8_t { kPerspective = 0, kParallel = 1 };

struct Camera {
  ViewCamera view;
  Projection mode = Projection::kParallel;
  bool operator==(const Camera&) const = default;
};

// Everything the transforms need, prepared once per camera change.
struct ProjectionContext {
  // Set by the owning view.
  float halfSize = 1;
  float nearDistance = 0.01f;
  int windowHeight = 0;

  Projection liveMode = Projection::kParallel;
  std::array<ViewCamera, 2> storedCameras{};  // by mode

  Vec3 eye;
  Vec3 target;
  Vec3 planeOrigin;
  Vec3 viewLinePoint;
  float planeConstant = 0;
  Vec3 dir;
  Vec3 right;
  Vec3 up;
  Vec3 nearNormal;
  float nearConstant = 0;
  float focalDistance = 0;
  float screenOriginX = 0;
  float screenOriginY = 0;
  float zoomCentreX = 32;
  float zoomCentreY = 32;
  float parallelZoom = 1;
  float azimuthRadians = 0;  // azimuth + 270 degrees
};

// A projected point: x and y run from 0 to 64 across the visible window
// (halfSize 1); the picture's up vector is dir x right, so y grows towards
// the bottom of the picture.
struct ProjectedPoint {
  bool visible = false;
  float x = 0;
  float y = 0;
  bool operator==(const ProjectedPoint&) const = default;
};

struct ProjectedLine {
  bool visible = false;
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;
  bool operator==(const ProjectedLine&) const = default;
};

// The operations below write their name ("DPerspi.CalcPerspParameters", ...)
// to `debug` when a vector routine fails inside them, and then fail
// (false, or a point that is not visible).
bool CalcPerspParameters(Camera& camera, ProjectionContext& context, model::MessageSink& debug);
bool calcViewLine(const Camera& camera, ProjectionContext& context, model::MessageSink& debug);
ProjectedPoint TransformPoint(Vec3 point, const ProjectionContext& context,
                              model::MessageSink& debug);
// Without the near-plane test, for points known to lie in front.
ProjectedPoint SafeTransformPoint(Vec3 point, const ProjectionContext& context,
                                  model::MessageSink& debug);
// A segment cut just in front of the near plane where it crosses it.
ProjectedLine TransformLine(Vec3 a, Vec3 b, const ProjectionContext& context,
                            model::MessageSink& debug);

}  // namespace zef::view3d

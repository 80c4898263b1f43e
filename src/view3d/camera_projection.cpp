#include "view3d/camera_projection.h"

#include <cmath>

namespace zef::view3d {
namespace {

// Reports the failed operation after the vector routine's own message.
template <typename Result>
Result Failed(std::string_view operation, model::MessageSink& debug, Result result) {
  debug.WriteLine(operation);
  return result;
}

float ClampedElevation(float elevation) {
  if (elevation <= -90) return -89.99f;
  if (elevation >= 90) return 89.99f;
  return elevation;
}

// The ray's hit on the projection plane, mapped to 0..64 (halfSize 1).
ProjectedPoint Project(Vec3 ray, Vec3 origin, float t, const ProjectionContext& c) {
  const Vec3 hit = origin + (c.focalDistance / t) * ray;
  const Vec3 r = hit - c.planeOrigin;
  float x = 32 * (c.right.x * r.x + c.right.y * r.y);
  float y = 32 * Dot(r, c.up);
  if (c.liveMode == Projection::kParallel) {
    x = (x - c.zoomCentreX) * c.parallelZoom + c.zoomCentreX;
    y = (y - c.zoomCentreY) * c.parallelZoom + c.zoomCentreY;
  }
  return {true, x, y};
}

Vec3 RayOrigin(Vec3 point, const ProjectionContext& c) {
  if (c.liveMode == Projection::kPerspective) return c.eye;
  return c.eye + (point - c.viewLinePoint);
}

// A point at the eye's depth is not visible rather than a division by zero.
ProjectedPoint Projected(Vec3 point, const ProjectionContext& c, model::MessageSink& debug,
                         std::string_view operation) {
  const Vec3 origin = RayOrigin(point, c);
  // The vector routine only for its message: this runs for every corner of
  // every triangle on each camera change.
  const Vec3 ray = point - origin;
  if (ray.x == 0 && ray.y == 0 && ray.z == 0) {
    Difference(point, origin, debug);
    return Failed(operation, debug, ProjectedPoint{});
  }
  const float t = Dot(ray, c.dir);
  if (t == 0) return {};
  return Project(ray, origin, t, c);
}

bool InFront(Vec3 point, const ProjectionContext& c) {
  return Dot(c.nearNormal, point) + c.nearConstant >= 0;
}

}  // namespace

float FocalForViewAngle(float halfSize, float angleDegrees) {
  const float half = Radians(angleDegrees / 2);
  return halfSize * std::cos(half) / std::sin(half);
}

bool calcViewLine(const Camera& camera, ProjectionContext& c, model::MessageSink& debug) {
  const ViewCamera& v = camera.view;
  const float a = Radians(v.azimuth + 270);
  const float p = Radians(90 - ClampedElevation(v.elevation));
  c.azimuthRadians = a;
  c.eye = c.target +
          v.distance * Vec3{std::cos(a) * std::sin(p), std::sin(a) * std::sin(p), std::cos(p)};
  const auto dir = Difference(c.target, c.eye, debug);
  if (!dir) return Failed("DPerspi.calcViewLine", debug, false);
  c.dir = *dir;
  if (camera.mode == Projection::kParallel) c.parallelZoom = v.focal / v.distance;
  return true;
}

bool CalcPerspParameters(Camera& camera, ProjectionContext& c, model::MessageSink& debug) {
  const auto mode = static_cast<std::size_t>(camera.mode);
  if (c.liveMode == camera.mode) {
    c.storedCameras[mode] = camera.view;
  } else {
    c.liveMode = camera.mode;
    camera.view = c.storedCameras[mode];
  }
  const auto fail = [&debug] { return Failed("DPerspi.CalcPerspParameters", debug, false); };
  if (!calcViewLine(camera, c, debug)) return fail();
  const ViewCamera& v = camera.view;
  c.screenOriginX = v.originX + 0.5f;
  c.screenOriginY = v.originY + static_cast<float>(c.windowHeight) - 0.5f;
  const auto dir = Normalised(c.dir, debug);
  if (!dir) return fail();
  c.dir = *dir;
  c.viewLinePoint = c.eye + v.focal * c.dir;
  const Vec3 nearPoint = c.eye + c.nearDistance * c.dir;
  const bool vertical = c.dir.x == 0 && c.dir.y == 0;
  const Vec3 horizontal = vertical
                              ? Vec3{-std::sin(c.azimuthRadians), std::cos(c.azimuthRadians), 0}
                              : Vec3{c.dir.y, -c.dir.x, 0};
  const auto right = ScaledTo(horizontal, c.halfSize, debug);
  if (!right) return fail();
  const auto up = ScaledTo(Cross(c.dir, *right), c.halfSize, debug);
  if (!up) return fail();
  c.planeOrigin = c.viewLinePoint - (*right + *up);
  c.right = *Normalised(*right, debug);
  c.up = *Normalised(*up, debug);
  c.planeConstant = -Dot(c.dir, c.viewLinePoint);
  c.focalDistance = -(Dot(c.dir, c.eye) + c.planeConstant);
  c.nearNormal = c.dir;
  c.nearConstant = -Dot(c.dir, nearPoint);
  c.zoomCentreX = 32 * c.halfSize;
  c.zoomCentreY = 32 * c.halfSize;
  return true;
}

ProjectedPoint TransformPoint(Vec3 point, const ProjectionContext& c, model::MessageSink& debug) {
  if (!InFront(point, c)) return {};
  return Projected(point, c, debug, "DPerspi.TransformPoint");
}

ProjectedPoint SafeTransformPoint(Vec3 point, const ProjectionContext& c,
                                  model::MessageSink& debug) {
  return Projected(point, c, debug, "DPerspi.SafeTransformPoint");
}

ProjectedLine TransformLine(Vec3 a, Vec3 b, const ProjectionContext& c, model::MessageSink& debug) {
  ProjectedPoint pa = TransformPoint(a, c, debug);
  ProjectedPoint pb = TransformPoint(b, c, debug);
  if (pa.visible != pb.visible) {
    const bool aHidden = !pa.visible;
    const Vec3 hidden = aHidden ? a : b;
    const Vec3 shown = aHidden ? b : a;
    const Vec3 towardsHidden = hidden - shown;
    const float denominator = Dot(c.nearNormal, towardsHidden);
    if (denominator != 0) {
      // 0.999 of the way from the visible end to the plane, so that the new
      // end stays in front of it however long the hidden part is.
      const float u = -(Dot(c.nearNormal, shown) + c.nearConstant) / denominator;
      const Vec3 cut = shown + (0.999f * u) * towardsHidden;
      (aHidden ? pa : pb) = TransformPoint(cut, c, debug);
    }
  }
  if (!pa.visible || !pb.visible) return {};
  return {true, pa.x, pa.y, pb.x, pb.y};
}

}  // namespace zef::view3d

#include "view3d/scene.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "view3d/painter_order.h"
#include "view3d/triangulate.h"

namespace zef::view3d {
namespace {

// Sorting depth in parallel projection is taken from this far back.
constexpr float kParallelDepthReference = 10000;
constexpr float kNearDistance = 0.01f;

bool InRange(int slot) {
  return slot >= 0 && slot < Scene::kObjectCount;
}

std::uint32_t Bit(int slot) {
  return std::uint32_t{1} << slot;
}

double SquaredDistance(Vec3 a, Vec3 b) {
  const Vec3 d = a - b;
  return static_cast<double>(Dot(d, d));
}

bool Finite(const SortEntry& e) {
  return std::isfinite(e.minX) && std::isfinite(e.maxX) && std::isfinite(e.minY) &&
         std::isfinite(e.maxY) && std::isfinite(e.farthest) && std::isfinite(e.planeConstant);
}

}  // namespace

Scene::Scene(int width, int height, model::MessageSink& debug)
    : width_(width), height_(height), debug_(debug) {
  context_.nearDistance = kNearDistance;
}

void Scene::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
}

int Scene::NewObject() {
  for (int slot = 0; slot < kObjectCount; ++slot) {
    if ((inUse_ & Bit(slot)) != 0) continue;
    inUse_ |= Bit(slot);
    objects_[static_cast<std::size_t>(slot)] = {};
    current_ = slot;
    return slot;
  }
  return kNoObject;
}

void Scene::ClearObject(int slot) {
  if (InRange(slot)) objects_[static_cast<std::size_t>(slot)] = {};
}

const SceneObject& Scene::Object(int slot) const {
  static const SceneObject kEmpty;
  return InRange(slot) ? objects_[static_cast<std::size_t>(slot)] : kEmpty;
}

SceneObject* Scene::Building() {
  return InRange(current_) ? &objects_[static_cast<std::size_t>(current_)] : nullptr;
}

void Scene::BeginObject(int slot, int lineWidth) {
  if (!InRange(slot)) return;
  inUse_ |= Bit(slot);
  current_ = slot;
  objects_[static_cast<std::size_t>(slot)].lineWidth = lineWidth;
  lineWidth_ = lineWidth;
  dash_ = 0;
  colour_ = graphs::kBlack;
}

void Scene::BeginPolyline() {
  pending_.clear();
}
void Scene::AddPoint(Vec3 point) {
  pending_.push_back(point);
}

void Scene::EndPolyline(bool closed) {
  SceneObject* object = Building();
  if (object != nullptr && pending_.size() >= 2) {
    object->lines.push_back({pending_, closed, {colour_, lineWidth_, dash_}});
  }
  pending_.clear();
}

void Scene::BeginPolygon() {
  pending_.clear();
}
void Scene::AddVertex(Vec3 vertex) {
  pending_.push_back(vertex);
}

void Scene::EndPolygon() {
  SceneObject* object = Building();
  if (object != nullptr) {
    for (const Triangle3& t : Triangulate(pending_, debug_)) {
      object->triangles.push_back({t, colour_});
    }
  }
  pending_.clear();
}

void Scene::Point(Vec3 at) {
  if (SceneObject* object = Building()) object->points.push_back({at, colour_});
}

void Scene::Text3D(Vec3 at, std::string_view text) {
  if (SceneObject* object = Building()) object->texts3d.push_back({at, std::string(text), colour_});
}

void Scene::Text2D(int x, int y, std::string_view text) {
  if (SceneObject* object = Building()) {
    object->texts2d.push_back(
        {{static_cast<float>(x), static_cast<float>(y), 0}, std::string(text), colour_});
  }
}

void Scene::EndObject() {
  pending_.clear();
}

void Scene::SetCamera(const Camera& camera) {
  camera_ = camera;
  // A camera set from outside is that mode's camera from now on, so a mode
  // change does not bring back an older one.
  context_.storedCameras[static_cast<std::size_t>(camera.mode)] = camera.view;
  Reproject();
}

std::size_t Scene::PolygonCount() const {
  std::size_t count = 0;
  for (int slot = 0; slot < kObjectCount; ++slot) {
    if ((visible_ & Bit(slot)) != 0) count += Object(slot).triangles.size();
  }
  return count;
}

// The visible square is centred in the window at its narrower side. The
// picture's up vector points to screen y growing, so y counts downwards.
std::array<float, 2> Scene::WindowPoint(float x, float y) const {
  const float side = static_cast<float>(std::min(width_, height_));
  const float scale = side / 64;
  const float left = camera_.view.originX + (static_cast<float>(width_) - side) / 2;
  const float top = camera_.view.originY + (static_cast<float>(height_) - side) / 2;
  return {left + x * scale, top + y * scale};
}

graphs::PixelPoint Scene::ToWindow(float x, float y) const {
  const auto [wx, wy] = WindowPoint(x, y);
  return {graphs::RoundToPixel(wx), graphs::RoundToPixel(wy)};
}

void Scene::Reproject() {
  projected_ = {};
  context_.windowHeight = height_;
  if (!CalcPerspParameters(camera_, context_, debug_)) return;
  ProjectTriangles();
  ProjectLinesAndPoints();
  ProjectTexts();
}

void Scene::ProjectTriangles() {
  const Vec3 depthEye = camera_.mode == Projection::kParallel
                            ? context_.target - kParallelDepthReference * context_.dir
                            : context_.eye;
  std::size_t total = 0;
  for (int slot = 0; slot < kObjectCount; ++slot) {
    if ((visible_ & Bit(slot)) != 0) total += Object(slot).triangles.size();
  }
  std::vector<SortEntry> entries;
  entries.reserve(total);
  // What each entry draws, in the entries' own order: read back in the
  // painting order from this compact array rather than from the scene.
  std::vector<ProjectedScene::Triangle> drawn;
  drawn.reserve(total);
  for (int slot = 0; slot < kObjectCount; ++slot) {
    if ((visible_ & Bit(slot)) == 0) continue;
    for (const SceneTriangle& triangle : Object(slot).triangles) {
      SortEntry entry;
      if (!FacingPlane(triangle.corners, depthEye, entry.normal, entry.planeConstant)) continue;
      bool visible = true;
      entry.minX = entry.minY = entry.nearest = INFINITY;
      entry.maxX = entry.maxY = -INFINITY;
      for (std::size_t k = 0; k < 3 && visible; ++k) {
        const ProjectedPoint p = TransformPoint(triangle.corners[k], context_, debug_);
        visible = p.visible;
        const auto [x, y] = WindowPoint(p.x, p.y);
        entry.screen[2 * k] = x;
        entry.screen[2 * k + 1] = y;
        entry.minX = std::min(entry.minX, x), entry.maxX = std::max(entry.maxX, x);
        entry.minY = std::min(entry.minY, y), entry.maxY = std::max(entry.maxY, y);
        const double d = SquaredDistance(triangle.corners[k], depthEye);
        entry.nearest = std::min(entry.nearest, d), entry.farthest = std::max(entry.farthest, d);
      }
      // A triangle reaching behind the near plane cannot be drawn as a
      // triangle; one thrown to infinity by a damaged level cannot be ordered.
      if (!visible || !Finite(entry)) continue;
      entry.corners = triangle.corners;
      ProjectedScene::Triangle& t = drawn.emplace_back();
      for (std::size_t k = 0; k < 3; ++k) {
        t.corners[k] = {graphs::RoundToPixel(entry.screen[2 * k]),
                        graphs::RoundToPixel(entry.screen[2 * k + 1])};
      }
      t.colour = triangle.colour;
      entries.push_back(entry);
    }
  }
  projected_.triangles.reserve(drawn.size());
  for (const std::size_t index : PainterOrder(entries))
    projected_.triangles.push_back(drawn[index]);
}

void Scene::ProjectLinesAndPoints() {
  for (int slot = 0; slot < kObjectCount; ++slot) {
    if ((visible_ & Bit(slot)) == 0) continue;
    const SceneObject& object = Object(slot);
    for (const SceneLine& line : object.lines) {
      const std::size_t segments = line.points.size() - (line.closed ? 0 : 1);
      for (std::size_t i = 0; i < segments; ++i) {
        const Vec3 a = line.points[i];
        const Vec3 b = line.points[(i + 1) % line.points.size()];
        const ProjectedLine p = TransformLine(a, b, context_, debug_);
        if (!p.visible) continue;
        projected_.lines.push_back({ToWindow(p.x1, p.y1), ToWindow(p.x2, p.y2), line.pen});
      }
    }
    for (const ScenePoint& point : object.points) {
      const ProjectedPoint p = TransformPoint(point.at, context_, debug_);
      if (p.visible) projected_.points.push_back({ToWindow(p.x, p.y), point.colour});
    }
  }
}

void Scene::ProjectTexts() {
  for (int slot = 0; slot < kObjectCount; ++slot) {
    if ((visible_ & Bit(slot)) == 0) continue;
    const SceneObject& object = Object(slot);
    for (const SceneText& text : object.texts3d) {
      const ProjectedPoint p = TransformPoint(text.at, context_, debug_);
      if (p.visible) projected_.texts.push_back({ToWindow(p.x, p.y), text.text, text.colour});
    }
    for (const SceneText& text : object.texts2d) {
      const graphs::PixelPoint at{graphs::RoundToPixel(text.at.x), graphs::RoundToPixel(text.at.y)};
      projected_.texts.push_back({at, text.text, text.colour});
    }
  }
}

}  // namespace zef::view3d

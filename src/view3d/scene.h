#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/canvas.h"
#include "model/message_sink.h"
#include "view3d/camera_projection.h"

namespace zef::view3d {

using graphs::Colour;

struct SceneLine {
  std::vector<Vec3> points;
  bool closed = false;
  graphs::Pen pen;
};

// Filled polygons are kept as triangles; the plane faces the side from which
// the corners run anticlockwise.
struct SceneTriangle {
  std::array<Vec3, 3> corners;
  Colour colour = graphs::kBlack;
};

struct ScenePoint {
  Vec3 at;
  Colour colour = graphs::kBlack;
};

struct SceneText {
  Vec3 at;  // model point (3D text) or window pixels in x, y (2D text)
  std::string text;
  Colour colour = graphs::kBlack;
};

struct SceneObject {
  int lineWidth = 1;
  std::vector<SceneLine> lines;
  std::vector<SceneTriangle> triangles;
  std::vector<ScenePoint> points;
  std::vector<SceneText> texts3d;
  std::vector<SceneText> texts2d;
};

// What one projection pass gives, in window pixels (y downwards), in the
// order it is painted: triangles far to near, then lines and points of the
// visible objects in slot order, then their texts.
struct ProjectedScene {
  struct Triangle {
    std::array<graphs::PixelPoint, 3> corners;
    Colour colour = graphs::kBlack;
  };
  struct Line {
    graphs::PixelPoint from;
    graphs::PixelPoint to;
    graphs::Pen pen;
  };
  struct Point {
    graphs::PixelPoint at;
    Colour colour = graphs::kBlack;
  };
  struct Text {
    graphs::PixelPoint at;  // where the text starts (its top-left corner)
    std::string text;
    Colour colour = graphs::kBlack;
  };
  std::vector<Triangle> triangles;
  std::vector<Line> lines;
  std::vector<Point> points;
  std::vector<Text> texts;
};

// Up to 32 objects seen through one camera. Objects are filled with the
// building calls between BeginObject and EndObject, in the order of a
// balloon or cabinet drawing.
class Scene {
 public:
  static constexpr int kObjectCount = 32;
  static constexpr int kNoObject = -1;

  // debug must outlive the scene.
  Scene(int width, int height, model::MessageSink& debug);

  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Lowest free slot, marked in use and current; kNoObject when all are taken.
  int NewObject();
  // Empties an object; its slot and visibility are kept.
  void ClearObject(int slot);
  void SetVisibleObjects(std::uint32_t objects) { visible_ = objects; }
  std::uint32_t VisibleObjects() const { return visible_; }
  std::uint32_t ObjectsInUse() const { return inUse_; }
  const SceneObject& Object(int slot) const;

  // Building calls into the object `slot`.
  void BeginObject(int slot, int lineWidth);
  void SetColour(Colour colour) { colour_ = colour; }
  void SetLineWidth(int width) { lineWidth_ = width; }
  void SetLineStyle(int dash) { dash_ = dash; }  // 0 solid
  void BeginPolyline();
  void AddPoint(Vec3 point);
  void EndPolyline(bool closed);
  void BeginPolygon();
  void AddVertex(Vec3 vertex);
  // Splits the polygon into triangles; fewer than three vertices are skipped
  // with a trace to the debug list.
  void EndPolygon();
  void Point(Vec3 at);
  void Text3D(Vec3 at, std::string_view text);
  void Text2D(int x, int y, std::string_view text);
  void EndObject();

  void SetCamera(const Camera& camera);
  const Camera& GetCamera() const { return camera_; }
  const ProjectionContext& Context() const { return context_; }
  // Total triangles of the visible objects.
  std::size_t PolygonCount() const;

  // Recomputes the projection context and projects the visible objects,
  // putting the facing triangles in painter's order.
  void Reproject();
  const ProjectedScene& Projected() const { return projected_; }

  // Window pixels of a projected point (0..64 across the visible square).
  graphs::PixelPoint ToWindow(float x, float y) const;

 private:
  SceneObject* Building();
  // Window pixels before rounding.
  std::array<float, 2> WindowPoint(float x, float y) const;
  void ProjectTriangles();
  void ProjectLinesAndPoints();
  void ProjectTexts();

  int width_;
  int height_;
  model::MessageSink& debug_;
  std::array<SceneObject, kObjectCount> objects_{};
  std::uint32_t inUse_ = 0;
  std::uint32_t visible_ = 0;
  int current_ = kNoObject;
  Colour colour_ = graphs::kBlack;
  int lineWidth_ = 1;
  int dash_ = 0;
  std::vector<Vec3> pending_;
  Camera camera_;
  ProjectionContext context_;
  ProjectedScene projected_;
};

}  // namespace zef::view3d

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "view3d/scene.h"
#include "view3d/scene_picture.h"

namespace zef::view3d {
namespace {

// A camera on the front axis, 10 units out, seeing 64 x 64 pixels.
Camera Front(Projection mode) {
  return {{90, 0, 10, 1, 0, 0}, mode};
}

TEST(Scene, SetCameraKeepsTheGivenCameraAcrossModes) {
  model::NullSink debug;
  Scene scene(64, 64, debug);
  scene.SetCamera(Front(Projection::kPerspective));
  EXPECT_EQ(scene.GetCamera(), Front(Projection::kPerspective));
  EXPECT_NEAR(scene.Context().eye.x, 10, 1e-5);
}

TEST(Scene, ProjectsVisibleObjectsIntoPaintingOrder) {
  model::LineSink debug;
  Scene scene(64, 64, debug);
  const int near = scene.NewObject();
  const int far = scene.NewObject();
  const int hidden = scene.NewObject();
  EXPECT_EQ((std::vector<int>{near, far, hidden}), (std::vector<int>{0, 1, 2}));
  const auto polygon = [&](std::initializer_list<Vec3> corners) {
    scene.BeginPolygon();
    for (const Vec3 v : corners) scene.AddVertex(v);
    scene.EndPolygon();
  };
  scene.BeginObject(near, 1);
  scene.SetColour(graphs::kRed);
  polygon({{1, -1, -1}, {1, 1, -1}});  // dropped with a trace
  polygon({{1, -1, -1}, {1, 1, -1}, {1, 1, 1}});
  polygon({{1, -1, -1}, {1, 1, 1}, {1, 1, -1}});  // facing away
  scene.BeginPolyline();
  for (const Vec3 v : {Vec3{0, 0, 0}, Vec3{0, 5, 0}, Vec3{0, 5, 5}}) scene.AddPoint(v);
  scene.EndPolyline(false);
  scene.Text3D({0, 0, 5}, "Up");
  scene.Text2D(3, 4, "corner");
  scene.EndObject();
  scene.BeginObject(far, 1);
  scene.SetColour(graphs::kBlue);
  polygon({{-1, -2, -2}, {-1, 2, -2}, {-1, 0, 2}});
  scene.EndObject();
  scene.BeginObject(hidden, 1);
  scene.Point({0, 0, 0});
  scene.EndObject();
  scene.SetVisibleObjects(0b011);
  scene.SetCamera(Front(Projection::kPerspective));
  EXPECT_EQ(scene.PolygonCount(), 3u);

  const graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  graphs::GraphWindow window(64, 64, metrics, errors);
  DrawScene(scene.Projected(), window, 0);
  EXPECT_EQ(
      graphs::CommandLines(window, 0),
      (std::vector<std::string>{
          "polyline FF0000 w1 d0 closed 26,38 38,38 32,26",  // the far blue one first
          "polyline 0000FF w1 d0 closed 28,36 36,36 36,28", "move 32 32", "line 48 32 0000FF w1 d0",
          "line 48 16 0000FF w1 d0", "text 32 16 0000FF f0 'Up'", "text 3 4 0000FF f0 'corner'"}));
  EXPECT_EQ(debug.Lines(), (std::vector<std::string>{"One poly to triang. has < 3 vertices"}));
}

}  // namespace
}  // namespace zef::view3d

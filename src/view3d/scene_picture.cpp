#include "view3d/scene_picture.h"

namespace zef::view3d {

void DrawScene(const ProjectedScene& scene, graphs::GraphWindow& window, int layer) {
  window.ClearLayer(layer);
  window.PushState();
  window.SetDash(0);
  for (const ProjectedScene::Triangle& t : scene.triangles) {
    // A fine mesh drawn small has many triangles that cover no pixel.
    if (graphs::OnOneLine(t.corners)) continue;
    window.SetColour(t.colour);
    window.Polyline({t.corners.begin(), t.corners.end()}, true);
  }
  // Consecutive segments of one pen join into one path.
  graphs::PixelPoint at{};
  graphs::Pen pen{};
  bool started = false;
  for (const ProjectedScene::Line& line : scene.lines) {
    if (!started || line.pen != pen || line.from != at) {
      pen = line.pen;
      window.SetColour(pen.colour);
      window.SetWidth(pen.width);
      window.SetDash(pen.dash);
      window.MoveTo(line.from.x, line.from.y);
      started = true;
    }
    window.LineTo(line.to.x, line.to.y);
    at = line.to;
  }
  for (const ProjectedScene::Point& point : scene.points) {
    window.SetColour(point.colour);
    window.Point(point.at.x, point.at.y);
  }
  for (const ProjectedScene::Text& text : scene.texts) {
    window.SetColour(text.colour);
    window.Text(0, text.text, text.at.x, text.at.y);
  }
  window.PopState();
}

}  // namespace zef::view3d

#include "view3d/balloon_scene.h"
#include "view3d/scene_picture.h"

namespace zef::view3d {
namespace {

constexpr int kSceneLayer = 0;
constexpr int kLegendLayer = 1;

}  // namespace

void DrawBalloonPicture(graphs::GraphWindow& window, const model::DataSet& set,
                        const BalloonViewState& state, model::MessageSink& debug) {
  static const graphs::ShadePalette palette;
  Scene scene(window.Width(), window.Height(), debug);
  BuildBalloonScene(scene, set, state, palette);
  scene.SetCamera(state.camera);
  DrawScene(scene.Projected(), window, kSceneLayer);
  DrawBalloonLegend(window, set, state, palette, kLegendLayer);
  window.SetVisibleLayers(window.VisibleLayers() | (1u << kSceneLayer) | (1u << kLegendLayer));
}

graphs::GraphWindow BalloonPicture(const model::DataSet& set, const BalloonViewState& state,
                                   int width, int height, const graphs::FontMetrics& metrics,
                                   model::MessageSink& errors) {
  graphs::GraphWindow window(width, height, metrics, errors);
  DrawBalloonPicture(window, set, state, errors);
  return window;
}

}  // namespace zef::view3d

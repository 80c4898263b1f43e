#include "app/upper_graph.h"

#include "app/shell_views.h"
#include "cabinet/cabinet_drawing.h"
#include "view3d/balloon_scene.h"
#include "view3d/scene_picture.h"

namespace zef::app {
namespace {

constexpr int kSceneLayer = 0;
constexpr int kLegendLayer = 1;
// Cabinet objects: the axes and the drawing.
constexpr int kAxesSlot = 0;
constexpr int kCabinetSlot = 1;

view3d::Camera CameraOf(const ShellState& state) {
  view3d::Camera camera;
  camera.view = state.Camera();
  return camera;
}

}  // namespace

UpperGraph::UpperGraph(model::MessageSink& debug) : debug_(debug), scene_(1, 1, debug) {}

void UpperGraph::SetSize(int width, int height) {
  if (width == scene_.Width() && height == scene_.Height()) return;
  scene_.SetSize(width, height);
  scene_.Reproject();
}

void UpperGraph::ApplyCamera(const ShellState& state) {
  scene_.SetCamera(CameraOf(state));
}

std::optional<std::string> UpperGraph::Rebuild(model::DataSet& set, const ShellState& state,
                                               graphs::OptionSet options) {
  for (int slot = 0; slot < view3d::Scene::kObjectCount; ++slot) scene_.ClearObject(slot);
  std::optional<std::string> message;
  if (state.upper == UpperView::kBalloon3D) {
    view3d::BuildBalloonScene(scene_, set, UpperBalloonState(state, options, set.kind), palette_);
  } else {
    cabinet::DrawCabinetAxes(scene_, kAxesSlot);
    message =
        cabinet::DrawCabinet(
            scene_, kCabinetSlot,
            {.set = set, .kind = state.cabinet, .options = options, .dxf = dxf_, .debug = debug_})
            .messageBox;
    scene_.SetVisibleObjects((1u << kAxesSlot) | (1u << kCabinetSlot));
  }
  ApplyCamera(state);
  return message;
}

bool UpperGraph::Mouse(const view3d::MouseEvent& event, ShellState& state) {
  view3d::ViewCamera& camera = state.Camera();
  const view3d::NavigationResult result =
      view3d::Navigate(event, scene_.Width(), scene_.Height(), drag_, camera);
  if (result.cameraChanged) ApplyCamera(state);
  return result.cameraChanged;
}

view3d::HintChange UpperGraph::Hover(const view3d::MouseEvent& event) {
  // The window keeps its text while the hint shows, so only the change matters.
  const bool wasShown = hintShown_;
  const view3d::HintChange change =
      view3d::HoverHint(event, scene_.Width(), scene_.Height(), drag_, hintShown_);
  return change == view3d::HintChange::kShow && wasShown ? view3d::HintChange::kNone : change;
}

void UpperGraph::Draw(graphs::GraphWindow& window, const model::DataSet& set,
                      const ShellState& state, graphs::OptionSet options) const {
  view3d::DrawScene(scene_.Projected(), window, kSceneLayer);
  std::uint32_t layers = 1u << kSceneLayer;
  if (state.upper == UpperView::kBalloon3D) {
    view3d::DrawBalloonLegend(window, set, UpperBalloonState(state, options, set.kind), palette_,
                              kLegendLayer);
    layers |= 1u << kLegendLayer;
  }
  window.SetVisibleLayers(layers);
}

}  // namespace zef::app

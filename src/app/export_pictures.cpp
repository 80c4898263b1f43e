#include "app/export_pictures.h"

#include "app/lower_graph.h"
#include "cabinet/cabinet_drawing.h"
#include "phase/phase_balloon.h"
#include "phase/phase_graph.h"
#include "phase/phase_window_state.h"
#include "view3d/scene_picture.h"

namespace zef::app {
namespace {

constexpr int kSceneLayer = 0;

// The cabinet view's camera as the viewer starts with it.
view3d::ViewCamera CabinetCamera() {
  view3d::ViewCamera camera;
  camera.azimuth = 30;
  camera.elevation = 30;
  camera.distance = 5;
  return camera;
}

bool DrawCabinetPicture(const ExportRequest& request, DataSetHolder& holder,
                        graphs::GraphWindow& window, model::MessageSink& notes,
                        std::string& error) {
  model::DataSet& set = *holder.LoadedForDrawing();
  const std::uint32_t flags = set.info->cabinetFlags;
  const cabinet::CabinetKind kind = request.cabinet.value_or(
      cabinet::LowestAvailable(flags).value_or(cabinet::CabinetKind::kRectangular));
  if (flags != 0 && !cabinet::IsAvailable(flags, kind)) {
    error = "The file has no " + std::string(kCabinetNames[static_cast<int>(kind)]) + " cabinet";
    return false;
  }
  view3d::Scene scene(window.Width(), window.Height(), notes);
  cabinet::DrawCabinetAxes(scene, 0);
  const cabinet::CabinetDrawing drawing =
      cabinet::DrawCabinet(scene, 1, {set, kind, request.options, holder.Dxf(), notes});
  if (drawing.messageBox) {
    error = *drawing.messageBox;
    return false;
  }
  if (!holder.Dxf().DialogText().empty()) notes.WriteLine("dxf: " + holder.Dxf().DialogText());
  scene.SetVisibleObjects(0x3);
  scene.SetCamera({RequestCamera(request, CabinetCamera()), request.perspective
                                                                ? view3d::Projection::kPerspective
                                                                : view3d::Projection::kParallel});
  view3d::DrawScene(scene.Projected(), window, kSceneLayer);
  window.SetVisibleLayers(window.VisibleLayers() | (1u << kSceneLayer));
  return true;
}

bool DrawPhaseBalloon(const ExportRequest& request, const DataSetHolder& holder,
                      graphs::GraphWindow& window, model::MessageSink& notes, std::string& error) {
  const model::DataSet& set = *holder.Loaded();
  const std::optional<int> band = RequestedBand(request, holder, error);
  if (!band) return false;
  phase::DrawPhaseBalloonPicture(window, set, *band, request.unwrap, request.options,
                                 RequestCamera(request, phase::PhaseCamera()), notes);
  return true;
}

bool DrawPhaseCurves(const ExportRequest& request, const DataSetHolder& holder,
                     graphs::GraphWindow& window, std::string& error) {
  const model::DataSet& set = *holder.Loaded();
  phase::PhaseWindowModel state;
  state.Load(set, 0);
  if (!state.SetMode(request.phaseMode).curves) {
    error = "The filter of this file (" + state.FilterType() + ") gives no " +
            std::string(kPhaseModeNames[static_cast<int>(request.phaseMode)]) + " curves";
    return false;
  }
  phase::BuildPhaseGraph(window, set, request.phaseMode, request.options);
  return true;
}

}  // namespace

bool IsWindowPicture(ExportView view) {
  return view == ExportView::kCabinet || view == ExportView::kPhaseBalloon ||
         view == ExportView::kPhaseCurves;
}

bool BuildWindowPicture(const ExportRequest& request, DataSetHolder& holder,
                        graphs::GraphWindow& window, model::MessageSink& notes,
                        std::string& error) {
  if (request.view == ExportView::kCabinet) {
    return DrawCabinetPicture(request, holder, window, notes, error);
  }
  if (!holder.Loaded()->HasPhaseData()) {
    error = "The file has no phase data";
    return false;
  }
  if (request.view == ExportView::kPhaseBalloon) {
    return DrawPhaseBalloon(request, holder, window, notes, error);
  }
  return DrawPhaseCurves(request, holder, window, error);
}

}  // namespace zef::app

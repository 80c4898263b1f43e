#include "app/lower_graph.h"

#include <optional>

#include "app/data_sheet.h"
#include "graphs/color_map.h"
#include "graphs/cta2034_graph.h"
#include "graphs/direction_response.h"
#include "graphs/ea_graphs.h"
#include "graphs/polar_diagram.h"
#include "model/bands.h"
#include "model/message_sink.h"
#include "view3d/balloon_scene.h"

namespace zef::app {
namespace {

int PolarRange(const ExportRequest& request) {
  if (request.range) return *request.range;
  return request.options.Get(graphs::Option::kPolarTics6Db) ? 48 : 50;
}

bool DirectionFits(const ExportRequest& request, const model::DataSet& set, std::string& error) {
  if (graphs::DirectionOnGrid(set.GetGrid(), request.arc, request.point)) return true;
  const model::Grid& grid = set.GetGrid();
  error = "The direction must lie within arcs 0 to " + std::to_string(grid.arcs - 1) +
          " and points 0 to " + std::to_string(grid.points - 1) + " for this file";
  return false;
}

view3d::BalloonViewState BalloonState(const ExportRequest& request, int band) {
  view3d::BalloonViewState state;
  state.band = band;
  state.range = request.range.value_or(-40);
  state.options = request.options;
  state.camera.view = RequestCamera(request, view3d::BalloonCamera(state.range, 30, 30));
  if (request.directionGiven) state.marker = view3d::GridDirection{request.arc, request.point};
  state.camera.mode =
      request.perspective ? view3d::Projection::kPerspective : view3d::Projection::kParallel;
  return state;
}

// The band the request names, or the one the viewer selects after a read.
std::optional<int> ChosenBand(const ExportRequest& request, const model::DataSet& set,
                              const DataSheet& sheet, std::string& error) {
  if (request.band.empty()) return sheet.selectedBand;
  const int first = static_cast<int>(set.data.MinBand());
  const int last = static_cast<int>(set.data.MaxBand());
  const std::optional<int> band = model::FindBand(set.kind, request.band);
  if (!band || *band < first || *band > last) {
    error = "Band \"" + request.band + "\" is not in the file's range " +
            std::string(ColumnLabel(set.kind, first)) + " to " +
            std::string(ColumnLabel(set.kind, last));
    return std::nullopt;
  }
  return band;
}

}  // namespace

std::optional<int> RequestedBand(const ExportRequest& request, const DataSetHolder& holder,
                                 std::string& error) {
  const model::DataSet& set = *holder.Loaded();
  const DataSheet sheet =
      BuildDataSheet(set, holder.Figures(), request.options, false, set.sourcePath);
  return ChosenBand(request, set, sheet, error);
}

bool BuildLowerGraph(const ExportRequest& request, const DataSetHolder& holder, bool decimalComma,
                     graphs::GraphWindow& window, std::string& error) {
  const model::DataSet& set = *holder.Loaded();
  const DataSheet sheet =
      BuildDataSheet(set, holder.Figures(), request.options, decimalComma, set.sourcePath);
  const std::optional<int> band = ChosenBand(request, set, sheet, error);
  if (!band) return false;
  window.SetDecimalComma(decimalComma);
  switch (request.view) {
    case ExportView::kPolar: {
      graphs::PolarInput input(set, holder.Figures());
      input.reference = holder.Reference();
      input.options = request.options;
      input.polarRange = PolarRange(request);
      input.band = *band;
      graphs::BuildPolarDiagram(window, input);
      return true;
    }
    case ExportView::kColourMap: {
      graphs::ColorMapInput input(set, holder.Figures());
      input.reference = holder.Reference();
      input.options = request.options;
      input.balloonRange = request.range.value_or(-40);
      graphs::BuildColorMap(window, input);
      return true;
    }
    case ExportView::kEaGraph:
      graphs::BuildEaGraph(window, {.set = set,
                                    .figures = holder.Figures(),
                                    .reference = holder.Reference(),
                                    .options = request.options,
                                    .selection = request.eaSelection.value_or(sheet.eaSelection),
                                    .decimalComma = decimalComma});
      return true;
    case ExportView::kSpectra:
      if (!DirectionFits(request, set, error)) return false;
      graphs::BuildBalloonSpectra(window, {.set = set,
                                           .reference = holder.Reference(),
                                           .options = request.options,
                                           .arc = request.arc,
                                           .point = request.point});
      return true;
    case ExportView::kBalloon: {
      if (!DirectionFits(request, set, error)) return false;
      model::NullSink debug;  // projection traces have no window in an export
      view3d::DrawBalloonPicture(window, set, BalloonState(request, *band), debug);
      return true;
    }
    case ExportView::kCabinet:
    case ExportView::kPhaseBalloon:
    case ExportView::kPhaseCurves:
      break;  // not lower graphs: see BuildWindowPicture
    case ExportView::kCta2034:
      graphs::BuildCtaGraph(window,
                            {.set = set, .options = request.options, .decimalComma = decimalComma});
      return true;
  }
  return false;
}

}  // namespace zef::app

#include "app/shell_views.h"

#include "analysis/band_range.h"
#include "app/view_commands.h"

namespace zef::app {

ExportRequest LowerGraphRequest(const ShellState& state, graphs::OptionSet options,
                                const model::DataSet& set, int width, int height) {
  ExportRequest request;
  request.view = state.lower == LowerView::kCta2034 ? ExportView::kCta2034
                                                    : static_cast<ExportView>(state.lower);
  request.eaSelection = state.eaSelection;
  const SpectraDirection& direction = state.spectra[set.kind == model::FormatKind::Zef1 ? 0 : 1];
  request.arc = direction.arc;
  request.point = direction.point;
  request.band = std::string(ColumnLabel(set.kind, state.selectedBand));
  request.width = width;
  request.height = height;
  request.options = options;
  request.range = state.lower == LowerView::kColorMaps ? state.balloonRange : state.polarRange;
  return request;
}

view3d::BalloonViewState UpperBalloonState(const ShellState& state, graphs::OptionSet options,
                                           model::FormatKind kind) {
  view3d::BalloonViewState view;
  view.band = state.selectedBand;
  view.camera.view = state.balloonCamera;
  view.range = state.balloonRange;
  view.options = options;
  if (state.lower == LowerView::kBalloonSpectra) {
    const SpectraDirection& d = state.spectra[kind == model::FormatKind::Zef1 ? 0 : 1];
    view.marker = view3d::GridDirection{d.arc, d.point};
  }
  return view;
}

DialogControls ControlStates(const ShellState& state, graphs::OptionSet options,
                             const model::DataSet* set) {
  DialogControls c;
  c.upperRadio = static_cast<int>(state.upper);
  c.lowerRadio = static_cast<int>(state.lower);
  c.cabinetRadio = static_cast<int>(state.cabinet);
  c.eaRadio = state.eaSelection;
  const bool balloon = state.upper == UpperView::kBalloon3D;
  c.upperZoomShown = balloon;
  c.upperZoomIn = BalloonZoomInEnabled(state.balloonRange);
  c.upperZoomOut = BalloonZoomOutEnabled(state.balloonRange);
  c.lowerZoomShown = state.lower == LowerView::kPolars || state.lower == LowerView::kColorMaps;
  if (state.lower == LowerView::kColorMaps) {
    c.lowerZoomIn = c.upperZoomIn;
    c.lowerZoomOut = c.upperZoomOut;
  } else {
    c.lowerZoomIn = PolarZoomInEnabled(state.polarRange, options);
    c.lowerZoomOut = PolarZoomOutEnabled(state.polarRange, options);
  }
  c.bandComboEnabled = state.lower == LowerView::kPolars || balloon;
  if (set == nullptr) {
    c.columnBands.fill(-1);
    return c;
  }
  const int kind = set->kind == model::FormatKind::Zef1 ? 0 : 1;
  const model::Grid& grid = set->GetGrid();
  c.spectraBarsShown = state.lower == LowerView::kBalloonSpectra;
  c.arcMaximum = grid.arcs - 1;
  c.arcPosition = state.spectra[kind].arc;
  c.pointMaximum = grid.points - 1;
  c.pointPosition = grid.points - 1 - state.spectra[kind].point;
  const analysis::BandRange range = analysis::BandsOf(set->data);
  c.bandScrollShown = set->kind == model::FormatKind::Zef2;
  c.bandsDown = c.bandScrollShown && state.bandWindowFirst > range.first;
  c.bandsUp = c.bandScrollShown && state.bandWindowLast < range.last;
  c.bandComboIndex = state.selectedBand - range.first;
  c.infoButtonShown = set->cabinet.infoFile.kind != model::EmbeddedKind::None;
  c.columnBands = ColumnBands(*set, state.bandWindowFirst);
  for (int column = 0; column < kSheetColumns; ++column) {
    const int band = c.columnBands[column];
    if (band >= 0) c.columnLabels[column] = std::string(ColumnLabel(set->kind, band));
  }
  return c;
}

}  // namespace zef::app

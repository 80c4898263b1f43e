#include "app/view_commands.h"

#include "analysis/band_range.h"
#include "app/data_sheet.h"
#include "app/dialog_ids.h"
#include "view3d/balloon_scene.h"

namespace zef::app {
namespace {

struct PolarLimits {
  int narrowest;
  int widest;
  int step;
};

PolarLimits PolarLimitsFor(graphs::OptionSet options) {
  if (options.Get(graphs::Option::kPolarTics6Db)) return {24, 48, 6};
  return {20, 50, 10};
}

int Index(model::FormatKind kind) {
  return kind == model::FormatKind::Zef1 ? 0 : 1;
}

Changes SwitchUpper(ShellState& state, UpperView view) {
  if (view == state.upper) return kControlsChanged;
  const ViewCamera& old = state.Camera();
  ViewCamera& next = view == UpperView::kBalloon3D ? state.balloonCamera : state.cabinetCamera;
  next.azimuth = old.azimuth;
  next.elevation = old.elevation;
  state.upper = view;
  return kUpperChanged | kControlsChanged;
}

Changes ChangeBalloonRange(ShellState& state, int step) {
  const int range = state.balloonRange + step;
  if (range < kBalloonRangeWidest || range > kBalloonRangeNarrowest) return kNoChange;
  state.balloonRange = range;
  state.balloonCamera.distance =
      kCameraDistancePerViewSize * view3d::ViewSizeOfRange(range).value_or(60.0f);
  Changes changes = kControlsChanged;
  if (state.upper == UpperView::kBalloon3D) changes |= kUpperChanged;
  if (state.lower == LowerView::kColorMaps) changes |= kLowerChanged;
  return changes;
}

Changes LowerZoom(ShellState& state, graphs::OptionSet options, bool zoomIn) {
  if (state.lower == LowerView::kColorMaps) return ChangeBalloonRange(state, zoomIn ? 10 : -10);
  if (state.lower != LowerView::kPolars) return kNoChange;
  const PolarLimits limits = PolarLimitsFor(options);
  const int range = state.polarRange + (zoomIn ? -limits.step : limits.step);
  if (range < limits.narrowest || range > limits.widest) return kNoChange;
  state.polarRange = range;
  return kLowerChanged | kControlsChanged;
}

Changes SetCamera(ShellState& state, float azimuth, float elevation) {
  state.Camera().azimuth = azimuth;
  state.Camera().elevation = elevation;
  return kUpperChanged;
}

Changes ScrollBands(ShellState& state, const model::DataSet& set, int step) {
  if (set.kind == model::FormatKind::Zef1) return kNoChange;
  const analysis::BandRange range = analysis::BandsOf(set.data);
  const int first = state.bandWindowFirst + step;
  const int last = state.bandWindowLast + step;
  if (first < range.first || last > range.last) return kNoChange;
  state.bandWindowFirst = first;
  state.bandWindowLast = last;
  return kSheetChanged | kControlsChanged;
}

Changes SelectBand(ShellState& state, const model::DataSet& set, int index) {
  const analysis::BandRange range = analysis::BandsOf(set.data);
  const int band = range.first + index;
  if (band < range.first || band > range.last || band == state.selectedBand) return kNoChange;
  state.selectedBand = band;
  Changes changes = kUpperChanged;
  if (state.lower == LowerView::kPolars || state.lower == LowerView::kBalloonSpectra) {
    changes |= kLowerChanged;
  }
  return changes;
}

}  // namespace

ShellState InitialShellState(graphs::OptionSet options) {
  ShellState state;
  state.polarRange = options.Get(graphs::Option::kPolarTics6Db) ? 48 : 50;
  return state;
}

bool PolarZoomInEnabled(int polarRange, graphs::OptionSet options) {
  return polarRange > PolarLimitsFor(options).narrowest;
}

bool PolarZoomOutEnabled(int polarRange, graphs::OptionSet options) {
  return polarRange < PolarLimitsFor(options).widest;
}

Changes ViewCommand(ShellState& state, const model::DataSet* set, graphs::OptionSet options, int id,
                    int value) {
  if (set == nullptr) return kNoChange;
  using namespace control;
  if (id == kBalloonRadio) return SwitchUpper(state, UpperView::kBalloon3D);
  if (id == kCabinetRadio) return SwitchUpper(state, UpperView::kCabinet3D);
  if (id >= kCabinetKindFirst && id <= kCabinetKindLast) {
    state.cabinet = static_cast<CabinetKind>(id - kCabinetKindFirst);
    return SwitchUpper(state, UpperView::kCabinet3D) | kUpperChanged;
  }
  if (const int view = LowerViewOfRadio(id); view >= 0) {
    state.lower = static_cast<LowerView>(view);
    return kLowerChanged | kUpperChanged | kControlsChanged;  // the spectra mark the 3D scene
  }
  if (id >= kEaSelectFirst && id <= kEaSelectLast) {
    state.eaSelection = id - kEaSelectFirst;
    state.lower = LowerView::kEaData;
    return kLowerChanged | kUpperChanged | kControlsChanged;
  }
  switch (id) {
    case kFrontView:
      return SetCamera(state, 90.0f, 0.0f);
    case kSideView:
      return SetCamera(state, 0.0f, 0.0f);
    case kTopView:
      return SetCamera(state, 0.0f, 90.0f);
    case kUpperZoomIn:
      return ChangeBalloonRange(state, 10);
    case kUpperZoomOut:
      return ChangeBalloonRange(state, -10);
    case kLowerZoomIn:
      return LowerZoom(state, options, true);
    case kLowerZoomOut:
      return LowerZoom(state, options, false);
    case kBandsDown:
      return ScrollBands(state, *set, -1);
    case kBandsUp:
      return ScrollBands(state, *set, 1);
    case kBandCombo:
      return SelectBand(state, *set, value);
    default:
      return kNoChange;
  }
}

Changes SpectraScroll(ShellState& state, const model::DataSet& set, int id, ScrollAction action,
                      int thumb) {
  const model::Grid& grid = set.GetGrid();
  SpectraDirection& direction = state.spectra[Index(set.kind)];
  const SpectraDirection before = direction;
  if (id == control::kSpectraHorizontal) {
    const int arcs = grid.arcs;
    const int quarter = grid.Quarter();
    int& arc = direction.arc;
    switch (action) {
      case ScrollAction::kLineDown:
        arc = arc > 0 ? arc - 1 : 0;
        break;
      case ScrollAction::kLineUp:
        arc = arc < arcs - 1 ? arc + 1 : arcs - 1;
        break;
      case ScrollAction::kPageDown:
        arc = arc > 0 ? ((arc - 1) / quarter) * quarter : 0;
        break;
      case ScrollAction::kPageUp:
        arc = (arc / quarter + 1) * quarter % arcs;
        break;
      case ScrollAction::kThumb:
        if (thumb >= 0 && thumb < arcs) arc = thumb;
        break;
    }
  } else if (id == control::kSpectraVertical) {
    // Shown inverted: the bar's position is the last point minus the index.
    const int last = grid.points - 1;
    int position = last - direction.point;
    switch (action) {
      case ScrollAction::kLineDown:
      case ScrollAction::kPageDown:
        --position;
        break;
      case ScrollAction::kLineUp:
      case ScrollAction::kPageUp:
        ++position;
        break;
      case ScrollAction::kThumb:
        position = thumb;
        break;
    }
    if (position >= 0 && position <= last) direction.point = last - position;
  }
  if (direction.arc == before.arc && direction.point == before.point) return kNoChange;
  return kLowerChanged | kUpperChanged | kControlsChanged;
}

void ResetViews(ShellState& state, const model::DataSet& set, int selectedBand, int eaSelection) {
  if (state.upper == UpperView::kCabinet3D) {
    state.balloonCamera.azimuth = state.cabinetCamera.azimuth;
    state.balloonCamera.elevation = state.cabinetCamera.elevation;
  }
  state.fileLoaded = true;
  state.upper = UpperView::kBalloon3D;
  state.lower = LowerView::kPolars;
  state.eaSelection = eaSelection;
  state.cabinet =
      cabinet::LowestAvailable(set.info->cabinetFlags).value_or(CabinetKind::kRectangular);
  state.selectedBand = selectedBand;
  const BandWindow window = InitialBandWindow(set);
  state.bandWindowFirst = window.first;
  state.bandWindowLast = window.last;
  state.spectra[0] = {};
  state.spectra[1] = {};
}

}  // namespace zef::app

#include "app/phase_display.h"

namespace zef::app {

void PhaseDisplay::Add(phase::Redraw redraw) {
  pending_.balloon = pending_.balloon || redraw.balloon;
  pending_.curves = pending_.curves || redraw.curves;
}

phase::Redraw PhaseDisplay::TakeRedraw() {
  const phase::Redraw taken = pending_;
  pending_ = {};
  return taken;
}

void PhaseDisplay::Loaded(const DataSetHolder& holder, const ShellState& state) {
  const model::DataSet* set = holder.Loaded();
  active_ = set != nullptr && set->HasPhaseData() && holder.LoadedFromText();
  if (!active_) {
    window_.Show(false);
    return;
  }
  Add(window_.Update(phase::update::kAll, *set, state.selectedBand, state.Camera()));
}

void PhaseDisplay::MainViewChanged(const model::DataSet& set, const ShellState& state) {
  if (!active_) return;
  Add(window_.Update(phase::update::kBalloon, set, state.selectedBand, state.Camera()));
}

void PhaseDisplay::OptionChanged(const model::DataSet& set, const ShellState& state,
                                 bool curveOption) {
  if (!active_) return;
  if (curveOption) Add(window_.Update(phase::update::kCurves, set, state.selectedBand));
  // Heavy lines and the symmetry marks show on the phase balloon too.
  Add({true, true});
}

void PhaseDisplay::Command(int id) {
  if (!active_) return;
  using namespace phase_control;
  if (id == kTrackMag) {
    if (window_.ToggleTrackMag()) Add({true, false});
  } else if (id == kUnwrap) {
    Add(window_.ToggleUnwrap());
  } else if (id >= kSensitivity && id <= kCombined) {
    Add(window_.SetMode(static_cast<phase::CurveMode>(id - kSensitivity)));
  }
}

bool PhaseDisplay::Mouse(const view3d::MouseEvent& event, int width, int height) {
  if (!active_) return false;
  const bool turned =
      view3d::Navigate(event, width, height, drag_, window_.OwnCamera()).cameraChanged;
  if (turned) Add({true, false});
  return turned;
}

void PhaseDisplay::Closed() {
  active_ = false;
  window_.Show(false);
}

}  // namespace zef::app

#pragma once

#include "app/data_set_holder.h"
#include "app/shell_state.h"
#include "phase/phase_window_state.h"
#include "view3d/navigation.h"

namespace zef::app {

// Ids of the phase window's own controls.
namespace phase_control {
inline constexpr int kTrackMag = 12;
inline constexpr int kUnwrap = 13;
inline constexpr int kSensitivity = 18;  // 18..20 by curve mode
inline constexpr int kCombined = 20;
}  // namespace phase_control

// The phase window as the shell drives it. It is active for a set with
// phase data read from a text file and follows the main window's band and
// view direction; otherwise it stays hidden. What it must draw again
// gathers until the window takes it.
class PhaseDisplay {
 public:
  // After a successful read.
  void Loaded(const DataSetHolder& holder, const ShellState& state);
  // The band or the main view's direction changed.
  void MainViewChanged(const model::DataSet& set, const ShellState& state);
  // An option changed; the curve options ask for an update of the curves.
  void OptionChanged(const model::DataSet& set, const ShellState& state, bool curveOption);
  // "Track mag", "Unwrap" and the three curve modes.
  void Command(int id);
  // The mouse over the phase balloon; true when the picture turned.
  bool Mouse(const view3d::MouseEvent& event, int width, int height);
  // The user closed the window: it stays away until the next read.
  void Closed();

  bool Active() const { return active_; }
  const phase::PhaseWindowModel& Window() const { return window_; }
  // What changed since the last call: the balloon, the curves.
  phase::Redraw TakeRedraw();

 private:
  void Add(phase::Redraw redraw);

  phase::PhaseWindowModel window_;
  view3d::DragState drag_;
  bool active_ = false;
  phase::Redraw pending_;
};

}  // namespace zef::app

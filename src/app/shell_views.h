#pragma once

#include <array>
#include <string>

#include "app/data_sheet.h"
#include "app/export_request.h"
#include "app/shell_state.h"
#include "graphs/option_set.h"
#include "model/data_set.h"
#include "view3d/balloon_scene.h"

namespace zef::app {

// The lower graph the window shows, as a drawing request of `width` x `height`.
ExportRequest LowerGraphRequest(const ShellState& state, graphs::OptionSet options,
                                const model::DataSet& set, int width, int height);

// What the balloon of the upper graph shows.
view3d::BalloonViewState UpperBalloonState(const ShellState& state, graphs::OptionSet options,
                                           model::FormatKind kind);

// Shown, enabled and checked state of the main window's controls.
struct DialogControls {
  int upperRadio = 0;  // UpperView
  int lowerRadio = 0;  // LowerView
  int cabinetRadio = 0;
  int eaRadio = 1;
  bool upperZoomShown = true;
  bool upperZoomIn = true;
  bool upperZoomOut = false;
  bool lowerZoomShown = true;
  bool lowerZoomIn = true;
  bool lowerZoomOut = false;
  bool spectraBarsShown = false;
  int arcMaximum = 0;  // horizontal bar 0..arcMaximum
  int arcPosition = 0;
  int pointMaximum = 0;  // vertical bar, inverted
  int pointPosition = 0;
  bool bandScrollShown = false;
  bool bandsDown = false;
  bool bandsUp = false;
  bool bandComboEnabled = true;
  int bandComboIndex = -1;
  bool infoButtonShown = false;
  std::array<int, kSheetColumns> columnBands{};  // -1: no band
  std::array<std::string, kSheetColumns> columnLabels;
  bool operator==(const DialogControls&) const = default;
};

DialogControls ControlStates(const ShellState& state, graphs::OptionSet options,
                             const model::DataSet* set);

}  // namespace zef::app

#pragma once

#include "app/shell_state.h"
#include "graphs/option_set.h"
#include "model/data_set.h"

namespace zef::app {

// What a command changed, so the window rebuilds only that.
enum Change : unsigned {
  kNoChange = 0,
  kSheetChanged = 1,     // the data sheet's texts
  kUpperChanged = 2,     // the 3D picture (model or camera)
  kLowerChanged = 4,     // the 2D graph
  kControlsChanged = 8,  // radio checks, enabled and shown buttons, scroll bars
  kTitleChanged = 16,    // window title and status line
  kEverything = 31,
  kOptionsDialogOpened = 32,  // the window opens the floating options dialog
  kBlinksChanged = 64,        // only the texts the blinkers change
};
using Changes = unsigned;

// How a scroll bar moved.
enum class ScrollAction { kLineDown, kLineUp, kPageDown, kPageUp, kThumb };

// One command of the main window's controls on the loaded set (none: nothing
// loaded, and only the radio moves). `value` is the combo-box index, or the
// thumb position of a scroll bar.
Changes ViewCommand(ShellState& state, const model::DataSet* set, graphs::OptionSet options, int id,
                    int value = 0);

// The same for a scroll bar of the balloon-spectra direction.
Changes SpectraScroll(ShellState& state, const model::DataSet& set, int id, ScrollAction action,
                      int thumb = 0);

// After a successful read: balloon and polars again, the band window and the
// selected band of the new set, the spectra direction on axis.
void ResetViews(ShellState& state, const model::DataSet& set, int selectedBand, int eaSelection);

// Enabled state of the range buttons.
bool PolarZoomInEnabled(int polarRange, graphs::OptionSet options);
bool PolarZoomOutEnabled(int polarRange, graphs::OptionSet options);
inline bool BalloonZoomInEnabled(int balloonRange) {
  return balloonRange < kBalloonRangeNarrowest;
}
inline bool BalloonZoomOutEnabled(int balloonRange) {
  return balloonRange > kBalloonRangeWidest;
}

}  // namespace zef::app

#pragma once

#include "app/shell_state.h"
#include "app/view_commands.h"
#include "graphs/option_set.h"

namespace zef::app {

// Menu ids of the option commands; the options dialog's controls are these
// minus 20.
namespace option_id {
inline constexpr int kPolarOnAxis = 30;
inline constexpr int kPolarMax = 31;
inline constexpr int kHeavyPolarLines = 32;
inline constexpr int kMarkMinus6Db = 33;
inline constexpr int kTics10Db = 34;
inline constexpr int kTics6Db = 35;
inline constexpr int kBalloonOnAxis = 36;
inline constexpr int kBalloonMax = 37;
inline constexpr int kSymmetry = 38;
inline constexpr int kShade = 39;
inline constexpr int kGridWhenShaded = 40;
inline constexpr int kColouredSphere = 41;
inline constexpr int kQ = 47;
inline constexpr int kDi = 48;
inline constexpr int kFixedScales = 49;
inline constexpr int kHeavyCurves = 50;
inline constexpr int kSteppedCurves = 51;
inline constexpr int kDxfFaces = 52;
inline constexpr int kSaveAsDefault = 53;
inline constexpr int kDialog = 54;
inline constexpr int kFirst = 30;
inline constexpr int kLast = 52;
inline constexpr int kDialogOffset = 20;
}  // namespace option_id

// Polar range after the tics change to every 10 dB or every 6 dB.
int PolarRangeFor10DbTics(int polarRange);
int PolarRangeFor6DbTics(int polarRange);

// Changes the option a menu id 30..52 stands for, and the state that follows
// it; says what must be rebuilt (nothing without a file).
Changes OptionCommand(ShellState& state, graphs::OptionSet& options, int id);

}  // namespace zef::app

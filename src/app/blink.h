#pragma once

#include <string>

#include "analysis/directivity.h"
#include "app/shell_state.h"
#include "graphs/option_set.h"

namespace zef::app {

// Starts or stops the two blinkers after a read: the info-file button blinks
// when the file has an info file, the width and Q labels when a maximum lies
// off axis. Returns the ids of timers to start and to kill, as bits (1 << id).
struct TimerRequests {
  unsigned start = 0;
  unsigned kill = 0;
};
TimerRequests StartBlinking(ShellState& state, bool hasInfoFile, bool offAxisWarning);

// One tick of a timer; true when the timer must be killed now.
bool BlinkTick(ShellState& state, int timer);

// The texts the blinkers change, as they read now.
struct BlinkTexts {
  std::string infoButton;
  std::string axialLabel;
  std::string horizontalLabel;
  std::string verticalLabel;
  bool operator==(const BlinkTexts&) const = default;
};
BlinkTexts CurrentBlinkTexts(const ShellState& state, graphs::OptionSet options,
                             const analysis::DirectivityFigures& figures);

}  // namespace zef::app

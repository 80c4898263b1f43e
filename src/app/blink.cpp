#include "app/blink.h"

#include <cctype>

#include "app/dialog_ids.h"

namespace zef::app {
namespace {

constexpr int kBlinkTicks = 7;

std::string Capitals(std::string text, bool capitals) {
  if (capitals) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

void Want(BlinkTimer& timer, bool wanted, int id, TimerRequests& requests) {
  if (wanted && !timer.running) {
    timer = {true, 0, false};
    requests.start |= 1u << id;
  } else if (!wanted && timer.running) {
    timer = {};
    requests.kill |= 1u << id;
  }
}

}  // namespace

TimerRequests StartBlinking(ShellState& state, bool hasInfoFile, bool offAxisWarning) {
  TimerRequests requests;
  Want(state.infoBlink, hasInfoFile, kInfoBlinkTimer, requests);
  Want(state.warningBlink, offAxisWarning, kWarningBlinkTimer, requests);
  return requests;
}

bool BlinkTick(ShellState& state, int timer) {
  BlinkTimer& blink = timer == kInfoBlinkTimer ? state.infoBlink : state.warningBlink;
  if (!blink.running) return true;
  blink.capitals = blink.ticks % 2 == 1;
  if (++blink.ticks < kBlinkTicks) return false;
  blink.running = false;
  return true;
}

BlinkTexts CurrentBlinkTexts(const ShellState& state, graphs::OptionSet options,
                             const analysis::DirectivityFigures& figures) {
  const bool warn = state.warningBlink.capitals;
  const std::string axial = options.Get(graphs::Option::kShowDi) ? "Axial DI:" : "Axial Q:";
  return {Capitals("Show info file", state.infoBlink.capitals), Capitals(axial, warn),
          figures.horizontalOffAxis && warn ? "-6dB W. HOR:" : "-6dB w. hor:",
          figures.verticalOffAxis && warn ? "-6dB W. VER:" : "-6dB w. ver:"};
}

}  // namespace zef::app

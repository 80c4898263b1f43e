#pragma once

namespace zef::app {

// Ids of the main window's controls; command handlers and tests name them.
namespace control {
inline constexpr int kLowerGraph = 10;
inline constexpr int kUpperGraph = 11;
inline constexpr int kBalloonRadio = 12;
inline constexpr int kCabinetRadio = 13;
inline constexpr int kPolarsRadio = 14;  // 14..17 by LowerView
inline constexpr int kSpectraRadio = 17;
inline constexpr int kCtaRadio = 246;  // the fifth lower view, after the four
inline constexpr int kSpectraHorizontal = 18;
inline constexpr int kSpectraVertical = 19;
inline constexpr int kBandCombo = 21;
inline constexpr int kBandsDown = 23;
inline constexpr int kBandsUp = 24;
inline constexpr int kWebSite = 39;
inline constexpr int kCabinetKindFirst = 56;  // 56..60 by CabinetKind
inline constexpr int kCabinetKindLast = 60;
inline constexpr int kColorMapReadout = 68;
inline constexpr int kAxialQLabel = 135;
inline constexpr int kHorizontalWidthLabel = 111;
inline constexpr int kVerticalWidthLabel = 123;
inline constexpr int kEaSelectFirst = 181;  // 181..188 by EaSelection
inline constexpr int kEaSelectLast = 188;
inline constexpr int kInfoFileButton = 230;
inline constexpr int kFrontView = 231;
inline constexpr int kSideView = 232;
inline constexpr int kTopView = 233;
inline constexpr int kUpperZoomIn = 234;
inline constexpr int kUpperZoomOut = 235;
inline constexpr int kLowerZoomIn = 244;
inline constexpr int kLowerZoomOut = 245;

// The radio of a lower view, and the view a radio picks (none for other ids).
constexpr int LowerRadioId(int lowerView) {
  return lowerView == 4 ? kCtaRadio : kPolarsRadio + lowerView;
}
constexpr int LowerViewOfRadio(int id) {
  if (id == kCtaRadio) return 4;
  return id >= kPolarsRadio && id <= kSpectraRadio ? id - kPolarsRadio : -1;
}
}  // namespace control

// Timer ids of the two blinkers.
inline constexpr int kInfoBlinkTimer = 1;
inline constexpr int kWarningBlinkTimer = 2;
inline constexpr int kBlinkIntervalMs = 1000;

}  // namespace zef::app

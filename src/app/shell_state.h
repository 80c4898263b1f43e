#pragma once

#include <cstdint>

#include "cabinet/cabinet_kind.h"
#include "graphs/option_set.h"
#include "view3d/camera_projection.h"

namespace zef::app {

enum class UpperView { kBalloon3D = 0, kCabinet3D = 1 };
// The CTA-2034 curves follow the four views of the original layout.
enum class LowerView {
  kPolars = 0,
  kColorMaps = 1,
  kEaData = 2,
  kBalloonSpectra = 3,
  kCta2034 = 4
};
using CabinetKind = cabinet::CabinetKind;

// The camera the shell keeps per upper view; the 3D view copies it in and out.
using ViewCamera = view3d::ViewCamera;

inline constexpr int kBalloonRangeWidest = -40;
inline constexpr int kBalloonRangeNarrowest = -20;
inline constexpr float kCabinetViewSize = 1.0f;
inline constexpr float kCameraDistancePerViewSize = 5.0f;

// One blink timer: its tick counter and whether it runs.
struct BlinkTimer {
  bool running = false;
  int ticks = 0;
  bool capitals = false;  // the texts it blinks are shown in capitals
};

// Direction of the balloon spectra, per format kind.
struct SpectraDirection {
  int arc = 0;    // horizontal scroll bar
  int point = 0;  // vertical scroll bar, shown inverted
};

// Everything the main window shows besides the loaded set.
struct ShellState {
  bool fileLoaded = false;
  UpperView upper = UpperView::kBalloon3D;
  LowerView lower = LowerView::kPolars;
  CabinetKind cabinet = CabinetKind::kRectangular;
  int eaSelection = 1;
  int balloonRange = kBalloonRangeWidest;
  int polarRange = 50;
  ViewCamera balloonCamera{.azimuth = 30, .elevation = 30, .distance = 300};
  ViewCamera cabinetCamera{
      .azimuth = 30, .elevation = 30, .distance = kCameraDistancePerViewSize * kCabinetViewSize};
  int bandWindowFirst = 1;
  int bandWindowLast = 9;
  int selectedBand = 0;
  SpectraDirection spectra[2];  // ZEF1, ZEF2
  BlinkTimer infoBlink;         // the "Show info file" button
  BlinkTimer warningBlink;      // the off-axis warning labels
  bool optionsDialogOpen = false;

  ViewCamera& Camera() { return upper == UpperView::kBalloon3D ? balloonCamera : cabinetCamera; }
  const ViewCamera& Camera() const {
    return upper == UpperView::kBalloon3D ? balloonCamera : cabinetCamera;
  }
};

// The state at start-up for the options in effect.
ShellState InitialShellState(graphs::OptionSet options);

}  // namespace zef::app

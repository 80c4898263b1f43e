#pragma once

#include "graphs/canvas.h"
#include "view3d/camera_projection.h"

namespace zef::view3d {

enum class MouseAction { kLeftDown, kLeftUp, kRightDown, kRightUp, kMove };

struct MouseEvent {
  MouseAction action = MouseAction::kMove;
  int x = 0;  // window pixels
  int y = 0;
  bool ctrl = false;
};

// The drag in progress of one view.
struct DragState {
  bool leftDown = false;
  bool rightDown = false;
  graphs::PixelPoint leftPress;
  graphs::PixelPoint leftPrevious;
  graphs::PixelPoint rightPress;
  graphs::PixelPoint rightPrevious;
  bool captured = false;  // the view holds the mouse
};

// What an event did: changed the camera (re-project and redraw), took or
// released the mouse.
struct NavigationResult {
  bool cameraChanged = false;
  bool capture = false;
  bool release = false;
  bool operator==(const NavigationResult&) const = default;
};

// Turning, shifting and zooming with the mouse: "LMB=rotate, RMB=distance,
// LMB+RMB or ctrl+LMB=shift". Moves under 2 pixels are ignored.
NavigationResult Navigate(const MouseEvent& event, int width, int height, DragState& drag,
                          ViewCamera& camera);

// What a mouse move with no button held does to the hover hint: inside the
// drawing area (1 <= x < width, 1 <= y < height) the hint is shown (the
// target's text becomes the hint and the view's suffix); on leaving, the
// saved text is put back once.
enum class HintChange { kNone, kShow, kRestore };
HintChange HoverHint(const MouseEvent& event, int width, int height, const DragState& drag,
                     bool& shown);

inline constexpr const char* kNavigationHint =
    "LMB=rotate, RMB=distance, LMB+RMB or ctrl+LMB=shift";

}  // namespace zef::view3d

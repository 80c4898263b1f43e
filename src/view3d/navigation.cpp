#include "view3d/navigation.h"

#include <algorithm>
#include <cstdlib>

namespace zef::view3d {
namespace {

constexpr int kMinMove = 2;

bool Inside(const MouseEvent& event, int width, int height) {
  return event.x >= 0 && event.y >= 0 && event.x < width && event.y < height;
}

// Left drag: shift with the right button or Ctrl, else turn.
bool LeftDrag(const MouseEvent& event, DragState& drag, ViewCamera& camera) {
  const int dx = event.x - drag.leftPrevious.x;
  const int dy = event.y - drag.leftPrevious.y;
  const bool moveX = std::abs(dx) >= kMinMove;
  const bool moveY = std::abs(dy) >= kMinMove;
  if (!moveX && !moveY) return false;
  if (drag.rightDown || event.ctrl) {
    if (moveX) camera.originX += static_cast<float>(dx);
    if (moveY) camera.originY += static_cast<float>(dy);
  } else {
    if (moveX) {
      camera.azimuth -= static_cast<float>(dx);
      if (camera.azimuth > 360) camera.azimuth -= 360;
      if (camera.azimuth < 0) camera.azimuth += 360;
    }
    if (moveY)
      camera.elevation = std::clamp(camera.elevation + static_cast<float>(dy), -90.0f, 90.0f);
  }
  drag.leftPrevious = {event.x, event.y};
  return true;
}

// Right drag: up brings the eye nearer (or, with Ctrl, shortens the focal).
bool RightDrag(const MouseEvent& event, DragState& drag, ViewCamera& camera) {
  const int dy = event.y - drag.rightPrevious.y;
  if (std::abs(dy) < kMinMove) return false;
  const float factor = 1 + 0.01f * static_cast<float>(std::abs(dy));
  float& value = event.ctrl ? camera.focal : camera.distance;
  value = dy < 0 ? value * factor : value / factor;
  value = std::max(value, 1.0f);
  drag.rightPrevious = {event.x, event.y};
  return true;
}

}  // namespace

NavigationResult Navigate(const MouseEvent& event, int width, int height, DragState& drag,
                          ViewCamera& camera) {
  NavigationResult result;
  const graphs::PixelPoint at{event.x, event.y};
  switch (event.action) {
    case MouseAction::kLeftDown:
    case MouseAction::kRightDown: {
      if (!Inside(event, width, height)) return result;
      const bool left = event.action == MouseAction::kLeftDown;
      (left ? drag.leftDown : drag.rightDown) = true;
      (left ? drag.leftPress : drag.rightPress) = at;
      (left ? drag.leftPrevious : drag.rightPrevious) = at;
      result.capture = !drag.captured;
      drag.captured = true;
      return result;
    }
    case MouseAction::kLeftUp:
    case MouseAction::kRightUp: {
      const bool wasDown = event.action == MouseAction::kLeftUp ? drag.leftDown : drag.rightDown;
      if (!wasDown) return result;
      drag.leftDown = drag.rightDown = false;
      result.release = drag.captured;
      drag.captured = false;
      return result;
    }
    case MouseAction::kMove:
      if (drag.leftDown) {
        result.cameraChanged = LeftDrag(event, drag, camera);
      } else if (drag.rightDown) {
        result.cameraChanged = RightDrag(event, drag, camera);
      }
      return result;
  }
  return result;
}

HintChange HoverHint(const MouseEvent& event, int width, int height, const DragState& drag,
                     bool& shown) {
  if (event.action != MouseAction::kMove || drag.leftDown || drag.rightDown) {
    return HintChange::kNone;
  }
  if (event.x >= 1 && event.x < width && event.y >= 1 && event.y < height) {
    shown = true;
    return HintChange::kShow;
  }
  if (!shown) return HintChange::kNone;
  shown = false;
  return HintChange::kRestore;
}

}  // namespace zef::view3d

#include <gtest/gtest.h>

#include "view3d/navigation.h"

namespace zef::view3d {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

ViewCamera Cam(float azimuth, float elevation, float distance = 100, float focal = 4,
               float originX = 0, float originY = 0) {
  return {azimuth, elevation, distance, focal, originX, originY};
}

TEST(Navigation, DragsTurnShiftAndZoom) {
  // Name, buttons left, right and Ctrl held, the move: the camera before and after.
  const std::tuple<const char*, bool, bool, bool, int, int, ViewCamera, ViewCamera> cases[] = {
      {"left 400 turns and wraps", true, false, false, -400, 0, Cam(30, 0), Cam(70, 0)},
      {"right 40 turns below 0 and wraps", true, false, false, 40, 0, Cam(30, 0), Cam(350, 0)},
      {"down turns the eye up", true, false, false, 0, 25, Cam(30, 10), Cam(30, 35)},
      {"elevation stops at 90", true, false, false, 0, 200, Cam(30, 10), Cam(30, 90)},
      {"elevation stops at -90", true, false, false, 0, -200, Cam(30, 10), Cam(30, -90)},
      {"one pixel is ignored", true, false, false, 1, -1, Cam(30, 10), Cam(30, 10)},
      {"one axis moves alone", true, false, false, 1, 5, Cam(30, 10), Cam(30, 15)},
      {"ctrl shifts", true, false, true, 5, -7, Cam(30, 10), Cam(30, 10, 100, 4, 5, -7)},
      {"both buttons shift", true, true, false, -3, 9, Cam(30, 10), Cam(30, 10, 100, 4, -3, 9)},
      {"right down 100 halves", false, true, false, 0, 100, Cam(30, 0), Cam(30, 0, 50)},
      {"right up 100 doubles", false, true, false, 50, -100, Cam(30, 0), Cam(30, 0, 200)},
      {"distance never below 1", false, true, false, 0, 100, Cam(30, 0, 1.5f), Cam(30, 0, 1)},
      {"ctrl zooms the focal", false, true, true, 0, -50, Cam(30, 0), Cam(30, 0, 100, 6)},
      {"focal never below 1", false, true, true, 0, 300, Cam(30, 0), Cam(30, 0, 100, 1)},
  };
  for (const auto& [name, left, right, ctrl, dx, dy, start, expected] : cases) {
    DragState drag;
    ViewCamera camera = start;
    if (left) Navigate({MouseAction::kLeftDown, 400, 300, ctrl}, kWidth, kHeight, drag, camera);
    if (right) Navigate({MouseAction::kRightDown, 400, 300, ctrl}, kWidth, kHeight, drag, camera);
    const NavigationResult moved =
        Navigate({MouseAction::kMove, 400 + dx, 300 + dy, ctrl}, kWidth, kHeight, drag, camera);
    EXPECT_EQ(camera, expected) << name;
    EXPECT_EQ(moved.cameraChanged, !(start == expected)) << name;
  }
}

TEST(Navigation, CaptureOnlyFromInsideUntilRelease) {
  DragState drag;
  ViewCamera camera = Cam(30, 0);
  const auto send = [&](MouseAction action, int x, int y) {
    return Navigate({action, x, y, false}, kWidth, kHeight, drag, camera);
  };
  EXPECT_EQ(send(MouseAction::kLeftDown, kWidth, 10), NavigationResult{});
  EXPECT_EQ(send(MouseAction::kRightDown, 10, -1), NavigationResult{});
  EXPECT_EQ(send(MouseAction::kMove, 200, 10), NavigationResult{});
  EXPECT_EQ(camera, Cam(30, 0));
  EXPECT_EQ(send(MouseAction::kLeftDown, 0, 0), (NavigationResult{false, true, false}));
  EXPECT_EQ(send(MouseAction::kRightDown, 0, 0), NavigationResult{});  // already held
  EXPECT_EQ(send(MouseAction::kMove, 0, 0), NavigationResult{});
  EXPECT_EQ(send(MouseAction::kRightUp, 0, 0), (NavigationResult{false, false, true}));
  EXPECT_FALSE(drag.leftDown || drag.rightDown);
  EXPECT_EQ(send(MouseAction::kLeftUp, 0, 0), NavigationResult{});
  // Successive moves measure from the last one that counted.
  send(MouseAction::kLeftDown, 100, 100);
  send(MouseAction::kMove, 101, 100);
  send(MouseAction::kMove, 102, 100);
  EXPECT_EQ(camera.azimuth, 28);
}

TEST(Navigation, HoverHintShowsInsideAndRestoresOnceOutside) {
  const std::tuple<int, int, HintChange> rows[] = {
      {0, 10, HintChange::kNone},      {1, 1, HintChange::kShow},    {799, 599, HintChange::kShow},
      {800, 10, HintChange::kRestore}, {10, 600, HintChange::kNone}, {10, 10, HintChange::kShow},
      {10, 0, HintChange::kRestore}};
  DragState drag;
  bool shown = false;
  for (const auto& [x, y, change] : rows) {
    EXPECT_EQ(HoverHint({MouseAction::kMove, x, y, false}, kWidth, kHeight, drag, shown), change)
        << x << "," << y;
  }
  drag.leftDown = true;
  EXPECT_EQ(HoverHint({MouseAction::kMove, 10, 10, false}, kWidth, kHeight, drag, shown),
            HintChange::kNone);
}

}  // namespace
}  // namespace zef::view3d

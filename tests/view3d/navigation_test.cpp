#include <gtest/gtest.h>

#include "view3d/navigation.h"

namespace zef::view3d {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct DragCase {
  const char* name;
  bool left;
  bool right;
  bool ctrl;
  int dx;
  int dy;
  ViewCamera start;
  ViewCamera expected;
};

ViewCamera Cam(float azimuth, float elevation, float distance = 100, float focal = 4,
               float originX = 0, float originY = 0) {
  return {azimuth, elevation, distance, focal, originX, originY};
}

TEST(Navigation, DragsTurnShiftAndZoom) {
  const DragCase cases[] = {
      {"left 400 turns and wraps", true, false, false, -400, 0, Cam(30, 0), Cam(70, 0)},
      {"right 40 turns below 0 and wraps", true, false, false, 40, 0, Cam(30, 0), Cam(350, 0)},
      {"down turns the eye up", true, false, false, 0, 25, Cam(30, 10), Cam(30, 35)},
      {"elevation stops at 90", true, false, false, 0, 200, Cam(30, 10), Cam(30, 90)},
      {"elevation stops at -90", true, false, false, 0, -200, Cam(30, 10), Cam(30, -90)},
      {"one pixel is ignored", true, false, false, 1, -1, Cam(30, 10), Cam(30, 10)},
      {"one axis moves alone", true, false, false, 1, 5, Cam(30, 10), Cam(30, 15)},
      {"ctrl shifts", true, false, true, 5, -7, Cam(30, 10), Cam(30, 10, 100, 4, 5, -7)},
      {"both buttons shift", true, true, false, -3, 9, Cam(30, 10), Cam(30, 10, 100, 4, -3, 9)},
      {"right down 100 halves the distance", false, true, false, 0, 100, Cam(30, 0),
       Cam(30, 0, 50)},
      {"right up 100 doubles the distance", false, true, false, 50, -100, Cam(30, 0),
       Cam(30, 0, 200)},
      {"distance never below 1", false, true, false, 0, 100, Cam(30, 0, 1.5f), Cam(30, 0, 1)},
      {"ctrl zooms the focal", false, true, true, 0, -50, Cam(30, 0), Cam(30, 0, 100, 6)},
      {"focal never below 1", false, true, true, 0, 300, Cam(30, 0), Cam(30, 0, 100, 1)},
  };
  for (const DragCase& c : cases) {
    DragState drag;
    ViewCamera camera = c.start;
    const int x = 400;
    const int y = 300;
    if (c.left) Navigate({MouseAction::kLeftDown, x, y, c.ctrl}, kWidth, kHeight, drag, camera);
    if (c.right) Navigate({MouseAction::kRightDown, x, y, c.ctrl}, kWidth, kHeight, drag, camera);
    const NavigationResult moved =
        Navigate({MouseAction::kMove, x + c.dx, y + c.dy, c.ctrl}, kWidth, kHeight, drag, camera);
    EXPECT_EQ(camera, c.expected) << c.name;
    EXPECT_EQ(moved.cameraChanged, !(c.start == c.expected)) << c.name;
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
  struct Row {
    int x, y;
    HintChange change;
  };
  const Row rows[] = {{0, 10, HintChange::kNone},    {1, 1, HintChange::kShow},
                      {799, 599, HintChange::kShow}, {800, 10, HintChange::kRestore},
                      {10, 600, HintChange::kNone},  {10, 10, HintChange::kShow},
                      {10, 0, HintChange::kRestore}};
  DragState drag;
  bool shown = false;
  for (const Row& r : rows) {
    EXPECT_EQ(HoverHint({MouseAction::kMove, r.x, r.y, false}, kWidth, kHeight, drag, shown),
              r.change)
        << r.x << "," << r.y;
  }
  drag.leftDown = true;
  EXPECT_EQ(HoverHint({MouseAction::kMove, 10, 10, false}, kWidth, kHeight, drag, shown),
            HintChange::kNone);
}

}  // namespace
}  // namespace zef::view3d

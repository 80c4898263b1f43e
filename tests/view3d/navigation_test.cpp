#include "view3d/navigation.h"

#include <gtest/gtest.h>

#include <sstream>

#include "case_file.h"
#include "view3d_cases.h"

namespace zef::view3d {
namespace {

ViewCamera CameraOf(const std::string& text) {
  std::vector<float> v = testing::Floats(text);
  const float defaults[] = {0, 0, 100, 4, 0, 0};
  for (std::size_t i = v.size(); i < 6; ++i) v.push_back(defaults[i]);
  return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

TEST(Navigation, MouseEventsTurnShiftZoomCaptureAndHint) {
  for (const auto& c : zef::testing::ReadCases("view3d/cases/navigation.txt")) {
    ViewCamera camera = CameraOf(c[0]);
    DragState drag;
    bool shown = false;
    std::string results;
    for (const std::string& e : testing::Split(c[1], " ; ")) {
      std::string kind, at;
      std::istringstream(e) >> kind >> at;
      const bool ctrl = kind[0] == '^';
      const char key = kind.back();
      const std::vector<float> xy = testing::Floats(at);
      const MouseAction action = key == 'L'   ? MouseAction::kLeftDown
                                 : key == 'l' ? MouseAction::kLeftUp
                                 : key == 'R' ? MouseAction::kRightDown
                                 : key == 'r' ? MouseAction::kRightUp
                                              : MouseAction::kMove;
      const MouseEvent event{action, static_cast<int>(xy[0]), static_cast<int>(xy[1]), ctrl};
      std::string result;
      if (key == 'H') {
        const HintChange change = HoverHint(event, 800, 600, drag, shown);
        result = change == HintChange::kShow      ? "show"
                 : change == HintChange::kRestore ? "restore"
                                                  : "";
      } else {
        const NavigationResult r = Navigate(event, 800, 600, drag, camera);
        result = std::string(r.cameraChanged ? "c" : "") + (r.capture ? "C" : "") +
                 (r.release ? "R" : "");
      }
      results += (results.empty() ? "" : " ") + (result.empty() ? "-" : result);
    }
    EXPECT_EQ(camera, CameraOf(c[2])) << c.where;
    EXPECT_EQ(results, c[3]) << c.where;
  }
}

}  // namespace
}  // namespace zef::view3d

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "case_file.h"
#include "view3d/camera_projection.h"
#include "view3d/navigation.h"
#include "view3d_cases.h"

namespace zef::view3d {
namespace {

// Eye 10 units from the target, a projection plane 1 unit in front of it.
Camera Looking(float azimuth, float elevation, Projection mode = Projection::kPerspective,
               float distance = 10) {
  return {{azimuth, elevation, distance, 1, 0, 0}, mode};
}

std::string Rounded(std::initializer_list<float> values, int decimals = 2) {
  std::string out;
  for (const float v : values) out += (out.empty() ? "" : " ") + testing::Rounded(v, decimals);
  return out;
}

TEST(Camera, ProjectsPointsAndLinesOrRefuses) {
  for (const auto& c : zef::testing::ReadCases("view3d/cases/projection.txt")) {
    float azimuth = 0, elevation = 0, distance = 0, focal = 1;
    char mode = 0;
    std::istringstream(c[0]) >> azimuth >> elevation >> mode >> distance >> focal;
    Camera camera = Looking(azimuth, elevation, Projection{mode == 'O'}, distance);
    camera.view.focal = focal;
    model::LineSink debug;
    ProjectionContext context;
    context.liveMode = camera.mode;
    context.windowHeight = 100;
    const std::vector<Vec3> p = c[1] == "eye" ? std::vector<Vec3>{} : testing::Points(c[1]);
    std::string shown;
    if (!CalcPerspParameters(camera, context, debug)) {
      shown = "refused";
    } else if (c[1] == "-") {
      shown = Rounded({context.eye.x, context.eye.y, context.eye.z}, 4);
    } else if (c[1] == "eye") {
      shown = SafeTransformPoint(context.eye, context, debug).visible ? "shown" : "hidden";
    } else if (p.size() == 1) {
      const ProjectedPoint at = TransformPoint(p[0], context, debug);
      shown = at.visible ? Rounded({at.x, at.y}) : "hidden";
    } else {
      const ProjectedLine at = TransformLine(p[0], p[1], context, debug);
      shown = at.visible ? Rounded({at.x1, at.y1, at.x2, at.y2}) : "hidden";
    }
    std::string traced;
    for (const std::string& line : debug.Lines()) traced += (traced.empty() ? "" : " ; ") + line;
    EXPECT_EQ(shown, c[2]) << c.where;
    EXPECT_EQ(traced, c.fields.size() > 3 ? c[3] : "") << c.where;
  }
}

TEST(Camera, ModeChangeRestoresThatModesCamera) {
  model::NullSink debug;
  ProjectionContext context;
  Camera parallel = Looking(10, 0, Projection::kParallel);
  ASSERT_TRUE(CalcPerspParameters(parallel, context, debug));
  Camera perspective = Looking(20, 5);
  context.storedCameras[0] = Looking(45, 15).view;
  ASSERT_TRUE(CalcPerspParameters(perspective, context, debug));
  EXPECT_EQ(perspective.view, Looking(45, 15).view);
  EXPECT_EQ(context.storedCameras[1], Looking(10, 0).view);
  EXPECT_EQ(context.liveMode, Projection::kPerspective);
}

TEST(VectorMath, ZeroVectorsAreRefusedWithTheirMessage) {
  model::LineSink debug;
  EXPECT_FALSE(Difference({1, 2, 3}, {1, 2, 3}, debug));
  EXPECT_FALSE(Length({}, debug));
  EXPECT_FALSE(Normalised({}, debug));
  EXPECT_EQ(*Normalised({0, 3, 4}, debug), (Vec3{0, 0.6f, 0.8f}));
  EXPECT_EQ(debug.Lines(), (std::vector<std::string>{"IMath : Making zero-length 3D vector",
                                                     "IMath : Length of zero-length 3D vector",
                                                     "IMath : Norm of zero-length 3D vector"}));
  EXPECT_NEAR(FocalForViewAngle(1, 30), 3.7320508f, 1e-5);
}

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
    std::istringstream events(c[1]);
    for (std::string e; std::getline(events, e, ';');) {
      std::string kind, at;
      std::istringstream(e) >> kind >> at;
      const bool ctrl = kind[0] == '^';
      const char key = kind.back();
      const std::vector<float> xy = testing::Floats(at);
      // L, l, R, r, M: the actions in their declared order; H hovers.
      const auto action =
          static_cast<MouseAction>(std::min<std::size_t>(std::string("LlRrM").find(key), 4));
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

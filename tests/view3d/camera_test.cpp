#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "case_file.h"
#include "view3d/camera_projection.h"
#include "view3d_cases.h"

namespace zef::view3d {
namespace {

// Eye 10 units from the target, a projection plane 1 unit in front of it.
Camera Looking(float azimuth, float elevation, Projection mode = Projection::kPerspective,
               float distance = 10) {
  return {{azimuth, elevation, distance, 1, 0, 0}, mode};
}

ProjectionContext Prepared(Camera camera, model::MessageSink& debug) {
  ProjectionContext context;
  context.liveMode = camera.mode;
  context.windowHeight = 100;
  EXPECT_TRUE(CalcPerspParameters(camera, context, debug));
  return context;
}

TEST(Camera, ProjectsFrontSideAndTopViews) {
  for (const auto& c : zef::testing::ReadCases("view3d/cases/projection.txt")) {
    float azimuth = 0, elevation = 0, distance = 0;
    char mode = 0;
    std::istringstream(c[0]) >> azimuth >> elevation >> mode >> distance;
    const Camera camera = Looking(azimuth, elevation, Projection{mode == 'O'}, distance);
    const std::vector<float> at = testing::Floats(c[2]);
    model::LineSink debug;
    const ProjectedPoint p =
        TransformPoint(testing::Points(c[1])[0], Prepared(camera, debug), debug);
    EXPECT_TRUE(p.visible && debug.Lines().empty()) << c.where;
    EXPECT_NEAR(p.x, at[0], 0.01) << c.where;
    EXPECT_NEAR(p.y, at[1], 0.02) << c.where;
  }
}

TEST(Camera, ElevationIsHeldShortOfThePoles) {
  model::NullSink debug;
  const Vec3 top = Prepared(Looking(0, 89.99f), debug).eye;
  const Vec3 bottom = Prepared(Looking(0, -89.99f), debug).eye;
  for (const float elevation : {90.0f, 120.0f})
    EXPECT_EQ(Prepared(Looking(0, elevation), debug).eye, top);
  for (const float elevation : {-90.0f, -400.0f})
    EXPECT_EQ(Prepared(Looking(0, elevation), debug).eye, bottom);
  EXPECT_GT(top.z, 9.99f);
  EXPECT_NE(top.y, 0.0f);  // a horizontal part is left, so right is defined
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

TEST(Camera, LinesAreCutJustInFrontOfTheNearPlane) {
  model::LineSink debug;
  const ProjectionContext context = Prepared(Looking(90, 0), debug);  // eye at x = 10
  // The near plane lies at x = 9.99; 0.999 of the way there from x = 0.
  const ProjectedPoint cut = TransformPoint({9.98001f, 5, 0}, context, debug);
  ASSERT_TRUE(cut.visible);
  const ProjectedLine crossing = TransformLine({0, 5, 0}, {30, 5, 0}, context, debug);
  EXPECT_TRUE(crossing.visible);
  EXPECT_NEAR(crossing.x1, 48, 0.01);
  EXPECT_NEAR(crossing.x2 / cut.x, 1, 1e-3);
  const ProjectedLine reversed = TransformLine({30, 5, 0}, {0, 5, 0}, context, debug);
  EXPECT_NEAR(reversed.x1 / cut.x, 1, 1e-3);
  EXPECT_FALSE(TransformLine({20, 0, 0}, {30, 5, 0}, context, debug).visible);
  EXPECT_FALSE(TransformPoint({10, 1, 0}, context, debug).visible);
  EXPECT_TRUE(debug.Lines().empty());
}

TEST(Camera, FailuresNameTheOperation) {
  using Lines = std::vector<std::string>;
  const std::string zero = "IMath : Making zero-length 3D vector";
  model::LineSink debug;
  ProjectionContext context;
  Camera camera = Looking(90, 0, Projection::kParallel, 0);
  EXPECT_FALSE(CalcPerspParameters(camera, context, debug));
  context = Prepared(Looking(90, 0), debug);
  EXPECT_FALSE(SafeTransformPoint(context.eye, context, debug).visible);
  camera = Looking(90, 0, Projection::kParallel);
  camera.view.focal = 0;
  context = Prepared(camera, debug);
  EXPECT_FALSE(TransformPoint({0, 0, 0}, context, debug).visible);
  EXPECT_EQ(debug.Lines(), (Lines{zero, "DPerspi.calcViewLine", "DPerspi.CalcPerspParameters", zero,
                                  "DPerspi.SafeTransformPoint", zero, "DPerspi.TransformPoint"}));
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

}  // namespace
}  // namespace zef::view3d

#include "cabinet/cabinet_drawing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cabinet/filled_face.h"
#include "model/fixed_text.h"
#include "scene_lines.h"

namespace zef::cabinet {
namespace {

using model::Point3;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::ObjectLines;

class CabinetDrawingTest : public ::testing::Test {
 protected:
  std::vector<std::string> Draw(CabinetKind kind,
                                graphs::OptionSet options = graphs::OptionSet(0)) {
    DrawCabinet(scene, 0, {set, kind, options, dxf, debug});
    return ObjectLines(scene.Object(0));
  }

  model::DataSet set{model::FormatKind::Zef2};
  LazyDxf dxf;
  model::LineSink debug;
  view3d::Scene scene{400, 400, debug};
};

TEST(CabinetScaleLabel, StandsAboveTheNextTenthOverTheTop) {
  const float cases[][2] = {{0.5f, 0.77f}, {0, 0.17f}, {0.25f, 0.47f}, {1, 1.37f}, {0.04f, 0.17f}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(ScaleLabelHeight(c[0]), c[1]) << c[0];
}

TEST_F(CabinetDrawingTest, RectangularBoxBackGreyEdgesThenFrontBlack) {
  set.info->cabinetFlags = model::cabinet_flag::kRectangular;
  const float box[6] = {-0.3f, -0.1f, 0, 0, 0.1f, 0.5f};
  std::copy(box, box + 6, set.info->rectangular);
  EXPECT_THAT(
      Draw(CabinetKind::kRectangular),
      ElementsAre("line B4B4B4 closed -0.3,-0.1,0 -0.3,-0.1,0.5 -0.3,0.1,0.5 -0.3,0.1,0",
                  "line B4B4B4 open -0.3,-0.1,0 0,-0.1,0", "line B4B4B4 open -0.3,0.1,0 0,0.1,0",
                  "line B4B4B4 open -0.3,0.1,0.5 0,0.1,0.5",
                  "line B4B4B4 open -0.3,-0.1,0.5 0,-0.1,0.5",
                  "line 000000 closed 0,-0.1,0 0,-0.1,0.5 0,0.1,0.5 0,0.1,0",
                  "text 000000 0,0,0.77  1 dm"));
}

TEST_F(CabinetDrawingTest, TrapezoidalBoxJoinsItsTwoOutlines) {
  set.info->cabinetFlags = model::cabinet_flag::kTrapezoidal;
  const float t[10] = {-0.4f, 0, -0.1f, 0.1f, -0.2f, 0.2f, 0, 0.3f, -0.1f, 0.9f};
  std::copy(t, t + 10, set.info->trapezoidal);
  EXPECT_THAT(Draw(CabinetKind::kTrapezoidal),
              ElementsAre("line B4B4B4 closed -0.4,-0.1,0 -0.4,-0.1,0.3 -0.4,0.1,0.3 -0.4,0.1,0",
                          "line B4B4B4 open -0.4,-0.1,0 0,-0.2,-0.1",
                          "line B4B4B4 open -0.4,0.1,0 0,0.2,-0.1",
                          "line B4B4B4 open -0.4,0.1,0.3 0,0.2,0.9",
                          "line B4B4B4 open -0.4,-0.1,0.3 0,-0.2,0.9",
                          "line 000000 closed 0,-0.2,-0.1 0,-0.2,0.9 0,0.2,0.9 0,0.2,-0.1",
                          "text 000000 0,0,1.17  1 dm"));
}

TEST_F(CabinetDrawingTest, EdgesNewestFirstAndOnlyTheirTopRaisesTheLabel) {
  set.info->cabinetFlags = model::cabinet_flag::kEdges | model::cabinet_flag::kFaces;
  set.cabinet.edges.Add({{0, 0, -1}, {0, 1, -2}, 0x112233});
  set.cabinet.edges.Add({{1, 0, -1}, {1, 1, -0.5f}, 0x445566});
  EXPECT_THAT(Draw(CabinetKind::kEdges),
              ElementsAre("line 445566 open 1,0,-1 1,1,-0.5", "line 112233 open 0,0,-1 0,1,-2",
                          "text 000000 0,0,0.17  1 dm"));

  set.cabinet.faceEdges.Add({{0, 0, 0}, {0, 0, 0.5f}, 0});
  model::Face high{{{0, 0, 0}, {0, 1, 0}, {0, 0, 3}}, 0xAA};
  // The second vertex lies on the line through its neighbours.
  model::Face square{{{0, 0, 0}, {0, 0.5f, 0}, {0, 1, 0}, {0, 1, 1}}, 0xBB};
  set.cabinet.faces.Add(high);
  set.cabinet.faces.Add(square);
  EXPECT_THAT(Draw(CabinetKind::kFacesAndEdges),
              ElementsAre("line 000000 open 0,0,0 0,0,0.5", "triangle 0000BB 0,1,0 0,1,1 0,0,0",
                          "triangle 0000AA 0,0,0 0,1,0 0,0,3", "text 000000 0,0,0.77  1 dm"));
}

TEST_F(CabinetDrawingTest, NoCabinetAndTheReferencePointOfVersion2) {
  EXPECT_THAT(Draw(CabinetKind::kRectangular),
              ElementsAre("text 0000FF 0,0,0.5 No CABINET info given"));
  set.info->cabinetFlags = model::cabinet_flag::kEdges;
  set.version = 2;
  set.systemPart.referencePoint[2] = 0.25f;
  EXPECT_THAT(Draw(CabinetKind::kEdges),
              ElementsAre("point 000000 0,0,0.25", "text 000000 0,0,0.17  1 dm",
                          "text 000000 0,0,0.25 MR"));
  model::SetText(set.systemPart.referenceText, std::string(60, 'x'));
  EXPECT_EQ(Draw(CabinetKind::kEdges).back(), "text 000000 0,0,0.19 MR = " + std::string(45, 'x'));
}

TEST(FilledFace, KeepsOnlyVerticesThatTurn) {
  struct Case {
    std::vector<Point3> face;
    std::vector<Point3> kept;
  };
  const Case cases[] = {
      {{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{1, 0, 0}, {1, 1, 0}, {0, 0, 0}}},
      {{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 2, 0}}, {{2, 0, 0}, {2, 2, 0}, {0, 0, 0}}},
      // a repeated vertex takes the one before it along
      {{{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{1, 0, 0}, {1, 1, 0}}},
      {{{0, 0, 0}, {1, 0, 0}, {2, 0.0005f, 0}}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReducedFace(c.face), c.kept) << c.face.size();
}

TEST(CabinetAxes, ThreeAxesWithTenTickRingsEachWayAndTheirLabels) {
  model::LineSink debug;
  view3d::Scene scene{400, 400, debug};
  DrawCabinetAxes(scene, 3);
  const view3d::SceneObject& axes = scene.Object(3);
  ASSERT_EQ(axes.lines.size(), 63U);
  EXPECT_EQ(testing::ObjectLines(axes).front(), "line 0000FF open -1.1,0,0 1.1,0,0");
  EXPECT_EQ(axes.lines[1].points.size(), 12U);
  EXPECT_TRUE(axes.lines[1].closed);
  EXPECT_EQ(testing::At(axes.lines[1].points[0]), "-1,0.01,0");
  EXPECT_EQ(testing::At(axes.lines[43].points[0]), "0.01,0,-1");
  const std::vector<std::string> lines = ObjectLines(axes);
  EXPECT_THAT(std::vector<std::string>(lines.end() - 3, lines.end()),
              ElementsAre("text 0000FF 1.1,0,0 Front (X)", "text 00FF00 0,1.1,0 Left (Y)",
                          "text FF0000 0,0,1.1 Up (Z)"));
}

}  // namespace
}  // namespace zef::cabinet

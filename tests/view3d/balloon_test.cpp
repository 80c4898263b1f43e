#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "graphs/command_lines.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/view_inputs.h"
#include "view3d/balloon_mesh.h"
#include "view3d/balloon_scene.h"

namespace zef::view3d {
namespace {

using graphs::Option;
using graphs::OptionsWith;
using model::FormatKind;

constexpr int kBand = 5;

// A ZEF1 set whose band 5 is at `level` off the axis, 0 dB on it.
model::DataSet LevelSet(float level, model::Radiation radiation = model::Radiation::FullSphere) {
  model::DataSet set = graphs::FlatBalloonSet(FormatKind::Zef1, 1, 9, radiation);
  for (int arc = 0; arc < 36; ++arc) graphs::SetArcLevel(set, kBand, arc, level);
  set.data.Array(model::PerBand::Sensitivity)[kBand] = 90;
  set.data.Array(model::PerBand::Sensitivity)[3] = 96;
  return set;
}

BalloonViewState State(graphs::OptionSet options, int range = -40) {
  BalloonViewState state;
  state.band = kBand;
  state.range = range;
  state.options = options;
  state.camera.view = BalloonCamera(range, 90, 0);
  return state;
}

void ExpectNear(Vec3 actual, Vec3 expected, const char* name) {
  EXPECT_NEAR(actual.x, expected.x, 1e-4) << name;
  EXPECT_NEAR(actual.y, expected.y, 1e-4) << name;
  EXPECT_NEAR(actual.z, expected.z, 1e-4) << name;
}

TEST(BalloonMesh, RadiusGrowsWithTheLevelFromMinusV) {
  EXPECT_EQ(ViewSizeOfRange(-40), 60);
  EXPECT_EQ(ViewSizeOfRange(-30), 30);
  EXPECT_EQ(ViewSizeOfRange(-20), 20);
  EXPECT_EQ(ViewSizeOfRange(-50), std::nullopt);
  struct Row {
    float level, viewSize, offset, radius;
  };
  const Row rows[] = {{0, 60, 0, 60},      {-10, 20, 5, 5},     {3, 30, 0, 33},
                      {-60, 60, 0, 0.01f}, {-75, 60, 0, 0.01f}, {-10, 20, 12, 0.01f},
                      {NAN, 20, 0, 0.01f}};
  for (const Row& r : rows)
    EXPECT_EQ(BalloonRadius(r.level, r.viewSize, r.offset), r.radius) << r.level;
}

TEST(BalloonMesh, ArcZeroPointsUpAndAQuarterTurnLeft) {
  model::DataSet set = LevelSet(-20);
  set.data.Arc(kBand, 9)[9] = -50;
  const BalloonMesh mesh = BuildBalloonMesh(set, kBand, 60, 0, false);
  ExpectNear(mesh.Point(0, 7), {60, 0, 0}, "on axis");
  ExpectNear(mesh.Point(9, 0), {0, 0, 40}, "side, arc 0: up");
  ExpectNear(mesh.Point(9, 9), {0, 10, 0}, "side, arc 9: left");
  ExpectNear(mesh.Point(9, 27), {0, -40, 0}, "side, arc 27: right");
  ExpectNear(mesh.Point(18, 3), {-40, 0, 0}, "rear");
  ExpectNear(BuildBalloonMesh(set, kBand, 60, 0, true).Point(9, 9), {0, 60, 0}, "sphere");
  EXPECT_EQ(mesh.Level(9, 9), -50);
  EXPECT_NEAR(PowerAverage({0, -10, -20}), -4.3180f, 1e-4);
}

TEST(BalloonMesh, MeasuredArcsFollowTheSymmetry) {
  using model::Symmetry;
  struct Row {
    Symmetry symmetry;
    std::vector<int> measured;
  };  // of arcs 0, 9, 10, 18, 27, 30
  const Row rows[] = {{Symmetry::Full, {0, 9}},
                      {Symmetry::Vertical, {0, 9, 27, 30}},
                      {Symmetry::Horizontal, {0, 9, 10, 18}},
                      {Symmetry::None, {0, 9, 10, 18, 27, 30}},
                      {Symmetry::Rotational, {0}},
                      {Symmetry::Polar, {0, 9, 18, 27}}};
  for (const Row& r : rows) {
    std::vector<int> measured;
    for (const int arc : {0, 9, 10, 18, 27, 30}) {
      if (IsMeasuredArc(r.symmetry, model::kZef1Grid, arc)) measured.push_back(arc);
    }
    EXPECT_EQ(measured, r.measured) << static_cast<int>(r.symmetry);
  }
}

struct SceneCase {
  const char* name;
  model::DataSet set;
  BalloonViewState state;
  std::size_t triangles;
  std::size_t lines;
  std::set<graphs::Colour> cellColours;  // of the triangles off the axis
};

TEST(BalloonScene, ShadingAndGridFollowLevelsAndOptions) {
  const graphs::ShadePalette palette;
  const auto shaded = OptionsWith({Option::kShadeBalloon});
  model::DataSet relative = LevelSet(-10);
  relative.info->type = model::SpeakerType::Passive;
  model::DataSet noSensitivity = LevelSet(-10);
  noSensitivity.data.Array(model::PerBand::Sensitivity)[kBand] = model::kNoData;
  const SceneCase cases[] = {
      {"full sphere", LevelSet(-30), State(shaded), 36 + 16 * 72 + 36, 0, {palette.At(58)}},
      {"half sphere",
       LevelSet(-30, model::Radiation::HalfSphere),
       State(shaded),
       36 + 8 * 72,
       0,
       {palette.At(58)}},
      {"all at -V: front cap only", LevelSet(-60), State(shaded), 36, 0, {}},
      {"0 dB and above saturate",
       LevelSet(2),
       State(shaded, -20),
       36 + 16 * 72 + 36,
       0,
       {palette.At(235)}},
      {"relative to max sensitivity",
       relative,
       State(OptionsWith({Option::kShadeBalloon, Option::kBalloonReferenceMax})),
       36 + 16 * 72 + 36,
       0,
       {palette.At(141)}},
      {"coloured sphere keeps the colours",
       LevelSet(-30),
       State(OptionsWith({Option::kShadeBalloon, Option::kColouredSphere})),
       36 + 16 * 72 + 36,
       0,
       {palette.At(58)}},
      {"wire grid", LevelSet(-30), State(OptionsWith({})), 0, 17 + 4 + 32 * 2, {}},
      {"grid with shading",
       LevelSet(-30),
       State(OptionsWith({Option::kShadeBalloon, Option::kGridWhenShaded})),
       36 + 16 * 72 + 36,
       17 + 4 + 32 * 2,
       {palette.At(58)}},
      {"symmetry grid",
       LevelSet(-30),
       State(OptionsWith({Option::kShowSymmetry})),
       0,
       36 + 17 * 36,
       {}},
      {"no sensitivity, no balloon",
       noSensitivity,
       State(OptionsWith({Option::kShadeBalloon, Option::kBalloonReferenceMax})),
       0,
       0,
       {}},
  };
  for (const SceneCase& c : cases) {
    model::NullSink debug;
    Scene scene(400, 400, debug);
    BuildBalloonScene(scene, c.set, c.state, palette);
    const SceneObject& balloon = scene.Object(BalloonSlots{}.balloon);
    EXPECT_EQ(balloon.triangles.size(), c.triangles) << c.name;
    EXPECT_EQ(balloon.lines.size(), c.lines) << c.name;
    std::set<graphs::Colour> colours;
    for (const SceneTriangle& t : balloon.triangles) {
      const bool onAxis = t.corners[0].y == 0 && t.corners[0].z == 0;
      if (!onAxis) colours.insert(t.colour);
    }
    EXPECT_EQ(colours, c.cellColours) << c.name;
    EXPECT_EQ(scene.VisibleObjects(), 0b111u) << c.name;
    EXPECT_EQ(scene.NewObject(), 3) << c.name;  // the marker's slot is taken even when empty
  }
}

TEST(BalloonScene, GridColoursWidthsAndTexts) {
  const graphs::ShadePalette palette;
  model::NullSink debug;
  Scene scene(400, 400, debug);
  model::DataSet set = LevelSet(-30);
  set.info->symmetry = model::Symmetry::Horizontal;
  BuildBalloonScene(scene, set, State(OptionsWith({Option::kHeavyLines, Option::kShowSymmetry})),
                    palette);
  const SceneObject& balloon = scene.Object(1);
  // Arcs first: 0 .. 18 measured, the rest mirrored; then row pieces.
  EXPECT_EQ(balloon.lines[18].pen, (graphs::Pen{graphs::kBlack, 1, 0}));
  EXPECT_EQ(balloon.lines[19].pen, (graphs::Pen{graphs::kLightGrey, 1, 0}));
  EXPECT_EQ(balloon.lines[36 + 17].pen.colour, graphs::kBlack);      // row 1, arcs 17 to 18
  EXPECT_EQ(balloon.lines[36 + 18].pen.colour, graphs::kLightGrey);  // row 1, arcs 18 to 19
  ASSERT_EQ(balloon.texts3d.size(), 2u);
  EXPECT_EQ(balloon.texts3d[0].text, "Re on-axis");
  EXPECT_EQ(balloon.texts3d[1].text, "Horizontal sym");
  ExpectNear(balloon.texts3d[1].at, {-69, 0, 0}, "symmetry text");

  BuildBalloonScene(scene, set, State(OptionsWith({Option::kHeavyLines})), palette);
  const SceneObject& plain = scene.Object(1);
  // Rows 1..17, then arc 0 blue, arc 1 in two pieces, ..., arc 9 red.
  EXPECT_EQ(plain.lines[0].pen.colour, graphs::kBlack);
  EXPECT_EQ(plain.lines[9].pen.colour, graphs::kLightGrey);
  EXPECT_EQ(plain.lines[17].pen, (graphs::Pen{graphs::kBlue, 2, 0}));
  EXPECT_EQ(plain.lines[18].pen, (graphs::Pen{graphs::kBlack, 1, 0}));
  EXPECT_EQ(plain.lines[19].pen, (graphs::Pen{graphs::kLightGrey, 1, 0}));
  EXPECT_EQ(plain.lines[17 + 1 + 8 * 2].pen, (graphs::Pen{graphs::kRed, 2, 0}));

  const SceneObject& frame = scene.Object(0);
  ASSERT_EQ(frame.texts3d.size(), 3u);
  EXPECT_EQ(frame.texts3d[0].text, "Front (X)");
  EXPECT_EQ(frame.texts3d[1].text, "Left (Y)");
  EXPECT_EQ(frame.texts3d[2].text, "Up (Z)");
  ASSERT_EQ(frame.lines.size(), 6u);
  EXPECT_EQ(frame.lines[3].points.size(), 37u);
  ExpectNear(frame.lines[3].points[9], {0, 0, 60}, "red circle in X = 0");
  EXPECT_EQ(frame.lines[3].pen.colour, graphs::kRed);
}

TEST(BalloonScene, MarkerReachesTheLevelInItsDirection) {
  const graphs::ShadePalette palette;
  model::NullSink debug;
  Scene scene(400, 400, debug);
  BalloonViewState state = State(OptionsWith({}));
  state.marker = GridDirection{9, 4};
  BuildBalloonScene(scene, LevelSet(-30), state, palette);
  const SceneObject& marker = scene.Object(2);
  ASSERT_EQ(marker.lines.size(), 1u);
  const float r = 30;
  ExpectNear(marker.lines[0].points[1], {r * std::cos(0.6981317f), r * std::sin(0.6981317f), 0},
             "marker");
  state.marker = GridDirection{36, 0};
  BuildBalloonScene(scene, LevelSet(-30), state, palette);
  EXPECT_TRUE(scene.Object(2).lines.empty());
}

TEST(BalloonScene, DamagedLevelsDropOnlyTheirOwnTriangles) {
  const graphs::ShadePalette palette;
  model::NullSink debug;
  Scene scene(400, 300, debug);
  model::DataSet set = LevelSet(-10);
  set.data.Arc(kBand, 3)[5] = INFINITY;
  set.data.Arc(kBand, 20)[7] = NAN;
  BalloonViewState state = State(OptionsWith({Option::kShadeBalloon}));
  state.camera.view.azimuth = 60;
  BuildBalloonScene(scene, set, state, palette);
  scene.SetCamera(state.camera);
  const auto& drawn = scene.Projected().triangles;
  EXPECT_GT(drawn.size(), 500u);
  for (const auto& t : drawn) {
    for (const graphs::PixelPoint p : t.corners) {
      EXPECT_TRUE(p.x >= 0 && p.x <= 400 && p.y >= 0 && p.y <= 300) << p.x << "," << p.y;
    }
  }
}

TEST(BalloonLegend, BarTicksAndLabelsByRange) {
  const graphs::ShadePalette palette;
  const graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  graphs::GraphWindow window(800, 600, metrics, errors);
  const model::DataSet set = LevelSet(-30);
  DrawBalloonLegend(window, set, State(OptionsWith({Option::kShadeBalloon}), -20), palette, 1);
  EXPECT_EQ(graphs::LinesOfKind(window, 1, "text"),
            (std::vector<std::string>{"text 4 4 000000 f0 '0'", "text 20 4 000000 f0 '-5'",
                                      "text 37 4 000000 f0 '-10'", "text 57 4 000000 f0 '-15'",
                                      "text 77 4 000000 f0 '-20'"}));
  EXPECT_EQ(graphs::LinesOfKind(window, 1, "pixels"),
            (std::vector<std::string>{"pixels 7 21 81 12"}));
  DrawBalloonLegend(window, set, State(OptionsWith({Option::kShadeBalloon}), -40), palette, 1);
  EXPECT_EQ(graphs::LinesOfKind(window, 1, "pixels"),
            (std::vector<std::string>{"pixels 7 21 81 12"}));
  EXPECT_EQ(graphs::LinesOfKind(window, 1, "text").back(), "text 77 4 000000 f0 '-40'");
  DrawBalloonLegend(window, set, State(OptionsWith({Option::kShadeBalloon}), -30), palette, 1);
  EXPECT_EQ(graphs::LinesOfKind(window, 1, "pixels"),
            (std::vector<std::string>{"pixels 7 21 91 12"}));
  model::DataSet polar = LevelSet(-30);
  polar.info->symmetry = model::Symmetry::Polar;
  DrawBalloonLegend(window, polar, State(OptionsWith({}), -30), palette, 1);
  EXPECT_EQ(graphs::LinesOfKind(window, 1, "text"),
            (std::vector<std::string>{"text 365 5 000000 f0 '30 dB axis'",
                                      "text 5 582 0000FF f0 'Polar interpolated'"}));
}

}  // namespace
}  // namespace zef::view3d

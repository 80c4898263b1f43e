#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "case_file.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "view3d/balloon_mesh.h"
#include "view3d/balloon_scene.h"
#include "view3d_cases.h"

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
  // Level, view size and offset: the radius.
  const std::tuple<float, float, float, float> rows[] = {
      {0, 60, 0, 60},      {-10, 20, 5, 5},      {3, 30, 0, 33},     {-60, 60, 0, 0.01f},
      {-75, 60, 0, 0.01f}, {-10, 20, 12, 0.01f}, {NAN, 20, 0, 0.01f}};
  for (const auto& [level, viewSize, offset, radius] : rows) {
    EXPECT_EQ(BalloonRadius(level, viewSize, offset), radius) << level;
  }
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
  // The measured ones of arcs 0, 9, 10, 18, 27 and 30.
  const std::pair<Symmetry, std::vector<int>> rows[] = {{Symmetry::Full, {0, 9}},
                                                        {Symmetry::Vertical, {0, 9, 27, 30}},
                                                        {Symmetry::Horizontal, {0, 9, 10, 18}},
                                                        {Symmetry::None, {0, 9, 10, 18, 27, 30}},
                                                        {Symmetry::Rotational, {0}},
                                                        {Symmetry::Polar, {0, 9, 18, 27}}};
  for (const auto& [symmetry, expected] : rows) {
    std::vector<int> measured;
    for (const int arc : {0, 9, 10, 18, 27, 30}) {
      if (IsMeasuredArc(symmetry, model::kZef1Grid, arc)) measured.push_back(arc);
    }
    EXPECT_EQ(measured, expected) << static_cast<int>(symmetry);
  }
}

TEST(BalloonScene, ShadingAndGridFollowLevelsAndOptions) {
  const graphs::ShadePalette palette;
  const std::map<std::string, Option> names = {{"shade", Option::kShadeBalloon},
                                               {"remax", Option::kBalloonReferenceMax},
                                               {"coloured", Option::kColouredSphere},
                                               {"grid", Option::kGridWhenShaded},
                                               {"symmetry", Option::kShowSymmetry}};
  for (const auto& c : zef::testing::ReadCases("view3d/cases/balloon_scene.txt")) {
    const auto has = [&c](const char* word) { return c[0].find(word) != std::string::npos; };
    model::DataSet set = LevelSet(
        std::stof(c[0]), has("half") ? model::Radiation::HalfSphere : model::Radiation::FullSphere);
    if (has("passive")) set.info->type = model::SpeakerType::Passive;
    if (has("nosens")) set.data.Array(model::PerBand::Sensitivity)[kBand] = model::kNoData;
    graphs::OptionSet options(0);
    for (const std::string& name : testing::Split(c[1], " ")) {
      if (name != "-") options.Set(names.at(name), true);
    }
    model::NullSink debug;
    Scene scene(400, 400, debug);
    BuildBalloonScene(scene, set, State(options, std::stoi(c[2])), palette);
    const SceneObject& balloon = scene.Object(BalloonSlots{}.balloon);
    std::set<int> shades;
    for (const SceneTriangle& t : balloon.triangles) {
      const bool onAxis = t.corners[0].y == 0 && t.corners[0].z == 0;
      int index = 0;
      while (palette.At(index) != t.colour && index < graphs::ShadePalette::kSize) ++index;
      if (!onAxis) shades.insert(index);
    }
    std::string listed = shades.empty() ? "-" : "";
    for (const int index : shades) listed += (listed.empty() ? "" : " ") + std::to_string(index);
    EXPECT_EQ(std::to_string(balloon.triangles.size()) + " | " +
                  std::to_string(balloon.lines.size()) + " | " + listed,
              c[3] + " | " + c[4] + " | " + c[5])
        << c.where;
    EXPECT_EQ(scene.VisibleObjects(), 0b111u) << c.where;
    EXPECT_EQ(scene.NewObject(), 3) << c.where;  // the marker's slot is taken even when empty
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
  const auto pens = [](const SceneObject& object, std::initializer_list<std::size_t> lines) {
    std::vector<graphs::Pen> found;
    for (const std::size_t i : lines) found.push_back(object.lines.at(i).pen);
    return found;
  };
  const auto texts = [](const SceneObject& object) {
    std::vector<std::string> found;
    for (const auto& text : object.texts3d) found.push_back(text.text);
    return found;
  };
  using Pens = std::vector<graphs::Pen>;
  using Texts = std::vector<std::string>;
  const graphs::Pen black{graphs::kBlack, 1, 0}, grey{graphs::kLightGrey, 1, 0};
  const SceneObject& balloon = scene.Object(1);
  // Arcs first: 0 .. 18 measured, the rest mirrored; then the pieces of row 1 from arc 17 on.
  EXPECT_EQ(pens(balloon, {18, 19, 36 + 17, 36 + 18}), (Pens{black, grey, black, grey}));
  EXPECT_EQ(texts(balloon), (Texts{"Re on-axis", "Horizontal sym"}));
  ExpectNear(balloon.texts3d[1].at, {-69, 0, 0}, "symmetry text");

  BuildBalloonScene(scene, set, State(OptionsWith({Option::kHeavyLines})), palette);
  // Rows 1..17, then arc 0 blue, arc 1 in two pieces, ..., arc 9 red.
  EXPECT_EQ(pens(scene.Object(1), {0, 9, 17, 18, 19, 17 + 1 + 8 * 2}),
            (Pens{black, grey, {graphs::kBlue, 2, 0}, black, grey, {graphs::kRed, 2, 0}}));
  const SceneObject& frame = scene.Object(0);
  EXPECT_EQ(texts(frame), (Texts{"Front (X)", "Left (Y)", "Up (Z)"}));
  ASSERT_EQ(frame.lines.size(), 6u);
  EXPECT_EQ(std::pair(frame.lines[3].points.size(), frame.lines[3].pen.colour),
            std::pair(std::size_t{37}, graphs::kRed));
  ExpectNear(frame.lines[3].points[9], {0, 0, 60}, "red circle in X = 0");
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

// The bar, its ticks and labels by range; the polar note without shading.
TEST(BalloonLegend, BarTicksAndLabelsByRange) {
  const graphs::ShadePalette palette;
  const graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  graphs::GraphWindow window(800, 600, metrics, errors);
  model::DataSet set = LevelSet(-30);
  std::string listing;
  for (const int range : {-20, -30, -40, 0}) {
    if (range == 0) set.info->symmetry = model::Symmetry::Polar;
    const graphs::OptionSet options =
        OptionsWith({range ? Option::kShadeBalloon : Option::kHeavyLines});
    DrawBalloonLegend(window, set, State(options, range ? range : -30), palette, 1);
    listing += "== range " + std::to_string(range) + "\n";
    for (const std::string& line : graphs::CommandLines(window, 1)) listing += line + "\n";
  }
  zef::testing::ExpectGolden("view3d/golden/balloon_legend.txt", listing);
}

}  // namespace
}  // namespace zef::view3d

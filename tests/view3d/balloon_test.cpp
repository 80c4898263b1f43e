#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
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

TEST(BalloonMesh, ViewSizesRadiiAndMeasuredArcs) {
  for (const auto& c : zef::testing::ReadCases("view3d/cases/balloon_mesh.txt")) {
    const std::vector<float> v = testing::Floats(c[1]);
    std::string result;
    if (c[0] == "view") {
      const auto size = ViewSizeOfRange(static_cast<int>(v[0]));
      result = size ? testing::Rounded(*size) : "none";
    } else if (c[0] == "radius") {
      result = testing::Rounded(BalloonRadius(v[0], v[1], v[2]));
    } else {
      for (const int arc : {0, 9, 10, 18, 27, 30}) {
        if (IsMeasuredArc(model::Symmetry(v[0]), model::kZef1Grid, arc))
          result += (result.empty() ? "" : " ") + std::to_string(arc);
      }
    }
    EXPECT_EQ(result, c[2]) << c.where;
  }
}

// On axis, then at the side arc 0 points up, arc 9 a quarter turn left, arc
// 27 right; the rear; and as a sphere.
TEST(BalloonMesh, ArcZeroPointsUpAndAQuarterTurnLeft) {
  model::DataSet set = LevelSet(-20);
  set.data.Arc(kBand, 9)[9] = -50;
  const BalloonMesh mesh = BuildBalloonMesh(set, kBand, 60, 0, false);
  EXPECT_EQ(testing::At(mesh.Point(0, 7)) + " " + testing::At(mesh.Point(9, 0)) + " " +
                testing::At(mesh.Point(9, 9)) + " " + testing::At(mesh.Point(9, 27)) + " " +
                testing::At(mesh.Point(18, 3)) + " " +
                testing::At(BuildBalloonMesh(set, kBand, 60, 0, true).Point(9, 9)),
            "60,0,0 0,0,40 0,10,0 0,-40,0 -40,0,0 0,60,0");
  EXPECT_EQ(mesh.Level(9, 9), -50);
  EXPECT_NEAR(PowerAverage({0, -10, -20}), -4.3180f, 1e-4);
}

// Each object of a scene: its lines in runs of one kind (colour/width/points),
// with three points of the run's first line, then its texts.
std::string SceneListing(const Scene& scene) {
  std::string out;
  for (int slot = 0; slot < 3; ++slot) {
    const SceneObject& object = scene.Object(slot);
    out += "object " + std::to_string(slot) + ":\n";
    for (std::size_t i = 0, run = 1; i < object.lines.size(); i += run) {
      const auto kind = [&object](std::size_t k) {
        const SceneLine& l = object.lines[k];
        char text[40];
        std::snprintf(text, sizeof text, "%06X/%d/%zu%s", static_cast<unsigned>(l.pen.colour),
                      l.pen.width, l.points.size(), l.closed ? " closed" : "");
        return std::string(text);
      };
      for (run = 1; i + run < object.lines.size() && kind(i + run) == kind(i);) ++run;
      const std::vector<Vec3>& p = object.lines[i].points;
      out += "  " + kind(i) + " x" + std::to_string(run) + ": " + testing::At(p[0]) + " " +
             testing::At(p[p.size() / 4]) + " " + testing::At(p.back()) + "\n";
    }
    for (const SceneText& t : object.texts3d)
      out += "  '" + t.text + "' " + testing::At(t.at) + "\n";
  }
  return out;
}

// Counts and shades of the balloon's triangles and lines by levels, options and
// range; for some, the whole scene or the legend in the golden listing.
TEST(BalloonScene, LevelsOptionsSymmetryAndMarker) {
  const graphs::ShadePalette palette;
  const graphs::FixedFontMetrics metrics;
  model::NullSink debug;
  graphs::GraphWindow window(800, 600, metrics, debug);
  const std::map<std::string, Option> names = {
      {"shade", Option::kShadeBalloon},      {"remax", Option::kBalloonReferenceMax},
      {"coloured", Option::kColouredSphere}, {"grid", Option::kGridWhenShaded},
      {"symmetry", Option::kShowSymmetry},   {"heavy", Option::kHeavyLines}};
  std::string listing;
  for (const auto& c : zef::testing::ReadCases("view3d/cases/balloon_scene.txt")) {
    std::istringstream words(c[0] + " " + c[1]);
    float level = 0;
    words >> level;
    model::DataSet set =
        LevelSet(level, c[0].find("half") != std::string::npos ? model::Radiation::HalfSphere
                                                               : model::Radiation::FullSphere);
    BalloonViewState state = State(graphs::OptionSet(0), std::stoi(c[2]));
    for (std::string word; words >> word;) {
      if (word == "passive") set.info->type = model::SpeakerType::Passive;
      if (word == "nosens") set.data.Array(model::PerBand::Sensitivity)[kBand] = model::kNoData;
      if (word.starts_with("symmetry=")) set.info->symmetry = model::Symmetry(word[9] - '0');
      if (word.starts_with("marker="))
        std::sscanf(word.c_str(), "marker=%d,%d", &state.marker.emplace().arc,
                    &state.marker->point);
      if (names.contains(word)) state.options.Set(names.at(word), true);
      if (word == "damaged") {  // two levels no number, seen from the side
        set.data.Arc(kBand, 3)[5] = INFINITY;
        set.data.Arc(kBand, 20)[7] = NAN;
        state.camera.view.azimuth = 60;
      }
    }
    Scene scene(400, 300, debug);
    BuildBalloonScene(scene, set, state, palette);
    scene.SetCamera(state.camera);
    for (const auto& t : scene.Projected().triangles) {  // all within the window
      for (const graphs::PixelPoint p : t.corners)
        EXPECT_TRUE(p.x >= 0 && p.x <= 400 && p.y >= 0 && p.y <= 300) << c.where;
    }
    const SceneObject& balloon = scene.Object(BalloonSlots{}.balloon);
    std::set<int> shades;
    for (const SceneTriangle& t : balloon.triangles) {
      int index = 0;
      while (palette.At(index) != t.colour && index < graphs::ShadePalette::kSize) ++index;
      if (t.corners[0].y != 0 || t.corners[0].z != 0) shades.insert(index);  // off the axis
    }
    std::string listed = shades.empty() ? "-" : "";
    for (const int index : shades) listed += (listed.empty() ? "" : " ") + std::to_string(index);
    EXPECT_EQ(std::to_string(balloon.triangles.size()) + " | " +
                  std::to_string(balloon.lines.size()) + " | " + listed,
              c[3] + " | " + c[4] + " | " + c[5])
        << c.where;
    EXPECT_EQ(scene.VisibleObjects(), 0b111u) << c.where;
    EXPECT_EQ(scene.NewObject(), 3) << c.where;  // the marker's slot is taken even when empty
    if (c.fields.size() < 7) continue;
    listing += "== " + c[0] + " | " + c[1] + " | " + c[2] + ": " + c[6] + "\n";
    if (c[6] == "scene") listing += SceneListing(scene);
    if (c[6] != "legend") continue;
    DrawBalloonLegend(window, set, state, palette, 1);
    for (const std::string& line : graphs::CommandLines(window, 1)) listing += line + "\n";
  }
  zef::testing::ExpectGolden("view3d/golden/balloon_scene.txt", listing);
}

}  // namespace
}  // namespace zef::view3d

#include "phase/phase_balloon.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <numbers>

#include "case_file.h"
#include "phase/phase_window_state.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using graphs::Option;

// "colour/width/points" of every line of an object, counted.
std::map<std::string, int> LineKinds(const view3d::SceneObject& object) {
  std::map<std::string, int> kinds;
  for (const view3d::SceneLine& l : object.lines) {
    char text[40];
    std::snprintf(text, sizeof text, "%06X/%d/%zu%s", static_cast<unsigned>(l.pen.colour),
                  l.pen.width, l.points.size(), l.closed ? " closed" : "");
    ++kinds[text];
  }
  return kinds;
}

class PhaseBalloonTest : public ::testing::Test {
 protected:
  const view3d::SceneObject& Build(bool unwrap, std::initializer_list<Option> on) {
    graphs::OptionSet options(0);
    for (const Option o : on) options.Set(o, true);
    BuildPhaseBalloon(scene, set, 16, unwrap, options);
    return scene.Object(0);
  }
  model::DataSet set = PhaseSet();
  model::LineSink debug;
  view3d::Scene scene{300, 300, debug};
};

TEST(PhaseRadius, PhaseZeroOnTheSphereMinusTwoPiAtTheCentre) {
  const float cases[][2] = {
      {0, 62.831852f}, {1, 72.831852f}, {-2 * std::numbers::pi_v<float>, 0}, {-10, 0}};
  for (const auto& c : cases) EXPECT_NEAR(PhaseRadius(c[0]), c[1], 1e-4) << c[0];
}

// The plain mesh (rings, then arcs with the main arcs in colour), heavy main
// arcs, and what each symmetry colours: count of lines by colour/width/points.
TEST_F(PhaseBalloonTest, LineKindsByOptionsAndSymmetry) {
  std::string listing;
  const auto list = [&](const std::string& name, std::initializer_list<Option> on) {
    listing += "== " + name + "\n";
    for (const auto& [kind, count] : LineKinds(Build(false, on)))
      listing += kind + " x" + std::to_string(count) + "\n";
  };
  list("plain", {});
  EXPECT_EQ(scene.Object(1).texts3d.size(), 4U);  // three axes and the model name
  EXPECT_EQ(scene.VisibleObjects(), 3U);
  list("heavy lines", {Option::kHeavyLines});
  for (const auto& [symmetry, name] : {std::pair{model::Symmetry::Full, "full"},
                                       {model::Symmetry::Vertical, "vertical"},
                                       {model::Symmetry::Rotational, "rotational"}}) {
    set.info->symmetry = symmetry;
    list(std::string(name) + " symmetry shown", {Option::kShowSymmetry});
  }
  zef::testing::ExpectGolden("phase/golden/balloon_lines.txt", listing);
}

TEST_F(PhaseBalloonTest, UnwrapMovesPointsPastAWrap) {
  set.phase->balloon[16][0][1] = 3.0f;
  set.phase->balloon[16][0][2] = -3.0f;
  // Arc 0 is the first arc line after the 37 rings; point 2 is 10 degrees off axis.
  const auto radiusOfPoint2 = [&](bool unwrap) {
    const view3d::Vec3 p = Build(unwrap, {}).lines[37].points[2];
    return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
  };
  EXPECT_NEAR(radiusOfPoint2(false), 32.831852f, 1e-3);
  EXPECT_NEAR(radiusOfPoint2(true), 95.663704f, 1e-3);
}

TEST(PhaseWindowCamera, OwnCameraOrTheTrackedMainCameraAt300) {
  model::DataSet set = PhaseSet();
  PhaseWindowModel window;
  view3d::ViewCamera main;
  main.azimuth = 90;
  main.distance = 120;
  window.Update(update::kBalloon, set, 16, main);
  EXPECT_EQ(window.BalloonCamera(), PhaseCamera());
  EXPECT_FLOAT_EQ(PhaseCamera().distance, 314.15926f);
  window.ToggleTrackMag();
  main.distance = 300;
  EXPECT_EQ(window.BalloonCamera(), main);
}

}  // namespace
}  // namespace zef::phase

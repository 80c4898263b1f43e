#include "app/phase_display.h"

#include <gtest/gtest.h>

#include "app/dialog_ids.h"
#include "app/option_commands.h"
#include "app/shell.h"
#include "binary/binary_fixture.h"
#include "fake_platform.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

using namespace control;
using namespace phase_control;
using phase::CurveMode;
using phase::Redraw;
using view3d::MouseAction;

constexpr char kZef1[] = "data/samples/two-way-zef1.txt";
constexpr char kCoax[] = "data/samples/coax-zef2-v2.txt";

TEST(PhaseDisplay, ActiveOnlyForPhaseDataReadFromAText) {
  struct Case {
    bool phase, fromText, active;
  };
  for (const Case& c :
       {Case{true, true, true}, Case{true, false, false}, Case{false, true, false}}) {
    auto set = binary::testing::FilledSet(model::FormatKind::Zef2, 2);
    if (c.phase) binary::testing::AddPhase(*set, model::FilterKind::FirWav);
    LoadedFile file;
    file.set = std::move(set);
    file.loadedFromText = c.fromText;
    DataSetHolder holder;
    holder.Install(std::move(file));
    PhaseDisplay display;
    display.Loaded(holder, ShellState{});
    EXPECT_EQ(display.Active(), c.active) << c.phase << c.fromText;
    EXPECT_EQ(display.Window().Visible(), c.active) << c.phase << c.fromText;
  }
}

// The phase window driven through the shell, on the coax sample.
class PhaseShellTest : public ::testing::Test {
 protected:
  PhaseShellTest() {
    shell_.Start(kCoax);
    Phase().TakeRedraw();
  }
  PhaseDisplay& Phase() { return shell_.Phase(); }
  const phase::PhaseWindowModel& Window() { return shell_.Phase().Window(); }
  std::tuple<float, float, float> Seen() {
    const view3d::ViewCamera camera = Window().BalloonCamera();
    return {camera.azimuth, camera.elevation, camera.distance};
  }

  wav::testing::TempDir dir_;
  testing::FakeShellPlatform desktop_;
  ListWindowLines errors_{ListWindowLines::kErrorRules};
  Shell shell_{desktop_, errors_, {dir_.Path("c"), dir_.Path("p"), "zefview", ""}, false};
};

TEST_F(PhaseShellTest, FollowsTheBandAndHidesForASetWithoutPhase) {
  EXPECT_TRUE(Window().Visible() && Window().FilterModesEnabled());
  shell_.ControlCommand(kBandCombo, 12);
  EXPECT_EQ(Window().Caption(), "Phase balloon - 1kHz");
  EXPECT_EQ(Phase().TakeRedraw(), (Redraw{true, true}));
  EXPECT_EQ(Phase().TakeRedraw(), Redraw{});
  shell_.OpenNamed(kZef1);
  EXPECT_FALSE(Window().Visible());
  shell_.PhaseCommand(kUnwrap);
  EXPECT_FALSE(Window().Unwrap());
}

TEST_F(PhaseShellTest, CommandsAndWhatTheyRedraw) {
  struct Case {
    int id;  // a phase window control, or a menu command from 30
    CurveMode mode;
    bool unwrap;
    Redraw redraw;
  };
  const Case cases[] = {
      {kSensitivity + 2, CurveMode::kCombined, false, {false, true}},
      {kSensitivity + 1, CurveMode::kFilter, false, {false, true}},
      {option_id::kSymmetry, CurveMode::kFilter, false, {true, true}},  // redrawn as it was
      {option_id::kHeavyCurves, CurveMode::kSensitivity, false, {true, true}},
      {kSensitivity + 1, CurveMode::kFilter, false, {false, true}},
      {kUnwrap, CurveMode::kSensitivity, true, {true, true}},
      {kUnwrap, CurveMode::kSensitivity, false, {true, true}},
      {kTrackMag, CurveMode::kSensitivity, false, {true, false}},
      {kTrackMag, CurveMode::kSensitivity, false, {}},
  };
  for (const Case& c : cases) {
    if (c.id >= option_id::kFirst) {
      shell_.MenuCommand(c.id);
    } else {
      shell_.PhaseCommand(c.id);
    }
    EXPECT_EQ(Window().Mode(), c.mode) << c.id;
    EXPECT_EQ(Window().Unwrap(), c.unwrap) << c.id;
    EXPECT_EQ(Phase().TakeRedraw(), c.redraw) << c.id;
  }
}

TEST_F(PhaseShellTest, TrackMagFollowsTheMainCameraAndTheMouseTurnsTheRest) {
  shell_.MutableState().balloonCamera.azimuth = 70;
  shell_.MainCameraMoved();
  EXPECT_EQ(Seen(), std::tuple(30.0f, 30.0f, 314.15926f));  // its own camera
  shell_.PhaseCommand(kTrackMag);
  EXPECT_EQ(Seen(), std::tuple(70.0f, 30.0f, 300.0f));
  shell_.ControlCommand(kTopView);
  EXPECT_EQ(Seen(), std::tuple(0.0f, 90.0f, 300.0f));
  shell_.PhaseCommand(kTrackMag);  // off: the picture stays as it is
  shell_.ControlCommand(kFrontView);
  EXPECT_EQ(Seen(), std::tuple(0.0f, 90.0f, 300.0f));
  for (const auto& [action, x] : {std::pair{MouseAction::kLeftDown, 100},
                                  {MouseAction::kMove, 140},
                                  {MouseAction::kLeftUp, 140}}) {
    Phase().Mouse({action, x, 100}, 400, 300);
  }
  EXPECT_EQ(Seen(), std::tuple(320.0f, 90.0f, 300.0f));
  EXPECT_EQ(Phase().TakeRedraw(), (Redraw{true, true}));
}

}  // namespace
}  // namespace zef::app

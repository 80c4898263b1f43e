#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/color_map_readout.h"
#include "app/dialog_ids.h"
#include "app/fake_platform.h"
#include "app/lower_graph.h"
#include "app/main_menu.h"
#include "app/shell.h"
#include "app/shell_views.h"
#include "app/upper_graph.h"
#include "graphs/fixed_font_metrics.h"
#include "model/bands.h"
#include "model/message_sink.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

class ViewsTest : public ::testing::Test {
 protected:
  void SetUp() override { shell_.Start("data/samples/coax-zef2-v2.txt"); }

  wav::testing::TempDir dir_;
  testing::DesktopFake desktop_;
  ListWindowLines errors_{ListWindowLines::kErrorRules};
  Shell shell_{desktop_, errors_, {dir_.Path("c"), dir_.Path("p"), "zefview", ""}, false};
};

TEST_F(ViewsTest, ColorMapReadoutNamesBandAngleAndLevel) {
  const graphs::FixedFontMetrics fonts;
  model::LineSink errors;
  graphs::GraphWindow window(600, 400, fonts, errors);
  shell_.ControlCommand(control::kPolarsRadio + 1);
  std::string error;
  ASSERT_TRUE(BuildLowerGraph(
      LowerGraphRequest(shell_.State(), shell_.Options(), *shell_.Holder().Loaded(), 600, 400),
      shell_.Holder(), false, window, error));
  // Band coordinate and angle of the lower (vertical) map; the upper map lies 200 higher.
  const auto at = [&](double band, double angle, int shift) {
    const graphs::PixelPoint p = window.WorldToDevice(band, angle);
    return ColorMapReadout(window, shell_.Holder(), shell_.Options(), true, p.x, p.y - shift);
  };
  EXPECT_EQ(at(5.0, 32, 200).substr(0, 18), "125 Hz ; 30 Deg ; ");
  EXPECT_EQ(at(5.0, -47, 0).substr(0, 18), "125 Hz ; -45 Deg ;");
  // Band 3 (50 Hz) lies below the file's first band, 27.6 beyond its last.
  EXPECT_EQ(at(1.0, 0, 0) + at(27.6, 0, 0), "");
  EXPECT_NE(at(27.4, 0, 0).find(","), std::string::npos);  // a decimal comma
}

TEST_F(ViewsTest, UpperGraphTurnsWithTheMouseAndDrawsTheCabinet) {
  model::LineSink debug;
  UpperGraph upper(debug);
  upper.SetSize(400, 300);
  EXPECT_FALSE(upper.Rebuild(*shell_.SetForDrawing(), shell_.State(), shell_.Options()));
  EXPECT_GT(upper.PolygonCount(), 0u);
  ShellState& state = shell_.MutableState();
  upper.Mouse({view3d::MouseAction::kLeftDown, 100, 100, false}, state);
  EXPECT_TRUE(upper.Mouse({view3d::MouseAction::kMove, 60, 100, false}, state));
  EXPECT_FALSE(upper.Mouse({view3d::MouseAction::kMove, 61, 100, false}, state));  // under 2 pixels
  EXPECT_EQ(state.balloonCamera.azimuth, 70.0f);
  upper.Mouse({view3d::MouseAction::kLeftUp, 61, 100, false}, state);
  using view3d::HintChange;
  const std::pair<int, HintChange> hovers[] = {{50, HintChange::kShow},
                                               {60, HintChange::kNone},
                                               {-1, HintChange::kRestore},
                                               {-5, HintChange::kNone}};
  for (const auto& [x, change] : hovers) {
    EXPECT_EQ(upper.Hover({view3d::MouseAction::kMove, x, 50, false}), change) << x;
  }
  shell_.ControlCommand(control::kCabinetRadio);
  EXPECT_FALSE(upper.Rebuild(*shell_.SetForDrawing(), shell_.State(), shell_.Options()));
  // The rectangular box is drawn in lines.
  EXPECT_EQ(std::pair(upper.PolygonCount(), shell_.State().cabinetCamera.azimuth),
            std::pair(std::size_t{0}, 70.0f));
}

}  // namespace
}  // namespace zef::app

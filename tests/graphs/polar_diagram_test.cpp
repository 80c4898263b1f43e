#include "graphs/polar_diagram.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/command_lines.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/view_inputs.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

using ::testing::ElementsAre;
using ::testing::SizeIs;

constexpr int kBand = 5;

// A 280 x 280 window: 2 pixels a unit, the centre at (140, 140).
class PolarDiagramTest : public ::testing::Test {
 protected:
  PolarInput Input(int range, OptionSet options = OptionSet(0)) const {
    PolarInput input(set, figures);
    input.reference = reference;
    input.options = options;
    input.polarRange = range;
    input.band = kBand;
    return input;
  }
  void Build(const PolarInput& input) { BuildPolarDiagram(window, input); }
  std::vector<std::string> Grid(const std::string& kind) const {
    return LinesOfKind(window, 0, kind);
  }
  std::vector<std::string> Curves(const std::string& kind) const {
    return LinesOfKind(window, 1, kind);
  }

  model::DataSet set = FlatBalloonSet(model::FormatKind::Zef1, 1, 9);
  analysis::DirectivityFigures figures;
  analysis::SensitivityReference reference;
  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{280, 280, metrics, errors};
};

struct CircleCase {
  int range;
  bool sixDb;
  std::vector<std::string> circles;
};

TEST_F(PolarDiagramTest, GridCirclesFollowTheRadiusRule) {
  const std::vector<CircleCase> cases = {
      {30,
       false,
       {"circle 140 140 149 C8C8C8 w1 d2 outline", "circle 140 140 116 646464 w1 d0 outline",
        "circle 140 140 83 C8C8C8 w1 d0 outline", "circle 140 140 49 C8C8C8 w1 d0 outline",
        "circle 140 140 16 646464 w1 d0 outline", "circle 140 140 96 C8C8FF w1 d2 outline"}},
      {24,
       true,
       {"circle 140 140 152 C8C8C8 w1 d2 outline", "circle 140 140 112 646464 w1 d0 outline",
        "circle 140 140 88 C8C8C8 w1 d0 outline", "circle 140 140 64 C8C8C8 w1 d0 outline",
        "circle 140 140 40 C8C8C8 w1 d0 outline", "circle 140 140 16 646464 w1 d0 outline"}},
  };
  for (const CircleCase& c : cases) {
    SCOPED_TRACE(c.range);
    Build(Input(c.range, c.sixDb ? OptionsWith({Option::kPolarTics6Db}) : OptionSet(0)));
    EXPECT_EQ(Grid("circle"), c.circles);
  }
}

TEST_F(PolarDiagramTest, RaysRunFromTheInnerRingToZeroDb) {
  Build(Input(30));
  const std::vector<std::string> lines = Grid("line");
  ASSERT_THAT(lines, SizeIs(36));
  EXPECT_EQ(Grid("move")[1], "move 156 137");
  EXPECT_EQ(lines[1], "line 254 120 C8C8C8 w1 d0");
  EXPECT_EQ(lines[9], "line 140 24 646464 w1 d0");  // 90 degrees, upwards
}

TEST_F(PolarDiagramTest, LabelsTheLevelsAndTheEdges) {
  Build(Input(30));
  EXPECT_THAT(Grid("text"),
              ElementsAre("text 230 150 000000 f0 '-10'", "text 196 150 000000 f0 '-20'",
                          "text 163 150 000000 f0 '-30'", "text 133 2 FF0000 f0 'Up'",
                          "text 126 265 FF0000 f0 'Down'", "text 98 2 0000FF f0 'Left'",
                          "text 84 265 0000FF f0 'Right'", "text 243 134 000000 f0 'Front'",
                          "text 2 134 000000 f0 'Back'", "text 2 2 000000 f0 'Re on-axis'"));

  // Every other 6-dB circle is labelled; the reference follows the option.
  Build(Input(48, OptionsWith({Option::kPolarTics6Db, Option::kPolarReferenceMax})));
  const std::vector<std::string> texts = Grid("text");
  EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 4),
              ElementsAre("text 235 150 000000 f0 '-12'", "text 211 150 000000 f0 '-24'",
                          "text 187 150 000000 f0 '-36'", "text 163 150 000000 f0 '-48'"));
  EXPECT_EQ(texts.back(), "text 2 2 000000 f0 'Re max Sensitivity'");
}

TEST_F(PolarDiagramTest, DisplaySwitchesLeaveTheirPartsOut) {
  PolarInput input = Input(30);
  input.display = {.horizontal = false, .vertical = true, .grid = false, .labels = false};
  Build(input);
  EXPECT_TRUE(Grid("circle").empty());
  EXPECT_TRUE(Grid("text").empty());
  EXPECT_THAT(Curves("polyline"), SizeIs(1));
}

TEST_F(PolarDiagramTest, CurveGoesDownTheFirstArcAndBackUpTheSecond) {
  SetArcLevel(set, kBand, 9, -100);  // below the centre
  Build(Input(30, OptionsWith({Option::kHeavyLines})));
  const std::vector<Command>& layer = window.Layer(1);
  const auto* curve = std::get_if<PolylineCommand>(&layer.at(1));
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->pen, (Pen{kRed, 2, 0}));
  EXPECT_FALSE(curve->closed);
  const std::vector<PixelPoint>& p = curve->points;
  ASSERT_THAT(p, SizeIs(37));
  EXPECT_EQ(p[0], (PixelPoint{256, 140}));   // on axis at 0 dB
  EXPECT_EQ(p[18], (PixelPoint{140, 140}));  // first arc's rear point, at the centre
  EXPECT_EQ(p[19], (PixelPoint{26, 120}));   // second arc at +170 degrees
  EXPECT_EQ(p[36], p[0]);
}

TEST_F(PolarDiagramTest, MaxReferenceOffsetsTheLevels) {
  auto sensitivity = set.data.Array(model::PerBand::Sensitivity);
  sensitivity[kBand] = 87;
  reference.maximum = 90;
  const OptionSet maxReference = OptionsWith({Option::kPolarReferenceMax});

  Build(Input(30, maxReference));  // 3 dB below the most sensitive band
  EXPECT_THAT(Curves("polyline")[0], ::testing::StartsWith("polyline 0000FF w1 d0 open 246,140 "));

  set.info->type = model::SpeakerType::Powered;
  Build(Input(30, maxReference));
  EXPECT_THAT(Curves("polyline")[0], ::testing::StartsWith("polyline 0000FF w1 d0 open 256,140 "));

  // Without the band's sensitivity nothing can be drawn relative to it.
  set.info->type = model::SpeakerType::Passive;
  sensitivity[kBand] = model::kNoData;
  Build(Input(30, maxReference));
  EXPECT_THAT(CommandLines(window, 1), ElementsAre("origin 140 140 1 -1"));
}

TEST_F(PolarDiagramTest, MarksTheHalfWidthsAndTheMaximum) {
  set.data.Array(model::PerBand::HalfWidthH1)[kBand] = 30;
  set.data.Array(model::PerBand::HalfWidthH2)[kBand] = 40;
  set.data.Array(model::PerBand::HalfWidthV1)[kBand] = 60;
  set.data.Array(model::PerBand::HalfWidthV2)[kBand] = 90;
  figures.horizontalMaxAngle[kBand] = 10;
  figures.verticalMaxAngle[kBand] = -20;

  Build(Input(30, OptionsWith({Option::kMarkMinus6Db})));
  EXPECT_THAT(
      Curves("circle"),
      ElementsAre("circle 223 188 4 0000FF w1 d0 outline", "circle 214 78 4 0000FF w1 d0 outline",
                  "circle 254 120 4 0000FF w1 d0 fill", "circle 188 223 4 FF0000 w1 d0 outline",
                  "circle 140 44 4 FF0000 w1 d0 outline", "circle 249 180 4 FF0000 w1 d0 fill"));
}

TEST_F(PolarDiagramTest, DrawsNoCurvesOutsideTheBandsOrTheRange) {
  set.data.MaxBand() = 4;
  Build(Input(30));
  EXPECT_TRUE(Curves("polyline").empty());

  set.data.MaxBand() = 9;
  for (const int range : {0, 121}) {
    Build(Input(range));
    EXPECT_THAT(CommandLines(window, 0), ElementsAre("origin 140 140 1 -1"));
    EXPECT_THAT(CommandLines(window, 1), ElementsAre("origin 140 140 1 -1"));
  }
}

}  // namespace
}  // namespace zef::graphs

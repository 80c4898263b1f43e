#include "graphs/polar_diagram.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

using ::testing::ElementsAre;
using ::testing::SizeIs;

constexpr int kBand = 5;
constexpr int kGrid = 0;
constexpr int kCurves = 1;
constexpr int kLabels = 2;

// A 280 x 280 window: 2 pixels a unit, the centre at (140, 140).
class PolarDiagramTest : public ::testing::Test {
 protected:
  void Build(int range, OptionSet options = OptionSet(0), PolarDisplay display = {}) {
    PolarInput input(set, figures);
    input.reference = reference;
    input.options = options;
    input.polarRange = range;
    input.band = kBand;
    input.display = display;
    BuildPolarDiagram(window, input);
  }
  std::vector<std::string> Lines(int layer, const std::string& kind) const {
    return LinesOfKind(window, layer, kind);
  }
  std::vector<PixelPoint> Curve(std::size_t index) const {
    std::vector<PixelPoint> points;
    for (const Command& c : window.Layer(kCurves)) {
      if (const auto* curve = std::get_if<PolylineCommand>(&c); curve && index-- == 0) {
        return curve->points;
      }
    }
    return points;
  }

  model::DataSet set = FlatBalloonSet(model::FormatKind::Zef1, 1, 9);
  analysis::DirectivityFigures figures;
  analysis::SensitivityReference reference;
  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{280, 280, metrics, errors};
};

TEST_F(PolarDiagramTest, GridCirclesFollowTheRadiusRule) {
  // +10 dB dashed, 0 dB, the level circles, then -6 dB (10 dB tics) or the last 6-dB circle.
  const std::pair<int, std::vector<std::string>> cases[] = {
      {30,
       {"149 C8C8C8 w1 d2", "116 646464 w1 d0", "83 C8C8C8 w1 d0", "49 C8C8C8 w1 d0",
        "16 646464 w1 d0", "96 C8C8FF w1 d2"}},
      {24,
       {"152 C8C8C8 w1 d2", "112 646464 w1 d0", "88 C8C8C8 w1 d0", "64 C8C8C8 w1 d0",
        "40 C8C8C8 w1 d0", "16 646464 w1 d0"}},
  };
  for (const auto& [range, circles] : cases) {
    Build(range, range == 24 ? OptionsWith({Option::kPolarTics6Db}) : OptionSet(0));
    std::vector<std::string> expected;
    for (const std::string& c : circles) expected.push_back("circle 140 140 " + c + " outline");
    EXPECT_EQ(Lines(kGrid, "circle"), expected) << range;
  }
  ASSERT_THAT(Lines(kGrid, "line"), SizeIs(36));
  EXPECT_EQ(Lines(kGrid, "line")[9], "line 140 28 646464 w1 d0");  // 90 degrees, upwards
}

TEST_F(PolarDiagramTest, LabelsLieAboveTheCurvesOnTheBackground) {
  Build(30);
  EXPECT_THAT(
      Lines(kLabels, "text"),
      ElementsAre("text 230 150 000000 f0 '-10' opaque", "text 196 150 000000 f0 '-20' opaque",
                  "text 163 150 000000 f0 '-30' opaque", "text 133 2 FF0000 f0 'Up' opaque",
                  "text 126 265 FF0000 f0 'Down' opaque", "text 98 2 0000FF f0 'Left' opaque",
                  "text 84 265 0000FF f0 'Right' opaque", "text 243 134 000000 f0 'Front' opaque",
                  "text 2 134 000000 f0 'Back' opaque", "text 2 2 000000 f0 'Re on-axis' opaque"));
  EXPECT_EQ(window.VisibleLayers(), 0b111u);

  // Every other 6-dB circle is labelled; the reference follows the option.
  Build(48, OptionsWith({Option::kPolarTics6Db, Option::kPolarReferenceMax}));
  const std::vector<std::string> texts = Lines(kLabels, "text");
  ASSERT_THAT(texts, SizeIs(11));
  EXPECT_EQ(texts[3], "text 163 150 000000 f0 '-48' opaque");
  EXPECT_EQ(texts.back(), "text 2 2 000000 f0 'Re max Sensitivity' opaque");

  Build(30, OptionSet(0), {.horizontal = false, .vertical = true, .grid = false, .labels = false});
  EXPECT_TRUE(Lines(kGrid, "circle").empty());
  EXPECT_TRUE(Lines(kLabels, "text").empty());
  EXPECT_THAT(Lines(kCurves, "polyline"), SizeIs(1));
}

// Arc 0 points up and arc 9 to the left: each plane's first arc belongs
// where "Up" and "Left" stand, above the axis.
TEST_F(PolarDiagramTest, FirstArcsLieAboveTheAxis) {
  SetArcLevel(set, kBand, 9, -10);    // left
  SetArcLevel(set, kBand, 0, -20);    // up
  SetArcLevel(set, kBand, 27, -100);  // right, below the centre
  Build(30, OptionsWith({Option::kHeavyLines}));
  EXPECT_THAT(Lines(kCurves, "polyline"),
              ElementsAre(testing::StartsWith("polyline 0000FF w2 d0 open 256,140 "),
                          testing::StartsWith("polyline FF0000 w2 d0 open 256,140 ")));
  const std::vector<PixelPoint> horizontal = Curve(0);
  const std::vector<PixelPoint> vertical = Curve(1);
  ASSERT_THAT(horizontal, SizeIs(37));
  ASSERT_THAT(vertical, SizeIs(37));
  const struct {
    const std::vector<PixelPoint>& curve;
    std::size_t index;
    PixelPoint at;
  } cases[] = {
      {horizontal, 9, {140, 57}},    // +90 degrees, -10 dB
      {horizontal, 18, {57, 140}},   // the rear, point 18 of arc 9
      {horizontal, 27, {140, 140}},  // -90 degrees, at the centre
      {vertical, 9, {140, 91}},      // +90 degrees, -20 dB
      {vertical, 27, {140, 256}},    // -90 degrees, 0 dB
      {vertical, 36, {256, 140}},    // closed on the axis
  };
  for (const auto& c : cases) EXPECT_EQ(c.curve[c.index], c.at) << c.index;
}

TEST_F(PolarDiagramTest, MaxReferenceOffsetsTheLevels) {
  auto sensitivity = set.data.Array(model::PerBand::Sensitivity);
  sensitivity[kBand] = 87;
  reference.maximum = 90;
  const OptionSet maxReference = OptionsWith({Option::kPolarReferenceMax});
  Build(30, maxReference);  // 3 dB below the most sensitive band
  EXPECT_THAT(Curve(0), testing::Contains(PixelPoint{246, 140}));

  set.info->type = model::SpeakerType::Powered;
  Build(30, maxReference);
  EXPECT_EQ(Curve(0).at(0), (PixelPoint{256, 140}));

  // Without the band's sensitivity nothing can be referred to the maximum.
  set.info->type = model::SpeakerType::Passive;
  sensitivity[kBand] = model::kNoData;
  Build(30, maxReference);
  EXPECT_THAT(CommandLines(window, kCurves),
              ElementsAre("origin 140 140 1 -1", "text 116 134 000000 f0 'No data' opaque"));
}

TEST_F(PolarDiagramTest, MarksTheHalfWidthsAndTheMaximum) {
  set.data.Array(model::PerBand::HalfWidthH1)[kBand] = 30;
  set.data.Array(model::PerBand::HalfWidthH2)[kBand] = 40;
  set.data.Array(model::PerBand::HalfWidthV1)[kBand] = 60;
  set.data.Array(model::PerBand::HalfWidthV2)[kBand] = 90;
  figures.horizontalMaxAngle[kBand] = 10;  // towards the second arc
  figures.verticalMaxAngle[kBand] = -20;   // towards the first
  Build(30, OptionsWith({Option::kMarkMinus6Db}));
  EXPECT_THAT(
      Lines(kCurves, "circle"),
      ElementsAre("circle 223 92 4 0000FF w1 d0 outline", "circle 214 202 4 0000FF w1 d0 outline",
                  "circle 254 160 4 0000FF w1 d0 fill", "circle 188 57 4 FF0000 w1 d0 outline",
                  "circle 140 236 4 FF0000 w1 d0 outline", "circle 249 100 4 FF0000 w1 d0 fill"));
}

TEST_F(PolarDiagramTest, DrawsNoCurvesOutsideTheBandsOrTheRange) {
  set.data.MaxBand() = 4;
  Build(30);
  EXPECT_TRUE(Lines(kCurves, "polyline").empty());

  set.data.MaxBand() = 9;
  for (const int range : {0, 121}) {
    Build(range);
    for (const int layer : {kGrid, kCurves, kLabels}) {
      EXPECT_THAT(CommandLines(window, layer), ElementsAre("origin 140 140 1 -1"));
    }
  }
}

}  // namespace
}  // namespace zef::graphs

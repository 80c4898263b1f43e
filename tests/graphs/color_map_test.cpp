#include "graphs/color_map.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "graphs/shade_palette.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

using ::testing::ElementsAre;

constexpr int kUpper = 0;
constexpr int kLower = 1;

// A 275 x 464 window. Both maps: margin 30, plot x 35..235 with 20 pixels a
// band (ZEF1) and half a pixel a degree. Upper plot y 26..206 (angle 0 at
// 116), lower plot y 258..438.
class ColorMapTest : public ::testing::Test {
 protected:
  void Build(OptionSet options = OptionSet(0), int range = -40) {
    ColorMapInput input(set, figures);
    input.reference = reference;
    input.options = options;
    input.balloonRange = range;
    BuildColorMap(window, input);
  }
  const PixelsCommand& Cells(int layer) const {
    for (const Command& c : window.Layer(layer)) {
      if (const auto* pixels = std::get_if<PixelsCommand>(&c)) return *pixels;
    }
    throw std::logic_error("no cells");
  }
  Colour CellAt(int layer, int x, int y) const {
    const PixelsCommand& cells = Cells(layer);
    return cells.colours.at(
        static_cast<std::size_t>((y - cells.top) * cells.width + (x - cells.left)));
  }
  // The cells of the upper map at x 95 and the rows given.
  std::vector<Colour> Column95(std::initializer_list<int> rows) const {
    std::vector<Colour> colours;
    for (const int y : rows) colours.push_back(CellAt(kUpper, 95, y));
    return colours;
  }

  model::DataSet set = FlatBalloonSet(model::FormatKind::Zef1, 1, 9);
  analysis::DirectivityFigures figures;
  analysis::SensitivityReference reference;
  ShadePalette palette;
  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{275, 464, metrics, errors};
};

TEST_F(ColorMapTest, FramesBothPlanesWithTitlesAndSideLabels) {
  Build();
  EXPECT_EQ(window.Frame(), (GraphFrame{35, 438, 200, 180, 30, 21, 0, -180, 20, 0.5}));
  EXPECT_THAT(LinesOfKind(window, kUpper, "frame"), ElementsAre("frame 35 206 200 180"));
  const std::vector<std::string> upper = LinesOfKind(window, kUpper, "text");
  EXPECT_THAT(std::vector<std::string>(upper.end() - 4, upper.end()),
              ElementsAre("text 54 5 000000 f0 'Re on-axis       Horizontal'",
                          "text 237 26 000000 f0 'Left'", "text 237 193 000000 f0 'Right'",
                          "text 237 110 000000 f0 'Front'"));

  Build(OptionsWith({Option::kBalloonReferenceMax}));
  const std::vector<std::string> lower = LinesOfKind(window, kLower, "text");
  EXPECT_THAT(std::vector<std::string>(lower.end() - 4, lower.end()),
              ElementsAre("text 54 237 000000 f0 'Re max Sens.       Vertical'",
                          "text 237 258 000000 f0 'Up'", "text 237 425 000000 f0 'Down'",
                          "text 237 342 000000 f0 'Front'"));
}

TEST_F(ColorMapTest, CellsTakeTheLevelOfTheirBandAndAngle) {
  SetArcLevel(set, 3, 9, -20);   // upper map, positive angles
  SetArcLevel(set, 3, 27, -10);  // upper map, zero and negative angles
  SetArcLevel(set, 3, 0, -30);   // lower map, positive angles
  Build();
  EXPECT_EQ(CommandText(Cells(kUpper)), "pixels 45 27 180 179");
  // Band 3 at +44 and -44 degrees, and at +2 degrees, where point 0 is 0 dB.
  EXPECT_EQ(Column95({94, 138, 115}),
            (std::vector{palette.At(117), palette.At(176), palette.At(235)}));
  EXPECT_EQ(CellAt(kLower, 95, 326), palette.At(58));  // trunc(10 * 235 / 40)

  // The range sets the bottom of the scale.
  Build(OptionSet(0), -20);
  EXPECT_EQ(CellAt(kUpper, 95, 138), palette.At(117));
}

TEST_F(ColorMapTest, MaxReferenceLowersLessSensitiveBands) {
  set.data.Array(model::PerBand::Sensitivity)[3] = 80;
  set.data.Array(model::PerBand::Sensitivity)[4] = model::kNoData;
  reference.maximum = 90;
  Build(OptionsWith({Option::kBalloonReferenceMax}));
  EXPECT_EQ(CellAt(kUpper, 95, 138), palette.At(176));  // 0 dB - 10
  EXPECT_EQ(CellAt(kUpper, 115, 138), kNoColour);       // no sensitivity: a gap
}

TEST_F(ColorMapTest, HalfSphereLeavesTheRearRowsUnpainted) {
  set.info->radiation = model::Radiation::HalfSphere;
  Build();
  const Colour zero = palette.At(235);
  // Row 66 lies at 100 degrees, point 10.
  EXPECT_EQ(Column95({66, 67, 165, 166}), (std::vector{kNoColour, zero, zero, kNoColour}));
  set.info->radiation = model::Radiation::FullSphere;
  Build();
  EXPECT_EQ(Column95({66, 166}), (std::vector{zero, zero}));
}

TEST_F(ColorMapTest, MinusSixDbAnglesAreWhiteLines) {
  set.data.MinBand() = 2;
  set.data.MaxBand() = 4;
  figures.horizontalWidth[2] = 360;  // omnidirectional: on the edges
  figures.horizontalWidth[3] = 180;
  figures.horizontalWidth[4] = 90;
  Build();
  EXPECT_EQ(CommandText(Cells(kUpper)), "pixels 65 27 60 179");
  EXPECT_THAT(LinesOfKind(window, kUpper, "polyline"),
              ElementsAre("polyline FFFFFF w1 d0 open 75,26 95,71 115,93",
                          "polyline FFFFFF w1 d0 open 75,206 95,161 115,138"));

  Build(OptionsWith({Option::kSteppedCurves, Option::kHeavyCurves}));
  EXPECT_THAT(LinesOfKind(window, kUpper, "polyline"),
              ElementsAre("polyline FFFFFF w2 d0 open 65,26 85,26",
                          "polyline FFFFFF w2 d0 open 85,71 105,71",
                          "polyline FFFFFF w2 d0 open 105,93 125,93", testing::_, testing::_,
                          "polyline FFFFFF w2 d0 open 105,138 125,138"));

  figures.horizontalWidth[2] = 400;  // from a damaged file: cut at the frame
  Build();
  EXPECT_EQ(LinesOfKind(window, kUpper, "polyline")[0],
            "polyline FFFFFF w1 d0 open 79,26 95,71 115,93");
}

TEST_F(ColorMapTest, ThirdOctaveMapsShowTheBandsOfTheAxis) {
  set = FlatBalloonSet(model::FormatKind::Zef2, 0, 29);
  SetArcLevel(set, 10, 18, -20);
  Build();
  // 200 / 28 pixels a band; bands 0..2 lie left of the axis.
  EXPECT_EQ(CommandText(Cells(kUpper)), "pixels 39 27 192 179");
  EXPECT_EQ(CellAt(kUpper, 92, 94), palette.At(117));  // band 10 at x = 8
  EXPECT_EQ(CellAt(kUpper, 88, 94), palette.At(235));  // band 9
}

}  // namespace
}  // namespace zef::graphs

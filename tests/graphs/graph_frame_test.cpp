#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/command_lines.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_window.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr int kLayer = 2;

// With 7x13 characters: H = 21, M = 16 ("90" + 2), so the plot spans
// x 21..521 (50 px per band) and y 326..26 (3 px per dB).
GraphDescriptor SensitivityGraph() {
  GraphDescriptor d;
  d.left = 5;
  d.top = 5;
  d.right = 537;
  d.bottom = 347;
  d.octaveAxis = true;
  d.firstOctave = 1;
  d.lastOctave = 9;
  d.yMin = 0;
  d.yMax = 100;
  d.yStep = 10;
  d.xGrid = true;
  d.yGrid = true;
  d.xLabel = "Hz";
  d.yLabel = "dB";
  d.title = "Sensitivity";
  return d;
}

GraphDescriptor NumericGraph(float xMin, float xMax, float xStep) {
  GraphDescriptor d;
  d.right = 200;
  d.bottom = 100;
  d.xMin = xMin;
  d.xMax = xMax;
  d.xStep = xStep;
  d.yMin = 0;
  d.yMax = 1;
  d.yStep = 1;
  return d;
}

class GraphFrameTest : public ::testing::Test {
 protected:
  std::vector<std::string> Lines() const { return CommandLines(window, kLayer); }
  // Texts on the line below the plot: the x tic labels and the x label.
  std::vector<std::string> XLabels() const {
    std::vector<std::string> labels;
    for (const Command& c : window.Layer(kLayer)) {
      const auto* text = std::get_if<TextCommand>(&c);
      if (text != nullptr && text->y == window.Frame().y0 + 1) labels.push_back(text->text);
    }
    return labels;
  }

  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{600, 400, metrics, errors};
};

TEST_F(GraphFrameTest, LaysOutTheFrameAndItsMapping) {
  window.DrawGraph(SensitivityGraph(), kLayer);
  const GraphFrame& f = window.Frame();
  EXPECT_EQ(f.margin, 16);
  EXPECT_EQ(f.lineHeight, 21);
  EXPECT_EQ(f.x0, 21);
  EXPECT_EQ(f.y0, 326);
  EXPECT_EQ(f.plotWidth, 500);
  EXPECT_EQ(f.plotHeight, 300);
  // A band axis gets half a band of room either side.
  EXPECT_EQ(window.Descriptor().xMin, 0.0F);
  EXPECT_EQ(window.Descriptor().xMax, 10.0F);
  EXPECT_EQ(window.Descriptor().xStep, 1.0F);

  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 98U);
  EXPECT_EQ(lines[0], "rect 21 26 521 326 FFFFFF w1 d0 fill");
  EXPECT_EQ(lines[1], "rect 21 26 521 326 000000 w1 d0 outline");
  EXPECT_EQ(lines.back(), "frame 21 326 500 300");
  EXPECT_EQ(window.CurrentLayer(), kLayer);
  EXPECT_EQ(window.State().pen, (Pen{kBlack, 1, 0}));
}

TEST_F(GraphFrameTest, TicsAndGridStopShortOfTheEnds) {
  window.DrawGraph(SensitivityGraph(), kLayer);
  const auto lines = Lines();
  std::vector<std::string> xTics, yTics, xGrid, yGrid;
  for (int k = 1; k <= 9; ++k) {
    const std::string x = std::to_string(21 + 50 * k);
    xTics.push_back("move " + x + " 327");
    xTics.push_back("line " + x + " 326 000000 w1 d0");
    xGrid.push_back("move " + x + " 325");
    xGrid.push_back("line " + x + " 26 C8C8C8 w1 d0");
    const std::string y = std::to_string(326 - 30 * k);
    yTics.push_back("move 20 " + y);
    yTics.push_back("line 21 " + y + " 000000 w1 d0");
    yGrid.push_back("move 22 " + y);
    yGrid.push_back("line 521 " + y + " C8C8C8 w1 d0");
  }
  EXPECT_THAT(std::vector(lines.begin() + 2, lines.begin() + 20), ElementsAreArray(xTics));
  EXPECT_THAT(std::vector(lines.begin() + 20, lines.begin() + 38), ElementsAreArray(yTics));
  EXPECT_THAT(std::vector(lines.begin() + 38, lines.begin() + 56), ElementsAreArray(xGrid));
  EXPECT_THAT(std::vector(lines.begin() + 56, lines.begin() + 74), ElementsAreArray(yGrid));
}

TEST_F(GraphFrameTest, TheZeroGridLineIsBlack) {
  GraphDescriptor d = SensitivityGraph();
  d.xGrid = false;
  d.yMin = -20;
  d.yMax = 20;
  std::vector<Colour> colours;
  window.DrawGraph(d, kLayer);
  const int right = window.Frame().x0 + window.Frame().plotWidth;
  for (const Command& c : window.Layer(kLayer)) {
    const auto* line = std::get_if<LineToCommand>(&c);
    if (line != nullptr && line->x == right) colours.push_back(line->pen.colour);
  }
  EXPECT_THAT(colours, ElementsAre(kLightGrey, kBlack, kLightGrey));
}

TEST_F(GraphFrameTest, PlacesTicLabelsAndAxisTexts) {
  window.DrawGraph(SensitivityGraph(), kLayer);
  EXPECT_THAT(LinesOfKind(window, kLayer, "text"),
              ElementsAre("text 64 327 000000 f0 '63'", "text 111 327 000000 f0 '125'",
                          "text 161 327 000000 f0 '250'", "text 211 327 000000 f0 '500'",
                          "text 264 327 000000 f0 '1k'", "text 314 327 000000 f0 '2k'",
                          "text 364 327 000000 f0 '4k'", "text 414 327 000000 f0 '8k'",
                          "text 461 327 000000 f0 '16k'",
                          // y labels up to the top edge
                          "text 12 320 000000 f0 '0'", "text 5 290 000000 f0 '10'",
                          "text 5 260 000000 f0 '20'", "text 5 230 000000 f0 '30'",
                          "text 5 200 000000 f0 '40'", "text 5 170 000000 f0 '50'",
                          "text 5 140 000000 f0 '60'", "text 5 110 000000 f0 '70'",
                          "text 5 80 000000 f0 '80'", "text 5 50 000000 f0 '90'",
                          "text -2 20 000000 f0 '100'",
                          // x label, y label, title
                          "text 515 327 000000 f0 'Hz'", "text 5 5 000000 f0 'dB'",
                          "text 452 5 000000 f0 'Sensitivity'"));
}

TEST_F(GraphFrameTest, LabelsBandAxes) {
  struct Case {
    bool octave;
    int first;
    int last;
    std::vector<std::string> labels;
  };
  const std::vector<Case> cases = {
      {true, 1, 9, {"63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k"}},
      {false, 10, 15, {"250", "315", "400", "500", "630", "800"}},
      {false, 0, 29, {"31", "63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k"}},
      // 27 bands: only the octave centres 4, 7, ..., 28
      {false, 3, 29, {"63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k"}},
  };
  for (const Case& c : cases) {
    GraphDescriptor d = SensitivityGraph();
    d.xLabel.clear();
    d.octaveAxis = c.octave;
    d.thirdOctaveAxis = !c.octave;
    d.firstOctave = d.firstThird = static_cast<std::uint8_t>(c.first);
    d.lastOctave = d.lastThird = static_cast<std::uint8_t>(c.last);
    window.DrawGraph(d, kLayer);
    EXPECT_THAT(XLabels(), ElementsAreArray(c.labels)) << c.first << ".." << c.last;
  }
  // Each sparse label is centred on its band (band b at x = b - 2); 16 is 1 kHz.
  int centred = 0;
  for (const Command& c : window.Layer(kLayer)) {
    const auto* text = std::get_if<TextCommand>(&c);
    if (text == nullptr || text->y != window.Frame().y0 + 1 || text->text != "1k") continue;
    const int width = metrics.Measure(0, "1k").width;
    EXPECT_EQ(text->x + width / 2, window.WorldToDevice(16 - 2, 0).x);
    ++centred;
  }
  EXPECT_EQ(centred, 1);
}

TEST_F(GraphFrameTest, LabelsNumericAxes) {
  struct Case {
    GraphDescriptor descriptor;
    bool decimalComma;
    std::vector<std::string> labels;
  };
  // The plot is 100 px wide (M = 9): "900" would pass its right end.
  GraphDescriptor narrow = NumericGraph(0, 1000, 100);
  narrow.right = 118;
  const std::vector<Case> cases = {
      {NumericGraph(0, 1, 0.25F), false, {"0", "0.25", "0.50", "0.75"}},
      {NumericGraph(0, 1, 0.25F), true, {"0", "0,25", "0,50", "0,75"}},
      {NumericGraph(-180, 180, 90), false, {"-180", "-90", "0", "90"}},
      {narrow, false, {"0", "100", "200", "300", "400", "500", "600", "700", "800"}},
  };
  for (const Case& c : cases) {
    window.SetDecimalComma(c.decimalComma);
    window.DrawGraph(c.descriptor, kLayer);
    EXPECT_THAT(XLabels(), ElementsAreArray(c.labels));
  }
}

TEST_F(GraphFrameTest, SizesTheLeftMargin) {
  GraphDescriptor d = SensitivityGraph();
  window.DrawGraph(d, kLayer);
  EXPECT_EQ(window.Frame().margin, 16);  // widest label "90" below 0.99 * 100

  d.yLabel = "kOhm";
  window.DrawGraph(d, kLayer);
  EXPECT_EQ(window.Frame().margin, 28);

  window.DrawGraphTitled("Re max Sens.", d, kLayer);
  EXPECT_EQ(window.Frame().margin, 86);
  for (const std::string& line : LinesOfKind(window, kLayer, "text")) {
    EXPECT_EQ(line.find("Re max"), std::string::npos) << line;
  }
}

TEST_F(GraphFrameTest, DrawsAnOpenFrameAsLines) {
  GraphDescriptor d = SensitivityGraph();
  d.openFrame = true;
  window.DrawGraph(d, kLayer);
  const auto lines = Lines();
  EXPECT_THAT(std::vector(lines.begin(), lines.begin() + 7),
              ElementsAre("move 21 26", "line 521 26 000000 w1 d0", "line 521 326 000000 w1 d0",
                          "line 21 326 000000 w1 d0", "line 21 26 000000 w1 d0", "move 21 326",
                          "line 21 26 000000 w1 d2"));
  EXPECT_EQ(lines[7], "move 71 327");
  EXPECT_EQ(window.State().pen.dash, 0);
}

TEST_F(GraphFrameTest, MapsWorldAndPixelsThroughTheLastFrame) {
  EXPECT_EQ(window.GraphPointAt(100, 100), std::nullopt);  // no frame yet
  window.DrawGraph(SensitivityGraph(), kLayer);
  EXPECT_EQ(window.WorldToDevice(5, 50), (PixelPoint{271, 176}));
  EXPECT_EQ(window.WorldToDevice(0.51, 0.5), (PixelPoint{47, 324}));  // 25.5 and 1.5 round up
  EXPECT_EQ(window.GraphPointAt(71, 326), (WorldPoint{1, 0}));
  EXPECT_EQ(window.GraphPointAt(21, 26), (WorldPoint{0, 100}));
  EXPECT_EQ(window.GraphPointAt(521, 176), (WorldPoint{10, 50}));
  EXPECT_EQ(window.GraphPointAt(20, 100), std::nullopt);
  EXPECT_EQ(window.GraphPointAt(522, 100), std::nullopt);
  EXPECT_EQ(window.GraphPointAt(100, 25), std::nullopt);
  EXPECT_EQ(window.GraphPointAt(100, 327), std::nullopt);

  // The frame command keeps mapping and descriptor for a later read-out.
  const auto& frame = std::get<FrameCommand>(window.Layer(kLayer).back());
  EXPECT_EQ(frame.graph->frame, window.Frame());
  EXPECT_EQ(frame.graph->descriptor.title, "Sensitivity");
}

}  // namespace
}  // namespace zef::graphs

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
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
  return SensitivityGraphIn(537, 347);
}

GraphDescriptor NumericGraph(float xMin, float xMax, float xStep, int right = 200) {
  GraphDescriptor d;
  d.right = right;
  d.bottom = 100;
  d.xMin = xMin;
  d.xMax = xMax;
  d.xStep = xStep;
  d.yMax = d.yStep = 1;
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
  EXPECT_EQ((std::vector{f.margin, f.lineHeight, f.x0, f.y0, f.plotWidth, f.plotHeight}),
            (std::vector{16, 21, 21, 326, 500, 300}));
  // A band axis gets half a band of room either side.
  EXPECT_EQ(window.Descriptor().xMin, 0.0F);
  EXPECT_EQ(window.Descriptor().xMax, 10.0F);

  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 98U);
  EXPECT_THAT((std::vector{lines[0], lines[1], lines.back()}),
              ElementsAre("rect 21 26 521 326 FFFFFF w1 d0 fill",
                          "rect 21 26 521 326 000000 w1 d0 outline", "frame 21 326 500 300"));
  EXPECT_EQ(window.State().pen, (Pen{kBlack, 1, 0}));
}

TEST_F(GraphFrameTest, TicsAndGridStopShortOfTheEnds) {
  window.DrawGraph(SensitivityGraph(), kLayer);
  const auto lines = Lines();
  // First and last of each group: x tics, y tics, x grid, y grid.
  EXPECT_THAT((std::vector{lines[2], lines[3], lines[19], lines[20], lines[21], lines[38],
                           lines[39], lines[56], lines[57], lines[73]}),
              ElementsAre("move 71 327", "line 71 326 000000 w1 d0", "line 471 326 000000 w1 d0",
                          "move 20 296", "line 21 296 000000 w1 d0", "move 71 325",
                          "line 71 26 C8C8C8 w1 d0", "move 22 296", "line 521 296 C8C8C8 w1 d0",
                          "line 521 56 C8C8C8 w1 d0"));

  // The grid line at 0 dB is black.
  GraphDescriptor d = SensitivityGraph();
  d.yMin = -20;
  d.yMax = 20;
  window.DrawGraph(d, kLayer);
  const auto grid = LinesOfKind(window, kLayer, "line");
  EXPECT_THAT(std::vector(grid.end() - 3, grid.end()),
              ElementsAre("line 514 251 C8C8C8 w1 d0", "line 514 176 000000 w1 d0",
                          "line 514 101 C8C8C8 w1 d0"));
}

TEST_F(GraphFrameTest, PlacesTicLabelsAndAxisTexts) {
  window.DrawGraph(SensitivityGraph(), kLayer);
  const auto texts = LinesOfKind(window, kLayer, "text");
  ASSERT_EQ(texts.size(), 23U);
  // The x labels, the y labels up to the top edge, x label, y label and title.
  const std::size_t picked[] = {0, 1, 8, 9, 10, 19, 20, 21, 22};
  std::vector<std::string> some;
  for (const std::size_t i : picked) some.push_back(texts[i]);
  EXPECT_THAT(some, ElementsAre("text 64 327 000000 f0 '63'", "text 111 327 000000 f0 '125'",
                                "text 461 327 000000 f0 '16k'", "text 12 320 000000 f0 '0'",
                                "text 5 290 000000 f0 '10'", "text -2 20 000000 f0 '100'",
                                "text 515 327 000000 f0 'Hz'", "text 5 5 000000 f0 'dB'",
                                "text 452 5 000000 f0 'Sensitivity'"));
}

TEST_F(GraphFrameTest, LabelsBandAxes) {
  // Third-octave bands first..last: the labels; of 27 bands only the octave centres 4, 7, ..., 28.
  const std::tuple<int, int, std::vector<std::string>> cases[] = {
      {10, 15, {"250", "315", "400", "500", "630", "800"}},
      {0, 29, {"31", "63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k"}},
      {3, 29, {"63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k"}},
  };
  for (const auto& [first, last, labels] : cases) {
    GraphDescriptor d = SensitivityGraph();
    d.xLabel.clear();
    d.octaveAxis = false;
    d.thirdOctaveAxis = true;
    d.firstThird = static_cast<std::uint8_t>(first);
    d.lastThird = static_cast<std::uint8_t>(last);
    window.DrawGraph(d, kLayer);
    EXPECT_THAT(XLabels(), ElementsAreArray(labels)) << first << ".." << last;
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
  // The graph and whether to use a decimal comma: the labels.
  const std::tuple<GraphDescriptor, bool, std::vector<std::string>> cases[] = {
      {NumericGraph(0, 1, 0.25F), true, {"0", "0,25", "0,50", "0,75"}},
      {NumericGraph(-180, 180, 90), false, {"-180", "-90", "0", "90"}},
      // The plot is 100 px wide (M = 9): "900" would pass its right end.
      {NumericGraph(0, 1000, 100, 118),
       false,
       {"0", "100", "200", "300", "400", "500", "600", "700", "800"}},
  };
  for (const auto& [descriptor, decimalComma, labels] : cases) {
    window.SetDecimalComma(decimalComma);
    window.DrawGraph(descriptor, kLayer);
    EXPECT_THAT(XLabels(), ElementsAreArray(labels));
  }
}

TEST_F(GraphFrameTest, SizesTheLeftMargin) {
  GraphDescriptor d = SensitivityGraph();
  window.DrawGraph(d, kLayer);
  const int labels = window.Frame().margin;  // widest label "90" below 0.99 * 100
  d.yLabel = "kOhm";
  window.DrawGraph(d, kLayer);
  EXPECT_EQ(std::pair(labels, window.Frame().margin), std::pair(16, 28));
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
  EXPECT_EQ(window.WorldToDevice(0.51, 0.5), (PixelPoint{47, 324}));  // 25.5 and 1.5 round up
  EXPECT_EQ(window.GraphPointAt(21, 26), (WorldPoint{0, 100}));
  EXPECT_EQ(window.GraphPointAt(521, 176), (WorldPoint{10, 50}));
  for (const auto& [x, y] : {std::pair{20, 100}, {522, 100}, {100, 25}, {100, 327}}) {
    EXPECT_EQ(window.GraphPointAt(x, y), std::nullopt) << x << "," << y;
  }

  // The frame command keeps mapping and descriptor for a later read-out.
  const auto& frame = std::get<FrameCommand>(window.Layer(kLayer).back());
  EXPECT_EQ(frame.graph->frame, window.Frame());
  EXPECT_EQ(frame.graph->descriptor.title, "Sensitivity");
}

}  // namespace
}  // namespace zef::graphs

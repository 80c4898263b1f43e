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

class GraphWindowTest : public ::testing::Test {
 protected:
  std::vector<std::string> Replayed() {
    RecordingCanvas canvas;
    window.Replay(canvas);
    return canvas.calls;
  }

  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{200, 100, metrics, errors};
};

TEST_F(GraphWindowTest, HandsOutAndReleasesLayers) {
  EXPECT_EQ(window.CurrentLayer(), GraphWindow::kNoLayer);
  EXPECT_EQ(window.NewLayer(), 0);
  EXPECT_THAT(CommandLines(window, 0), ElementsAre("origin 100 50 1 1"));
  window.ClearLayer(1);
  EXPECT_EQ(window.CurrentLayer(), 1);
  EXPECT_EQ(window.NewLayer(), 2);
  // ClearLayer leaves visibility alone.
  EXPECT_EQ(std::pair(window.LayersInUse(), window.VisibleLayers()), std::pair(0b111U, 0b101U));

  window.ReleaseLayer(0);
  EXPECT_EQ(std::pair(window.LayersInUse(), window.VisibleLayers()), std::pair(0b110U, 0b100U));
  EXPECT_EQ(window.NewLayer(), 0);

  window.ClearLayer(32);  // out of range: nothing changes
  EXPECT_EQ(window.CurrentLayer(), 0);
  EXPECT_TRUE(window.Layer(-1).empty());

  for (int i = 3; i < GraphWindow::kLayerCount; ++i) EXPECT_EQ(window.NewLayer(), i);
  EXPECT_EQ(window.NewLayer(), GraphWindow::kNoLayer);
}

TEST_F(GraphWindowTest, RecordsPrimitivesWithThePenOfTheirTime) {
  window.ClearLayer(0);
  window.SetColour(kRed);
  window.SetWidth(2);
  window.MoveTo(1, 2);
  window.LineTo(3, 4);
  window.SetDash(2);
  window.Rectangle(5, 6, 7, 8, true);
  window.Circle(9, 10, 5, false);
  window.Point(11, 12);
  window.Point(13, 14, 3);
  window.SetTextTransparent(false);
  window.Text(1, "Avg.", 15, 16);
  window.Text(1, "", 0, 0);  // nothing to draw
  window.Polyline({{1, 1}, {5, 1}, {3, 4}}, true);
  window.Pixels(0, 0, 2, {kRed, kNoColour, kBlue, kWhite});
  window.Pixels(0, 0, 3, {kRed, kBlue});  // not a whole row: dropped
  EXPECT_THAT(CommandLines(window, 0),
              ElementsAre("move 1 2", "line 3 4 0000FF w2 d0", "rect 5 6 7 8 0000FF w2 d2 fill",
                          "circle 9 10 5 0000FF w2 d2 outline", "point 11 12 0000FF s1",
                          "point 13 14 0000FF s3", "text 15 16 0000FF f1 'Avg.' opaque",
                          "polyline 0000FF w2 d2 closed 1,1 5,1 3,4", "pixels 0 0 2 2"));
}

TEST_F(GraphWindowTest, PushAndPopRestorePenAndFont) {
  const auto set = [&](Colour colour, int width, int dash, int font) {
    window.SetColour(colour), window.SetWidth(width), window.SetDash(dash), window.SetFont(font);
  };
  set(kBlue, 2, 3, 1);
  window.PushState();
  set(kRed, 1, 0, 0);
  window.PopState();
  EXPECT_EQ(window.State(), (PenState{Pen{kBlue, 2, 3}, 1}));
  window.PopState();  // nothing pushed: unchanged
  EXPECT_EQ(window.State(), (PenState{Pen{kBlue, 2, 3}, 1}));
}

TEST_F(GraphWindowTest, ScaledUnitsGrowFromTheOrigin) {
  window.ClearLayer(0);
  window.SetScale(2.0);
  window.SetResolution(1.5);
  window.SetOrigin(100, 50, 1, -1);  // y upwards
  EXPECT_EQ(window.ScaledToDevice(10, 10), (PixelPoint{130, 20}));
  EXPECT_EQ(window.ScaledLength(0.5 / 3), 1);  // half a pixel rounds away from zero
  EXPECT_EQ(window.ScaledLength(-0.5 / 3), -1);
  window.ScaledMoveTo(0, 0);
  window.ScaledLineTo(-10, 0);
  window.ScaledCircle(0, 10, 2, true);
  window.ScaledRectangle(-1, 1, 1, -1, false);
  window.ScaledText(0, "Front", 20, 0);
  window.StartCurve(false);
  window.AddScaledPoint(1, 1);
  window.AddScaledPoint(2, 2);
  window.EndCurve();
  EXPECT_THAT(
      CommandLines(window, 0),
      ElementsAre("origin 100 50 1 -1", "move 100 50", "line 70 50 000000 w1 d0",
                  "circle 100 20 6 000000 w1 d0 fill", "rect 97 47 103 53 000000 w1 d0 outline",
                  "text 160 50 000000 f0 'Front'", "polyline 000000 w1 d0 open 103,47 106,44"));
}

TEST_F(GraphWindowTest, BuildsCurvesInWorldUnits) {
  GraphDescriptor d;
  d.right = 200;
  d.bottom = 100;
  d.xMax = d.yMax = d.yStep = 10;
  d.xStep = 1;
  window.DrawGraph(d, 0);  // M 9, H 21: x 9 + 18.2 px per unit, y 79 - 5.8 px per unit
  window.ClearLayer(1);

  window.AddPoint(1, 1);
  EXPECT_THAT(errors.Lines(), ElementsAre("Curve not started"));
  EXPECT_TRUE(window.Layer(1).empty());

  window.SetWidth(2);
  window.StartCurve(false);
  window.AddPoint(0, 0);
  window.AddPoint(5, 5);
  window.EndCurve();
  window.SetColour(kRed);
  window.StartCurve(true);  // goes on with the curve just stored, in its pen
  window.AddPoint(10, 10);
  window.EndCurve();
  window.StartCurve(false);
  window.AddPoint(1, 1);  // a single point draws nothing
  window.EndCurve();
  EXPECT_THAT(CommandLines(window, 1),
              ElementsAre("polyline 000000 w2 d0 open 9,79 100,50 191,21"));

  window.MoveTo(0, 0);
  window.StartCurve(true);  // nothing to go on with: a new curve
  window.AddPoint(0, 10);
  window.AddPoint(10, 0);
  window.EndCurve();
  EXPECT_EQ(CommandLines(window, 1).back(), "polyline 0000FF w2 d0 open 9,21 191,79");
  EXPECT_EQ(errors.Lines().size(), 1U);
}

TEST_F(GraphWindowTest, ClipsLongTextsWithoutCuttingACharacter) {
  window.ClearLayer(0);
  std::string text(510, 'a');
  text += "\xC2\xB0";  // the degree sign would end at byte 512
  window.Text(0, text, 0, 0);
  const auto& stored = std::get<TextCommand>(window.Layer(0).back()).text;
  EXPECT_EQ(stored, std::string(510, 'a'));
  EXPECT_EQ(window.TextExtent(0, "90\xC2\xB0"), (TextSize{21, 13}));
}

TEST_F(GraphWindowTest, ReplaysVisibleLayersInLayerOrder) {
  window.ClearLayer(3);
  window.SetColour(kRed);
  window.MoveTo(1, 1);
  window.LineTo(2, 2);
  window.LineTo(3, 1);
  window.Point(5, 5);
  window.ClearLayer(1);
  window.SetOrigin(50, 50, 1, -1);  // bookkeeping only, like frames
  window.SetColour(kBlack);
  window.Text(0, "a", 4, 4);
  window.Circle(10, 10, 3, true);
  window.Pixels(20, 30, 2, {kBlue, kNoColour, kNoColour, kWhite});
  window.ClearLayer(2);
  window.LineTo(9, 9);
  window.SetVisibleLayers(0b1010);

  EXPECT_THAT(
      Replayed(),
      ElementsAre("begin 200x100", "text 4,4 'a' f0 0", "pen 0 w1 d0", "ellipse 10,10 3 3 fill",
                  "point 20,30 16711680 s1", "point 21,31 16777215 s1",
                  // a layer starts at 0,0; the pen is set when it changes
                  "pen 255 w1 d0", "line 1,1 2,2", "line 2,2 3,1", "point 5,5 255 s1", "end"));

  window.SetVisibleLayers(0);
  EXPECT_THAT(Replayed(), ElementsAre("begin 200x100", "end"));
}

TEST(Canvas, PolygonsOnOneLineEncloseNoPixel) {
  const struct {
    std::vector<PixelPoint> points;
    bool onOneLine;
  } cases[] = {
      {{{3, 4}, {3, 4}, {3, 4}}, true},           // one point
      {{{0, 0}, {2, 1}, {-4, -2}}, true},         // along a slope, back past the start
      {{{5, 5}, {5, 5}, {7, 5}, {9, 5}}, true},   // a repeated first corner
      {{{5, 5}, {5, 5}, {7, 5}, {9, 6}}, false},  // the last corner off the line
      {{{0, 0}, {1, 0}, {0, 1}}, false},          // the smallest triangle
      {{{0, 0}, {4, 4}, {4, 0}, {0, 4}}, false},  // a bow tie, its area summing to 0
  };
  for (const auto& c : cases) EXPECT_EQ(OnOneLine(c.points), c.onOneLine) << c.points[1].x;
}

}  // namespace
}  // namespace zef::graphs

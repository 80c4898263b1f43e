#include "graphs/sheet_notes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/command_lines.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/picture.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

using ::testing::ElementsAre;

class SheetNotesTest : public ::testing::Test {
 protected:
  FixedFontMetrics metrics;  // 7 x 13 pixels a character
  model::NullSink errors;
};

TEST_F(SheetNotesTest, CaptionAboveAndKeyBelowTakeTheirLines) {
  const struct {
    SheetNotes notes;
    SheetLayout layout;
  } cases[] = {
      {{"", {}}, {640, 480, 0, 480, 480}},
      {{"Maker", {}}, {640, 480, 19, 461, 480}},
      {{"Maker", -40}, {640, 480, 19, 429, 448}},
      {{"", -20}, {640, 480, 0, 448, 448}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LayOutSheet(640, 480, c.notes, metrics), c.layout) << c.notes.caption;
  }
}

TEST_F(SheetNotesTest, KeyShowsThePaletteWithItsLevels) {
  const SheetNotes notes{"A caption far too long for its sheet", -20};
  const SheetLayout layout = LayOutSheet(200, 150, notes, metrics);
  GraphWindow window(200, 150, metrics, errors);
  DrawSheetNotes(window, layout, notes);
  EXPECT_THAT(
      CommandLines(window, 0),
      ElementsAre("text 3 3 000000 f0 'A caption far too long f...'", "pixels 10 121 180 10",
                  "rect 9 120 190 131 000000 w1 d0 outline", "text 0 134 000000 f0 '-20'",
                  "text 90 134 000000 f0 '-10'", "text 172 134 000000 f0 '0 dB'"));
}

// Records where texts land, to see the graph moved below the caption.
class TextPositions : public Canvas {
 public:
  void Begin(int width, int height) override {
    lines.push_back("begin " + std::to_string(width) + "x" + std::to_string(height));
  }
  void End() override { lines.push_back("end"); }
  void SetPen(const Pen&) override {}
  void Line(PixelPoint, PixelPoint) override {}
  void Polyline(std::span<const PixelPoint>) override {}
  void FillPolygon(std::span<const PixelPoint>) override {}
  void Rectangle(PixelPoint, PixelPoint, bool) override {}
  void Ellipse(PixelPoint, int, int, bool) override {}
  void Point(PixelPoint, Colour, int) override {}
  void Text(PixelPoint at, std::string_view text, int, Colour, bool) override {
    lines.push_back(std::string(text) + " " + std::to_string(at.x) + "," + std::to_string(at.y));
  }
  std::vector<std::string> lines;
};

TEST_F(SheetNotesTest, PictureDrawsTheGraphBelowTheNotesOnOneSheet) {
  GraphWindow graph(100, 80, metrics, errors);
  graph.NewLayer();
  graph.Text(0, "graph", 5, 6);
  GraphWindow notes(100, 99, metrics, errors);
  DrawSheetNotes(notes, LayOutSheet(100, 99, {"cap", {}}, metrics), {"cap", {}});
  TextPositions canvas;
  Picture{&graph, &notes, 19, 100, 99, 400, 396}.Replay(canvas);
  EXPECT_THAT(canvas.lines, ElementsAre("begin 100x99", "cap 3,3", "graph 5,25", "end"));

  TextPositions bare;
  Picture::Bare(graph).Replay(bare);
  EXPECT_THAT(bare.lines, ElementsAre("begin 100x80", "graph 5,6", "end"));
}

}  // namespace
}  // namespace zef::graphs

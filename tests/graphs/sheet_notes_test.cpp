#include "graphs/sheet_notes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
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
  const std::pair<SheetNotes, SheetLayout> cases[] = {
      {{"", {}}, {640, 480, 0, 480, 480}},
      {{"Maker", {}}, {640, 480, 19, 461, 480}},
      {{"Maker", -40}, {640, 480, 19, 413, 432}},
      {{"", -20}, {640, 480, 0, 432, 432}},
  };
  for (const auto& [notes, layout] : cases) {
    EXPECT_EQ(LayOutSheet(640, 480, notes, metrics), layout) << notes.caption;
  }
}

TEST_F(SheetNotesTest, KeyShowsThePaletteWithItsLevels) {
  const SheetNotes notes{"A caption far too long for its sheet", -20};
  const SheetLayout layout = LayOutSheet(200, 150, notes, metrics);
  GraphWindow window(200, 150, metrics, errors);
  DrawSheetNotes(window, layout, notes);
  EXPECT_THAT(
      CommandLines(window, 0),
      ElementsAre("text 3 3 000000 f0 'A caption far too long f...'", "pixels 10 105 180 10",
                  "rect 9 104 190 115 000000 w1 d0 outline", "text 0 118 000000 f0 '-20'",
                  "text 90 118 000000 f0 '-10'", "text 172 118 000000 f0 '0 dB'"));
}

TEST_F(SheetNotesTest, PictureDrawsTheGraphBelowTheNotesOnOneSheet) {
  GraphWindow graph(100, 80, metrics, errors);
  graph.NewLayer();
  graph.Text(0, "graph", 5, 6);
  GraphWindow notes(100, 99, metrics, errors);
  DrawSheetNotes(notes, LayOutSheet(100, 99, {"cap", {}}, metrics), {"cap", {}});
  RecordingCanvas canvas;
  Picture{&graph, &notes, 19, 100, 99, 400, 396}.Replay(canvas);
  EXPECT_THAT(canvas.calls, ElementsAre("begin 100x99", "text 3,3 'cap' f0 0", "clip 0,19 100,99",
                                        "text 5,25 'graph' f0 0", "end"));

  RecordingCanvas bare;
  Picture::Bare(graph).Replay(bare);
  EXPECT_THAT(bare.calls, ElementsAre("begin 100x80", "text 5,6 'graph' f0 0", "end"));
}

}  // namespace
}  // namespace zef::graphs

#include "graphs/clip_lines.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

constexpr PixelBox kBox{10, 10, 50, 30};

TEST(ClipLinesTest, KeepsThePartOfALineInsideTheBoxEdgesIncluded) {
  const std::pair<PixelSegment, std::optional<PixelSegment>> cases[] = {
      {{{20, 20}, {40, 25}}, PixelSegment{{20, 20}, {40, 25}}},  // inside
      {{{0, 20}, {60, 20}}, PixelSegment{{10, 20}, {50, 20}}},   // across
      {{{30, 0}, {30, 20}}, PixelSegment{{30, 10}, {30, 20}}},   // in through the top
      {{{20, 20}, {40, 40}}, PixelSegment{{20, 20}, {30, 30}}},  // out through the bottom
      {{{10, 30}, {50, 30}}, PixelSegment{{10, 30}, {50, 30}}},  // along an edge
      {{{0, 0}, {60, 0}}, std::nullopt},                         // above
      {{{0, 40}, {20, 60}}, std::nullopt},                       // past a corner
      {{{5, 5}, {5, 5}}, std::nullopt},                          // a point outside
  };
  for (const auto& [line, kept] : cases) {
    EXPECT_EQ(ClipSegment(line, kBox), kept) << line.from.x << "," << line.from.y;
  }
}

TEST(ClipLinesTest, ACurveThatLeavesAndComesBackSplits) {
  const PixelPoint curve[] = {{10, 20}, {20, 0}, {30, 20}, {40, 20}, {50, 40}};
  EXPECT_EQ(ClipPolyline(curve, kBox),
            (std::vector<std::vector<PixelPoint>>{{{10, 20}, {15, 10}},
                                                  {{25, 10}, {30, 20}, {40, 20}, {45, 30}}}));
}

TEST(ClipLinesTest, WindowClipsLinesCurvesAndMarksButNotTexts) {
  FixedFontMetrics metrics;
  model::NullSink errors;
  GraphWindow window(100, 100, metrics, errors);
  window.NewLayer();
  window.SetClip(kBox);
  window.MoveTo(0, 20);
  window.LineTo(30, 20);
  window.LineTo(30, 60);
  window.LineTo(40, 20);
  window.Circle(60, 20, 3, false);
  window.Circle(20, 20, 3, false);
  window.Polyline({{0, 0}, {100, 0}}, false);
  window.Text(0, "x", 90, 90);
  EXPECT_EQ(CommandLines(window, 0),
            (std::vector<std::string>{
                "origin 50 50 1 1", "move 0 20", "move 10 20", "line 30 20 000000 w1 d0",
                "line 30 30 000000 w1 d0", "move 30 60", "move 38 30", "line 40 20 000000 w1 d0",
                "circle 20 20 3 000000 w1 d0 outline", "text 90 90 000000 f0 'x'"}));
  window.ClearLayer(0);
  EXPECT_FALSE(window.Clip());
}

}  // namespace
}  // namespace zef::graphs

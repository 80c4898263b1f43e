#include "graphs/cta2034_graph.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

using ::testing::ElementsAre;

TEST(CtaGraph, LevelRange) {
  // Fixed scales, absolute levels, the loudest level: the range.
  const std::tuple<bool, bool, float, YRange> rows[] = {
      {true, true, 100.1f, {60, 130, 5}},          {true, false, 0.0f, {-50, 20, 5}},
      {false, true, 100.1f, {35, 105, 5}},         {false, true, 94.0f, {25, 95, 5}},
      {false, true, 99.0f, {30, 100, 5}},          {false, false, 0.0f, {-65, 5, 5}},
      {false, true, model::kNoData, {60, 130, 5}},
  };
  for (const auto& [fixed, absolute, loudest, range] : rows) {
    const OptionSet options = fixed ? OptionsWith({Option::kFixedScales}) : OptionSet(0);
    EXPECT_EQ(CtaLevelRange(options, absolute, loudest), range) << loudest;
  }
}

TEST(CtaGraph, OmnidirectionalSetDrawsEqualLevelsAndZeroDi) {
  // ZEF1 bands 1..3 at 90 dB but band 3 without sensitivity: its levels are
  // relative, so they are missing from the absolute graph.
  model::DataSet set = FlatBalloonSet(model::FormatKind::Zef1, 1, 3);
  set.data.Array(model::PerBand::Sensitivity)[1] = 90;
  set.data.Array(model::PerBand::Sensitivity)[2] = 90;
  set.data.Array(model::PerBand::Sensitivity)[3] = model::kNoData;
  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{561, 408, metrics, errors};
  BuildCtaGraph(window, {.set = set, .options = OptionSet(0)});
  const GraphDescriptor& d = window.Descriptor();
  EXPECT_EQ(std::tuple(d.title, d.yMin, d.yMax), std::tuple("CTA-2034", 25.0f, 95.0f));
  const auto at = [&window](double x, double y) {
    const PixelPoint p = window.WorldToDevice(x, y);
    return std::to_string(p.x) + "," + std::to_string(p.y);
  };
  const std::string levels = " open " + at(1, 90) + " " + at(2, 90) + " " + at(3, 25);
  const std::string di = " open " + at(1, 30) + " " + at(2, 30) + " " + at(3, 30);
  EXPECT_THAT(LinesOfKind(window, 1, "polyline"),
              ElementsAre("polyline 2A2AA5 w1 d6" + levels, "polyline 808000 w1 d6" + levels,
                          "polyline 008080 w1 d6" + levels, "polyline B469FF w1 d6" + levels,
                          "polyline EBCE87 w1 d6" + levels, "polyline 000000 w1 d0" + levels,
                          "polyline FF0000 w1 d0" + levels, "polyline 008000 w1 d0" + levels,
                          "polyline 0000FF w1 d0" + levels, "polyline 808080 w1 d2" + levels,
                          "polyline 0080FF w1 d2" + di, "polyline 800080 w1 d2" + di));
  const PixelPoint missing = window.WorldToDevice(3, 25);
  EXPECT_THAT(LinesOfKind(window, 1, "circle"),
              ElementsAre("circle " + std::to_string(missing.x) + " " + std::to_string(missing.y) +
                          " 5 000000 w1 d0 outline"));
  // The DI axis: 0 dB five dB above the bottom, labels up to 15 dB.
  const auto texts = LinesOfKind(window, 0, "text");
  ASSERT_GE(texts.size(), 5u);
  EXPECT_THAT(std::vector(texts.end() - 5, texts.end()),
              ElementsAre("text 539 345 000000 f0 '0'", "text 539 320 000000 f0 '5'",
                          "text 539 295 000000 f0 '10'", "text 539 270 000000 f0 '15'",
                          "text 539 245 000000 f0 'DI'"));
}

}  // namespace
}  // namespace zef::graphs

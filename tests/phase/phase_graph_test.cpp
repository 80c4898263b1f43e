#include "phase/phase_graph.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using graphs::LinesOfKind;
using graphs::Option;
using graphs::OptionSet;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class PhaseGraphTest : public ::testing::Test {
 protected:
  void Build(CurveMode mode, std::initializer_list<Option> on) {
    OptionSet options(0);
    for (const Option o : on) options.Set(o, true);
    BuildPhaseGraph(window, set, mode, options);
  }
  std::vector<std::string> Lines(int layer, const std::string& kind) const {
    return LinesOfKind(window, layer, kind);
  }

  model::DataSet set = PhaseSet(15, 17);
  graphs::FixedFontMetrics metrics;
  model::LineSink errors;
  graphs::GraphWindow window{600, 300, metrics, errors};
};

TEST_F(PhaseGraphTest, TwoFramesSideBySideWithTheModesTitles) {
  Build(CurveMode::kFilter, {});
  EXPECT_EQ(window.VisibleLayers(), 0xFU);
  const graphs::GraphDescriptor& phase = window.Descriptor();
  EXPECT_EQ(std::tuple(phase.left, phase.right, phase.title, phase.yLabel, phase.yMin, phase.yStep),
            std::tuple(301, 589, "Filter phase", "deg", -180.0f, 90.0f));
  EXPECT_THAT(Lines(0, "text"), ::testing::Contains(HasSubstr("Filter magnitude")));
  EXPECT_THAT(Lines(2, "text"), ::testing::Contains(HasSubstr("Filter phase")));
}

TEST_F(PhaseGraphTest, CurvesInTheirColoursMissingValuesAtTheBottomAndMarked) {
  set.data.Array(model::PerBand::Sensitivity)[16] = model::kNoData;
  set.phase->sensitivity[17] = model::kNoData;
  set.data.Array(model::PerBand::Sensitivity)[15] = 130;  // above the fixed axis: held at 120
  Build(CurveMode::kSensitivity, {Option::kFixedScales, Option::kHeavyCurves});
  // Phase graph: plot from x 331, 8.14 pixels a band; 0 deg at y 147, -180 at 268.
  EXPECT_THAT(Lines(3, "polyline"),
              ElementsAre("polyline FF0000 w2 d0 open 437,147 445,147 453,268"));
  EXPECT_THAT(Lines(3, "circle"), ElementsAre("circle 453 268 5 000000 w1 d0 outline"));
  EXPECT_THAT(Lines(1, "polyline"), ElementsAre(StartsWith("polyline 0000FF w2 d0 open 142,26 ")));
  EXPECT_THAT(Lines(1, "circle").size(), 1U);
}

TEST_F(PhaseGraphTest, SteppedCurvesGoHalfABandEitherSide) {
  Build(CurveMode::kSensitivity, {Option::kSteppedCurves});
  EXPECT_THAT(Lines(3, "polyline"),
              ElementsAre("polyline FF0000 w1 d0 open 433,147 441,147 441,147 449,147 449,147 "
                          "457,147"));
}

}  // namespace
}  // namespace zef::phase

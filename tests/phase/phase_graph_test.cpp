#include "phase/phase_graph.h"

#include <gtest/gtest.h>

#include "case_file.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using graphs::Option;

// Filter mode: two frames side by side with the mode's titles. Sensitivity
// mode, fixed scales, heavy curves: missing values at the bottom and marked,
// a level above the fixed axis held at 120; then stepped curves.
TEST(PhaseGraph, FramesCurvesAndMarks) {
  model::DataSet set = PhaseSet(15, 17);
  const graphs::FixedFontMetrics metrics;
  model::LineSink errors;
  graphs::GraphWindow window{600, 300, metrics, errors};
  std::string listing;
  const auto list = [&](const std::string& name, CurveMode mode, std::initializer_list<Option> on) {
    BuildPhaseGraph(window, set, mode, graphs::OptionsWith(on));
    const graphs::GraphDescriptor& phase = window.Descriptor();
    listing += "== " + name + ": layers " + std::to_string(window.VisibleLayers()) +
               ", phase frame " + std::to_string(phase.left) + ".." + std::to_string(phase.right) +
               " '" + phase.title + "' '" + phase.yLabel + "' from " +
               std::to_string(static_cast<int>(phase.yMin)) + " by " +
               std::to_string(static_cast<int>(phase.yStep)) + "\n";
    for (int layer = 0; layer < 4; ++layer) {  // the frames' texts, all of the curves
      for (const std::string& line : layer % 2 ? graphs::CommandLines(window, layer)
                                               : graphs::LinesOfKind(window, layer, "text"))
        listing += std::to_string(layer) + " " + line + "\n";
    }
  };
  list("filter", CurveMode::kFilter, {});
  set.data.Array(model::PerBand::Sensitivity)[16] = model::kNoData;
  set.phase->sensitivity[17] = model::kNoData;
  set.data.Array(model::PerBand::Sensitivity)[15] = 130;
  list("sensitivity, fixed, heavy", CurveMode::kSensitivity,
       {Option::kFixedScales, Option::kHeavyCurves});
  set = PhaseSet(15, 17);
  list("stepped", CurveMode::kSensitivity, {Option::kSteppedCurves});
  zef::testing::ExpectGolden("phase/golden/graph.txt", listing);
}

}  // namespace
}  // namespace zef::phase

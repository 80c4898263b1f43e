#include "graphs/direction_response.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphs/ea_range.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"

namespace zef::graphs {
namespace {

using model::PerBand;
using ::testing::ElementsAre;

// ZEF1 bands 1..9 in a 561 x 408 window: the plot spans x 28..528 (band b
// at 28 + 50 b) and y 376..26; on -40..10 dB 0 dB lies at y 96.
class BalloonSpectraTest : public ::testing::Test {
 protected:
  BalloonSpectraTest() {
    for (int band = 1; band <= 9; ++band) set.data.Array(PerBand::Sensitivity)[band] = 90;
  }
  void Build(int arc, int point, OptionSet options = OptionSet(0)) {
    BuildBalloonSpectra(
        window,
        {.set = set, .reference = reference, .options = options, .arc = arc, .point = point});
  }
  std::vector<std::string> Curves(const std::string& kind) const {
    return LinesOfKind(window, 1, kind);
  }
  // The spectrum is the curves layer's first polyline, the inset's arcs follow.
  std::string Spectrum() const { return Curves("polyline").at(0); }

  model::DataSet set = FlatBalloonSet(model::FormatKind::Zef1, 1, 9);
  analysis::SensitivityReference reference{90, 90};
  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{561, 408, metrics, errors};
};

TEST_F(BalloonSpectraTest, TitlesAndRangesFollowReferenceAndEqualisation) {
  using enum Option;
  const auto passive = model::SpeakerType::Passive, powered = model::SpeakerType::Powered;
  // Options and type: the title and the level range.
  const std::tuple<OptionSet, model::SpeakerType, const char*, YRange> cases[] = {
      {OptionsWith({}), passive, "Balloon spectra re on-axis", {-40, 10, 10}},
      {OptionsWith({kBalloonReferenceMax}), powered, "Balloon spectra re on-axis", {-40, 10, 10}},
      {OptionsWith({kBalloonReferenceMax, kEqualisation}),
       passive,
       "Balloon spectra re max Sens., w. eq",
       {-12, 6, 3}},
      {OptionsWith({kAverageSpectrum}), passive, "Balloon spectra re on-axis", {-12, 6, 3}},
  };
  for (const auto& [options, type, title, range] : cases) {
    set.info->type = type;
    Build(0, 0, options);
    const GraphDescriptor& d = window.Descriptor();
    EXPECT_EQ(std::tuple(d.title, YRange{d.yMin, d.yMax, d.yStep}), std::tuple(title, range));
  }
}

TEST_F(BalloonSpectraTest, ReadsRelativeToTheMostSensitiveBand) {
  set.data.Array(PerBand::Sensitivity)[3] = 87;
  set.data.Array(PerBand::Sensitivity)[5] = model::kNoData;
  SetArcLevel(set, 9, 2, -50);  // below the range: held at -40
  Build(2, 3, OptionsWith({Option::kBalloonReferenceMax}));
  // Band 5 has no level re the maximum: a gap, not a dip.
  EXPECT_THAT(Curves("polyline"),
              ElementsAre("polyline 000000 w1 d0 open 78,96 128,96 178,117 228,96",
                          "polyline 000000 w1 d0 open 328,96 378,96 428,96 478,376", testing::_,
                          testing::_));
  EXPECT_TRUE(Curves("circle").empty());

  Build(2, 3, OptionsWith({Option::kBalloonReferenceMax, Option::kSteppedCurves}));
  EXPECT_EQ(Spectrum().substr(0, 65),
            "polyline 000000 w1 d0 open 53,96 103,96 103,96 153,96 153,117 203");
  EXPECT_THAT(Curves("circle"), ElementsAre("circle 278 376 5 000000 w1 d0 outline"));

  for (int band = 1; band <= 9; ++band) set.data.Array(PerBand::Sensitivity)[band] = model::kNoData;
  Build(2, 3, OptionsWith({Option::kBalloonReferenceMax}));
  EXPECT_EQ(Curves("text").at(0), "text 254 195 000000 f0 'No data' opaque");
}

TEST_F(BalloonSpectraTest, InsetShowsTheDirection) {
  // Centres at (44, 42) and (79, 42); needles of 15 pixels.
  Build(9, 9);
  std::vector<std::string> arcs = Curves("polyline");
  ASSERT_EQ(arcs.size(), 3U);
  EXPECT_EQ(arcs[1].substr(0, 41), "polyline 969696 w1 d0 open 59,42 59,41 59");
  EXPECT_EQ(std::count(arcs[2].begin(), arcs[2].end(), ','), 37);
  EXPECT_THAT(Curves("move"), ElementsAre("move 44 42", "move 79 42"));
  EXPECT_THAT(Curves("line"), ElementsAre("line 29 42 0000FF w1 d0", "line 79 27 FF0000 w1 d0"));
  EXPECT_THAT(Curves("text"), ElementsAre("text 34 59 0000FF f0 '90\xC2\xB0'",
                                          "text 69 44 FF0000 f0 '90\xC2\xB0'"));

  Build(0, 4);  // 40 degrees off axis on the upward arc: 9.64 pixels up
  EXPECT_THAT(Curves("line"), ElementsAre("line 44 32 0000FF w1 d0", "line 90 32 FF0000 w1 d0"));
  EXPECT_THAT(Curves("text"),
              ElementsAre("text 37 59 0000FF f0 '0\xC2\xB0'", "text 69 44 FF0000 f0 '40\xC2\xB0'"));
}

TEST_F(BalloonSpectraTest, DirectionOffTheGridDrawsTheFrameOnly) {
  Build(36, 0);
  EXPECT_TRUE(window.Layer(1).empty());
  EXPECT_EQ(window.Descriptor().title, "Balloon spectra re on-axis");
}

}  // namespace
}  // namespace zef::graphs

#include "graphs/ea_graphs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
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
using ::testing::StartsWith;

// ZEF1 bands 1..9 in a 561 x 408 window: with a 23-pixel margin ("130")
// the plot starts at x 28 with 50 pixels a band and ends at y 376.
class EaGraphTest : public ::testing::Test {
 protected:
  EaGraphTest() {
    for (int band = 1; band <= 9; ++band) Fill(PerBand::Sensitivity, band, 90);
  }
  void Fill(PerBand which, int band, float value) { set.data.Array(which)[band] = value; }
  void Build(int selection, OptionSet options) {
    BuildEaGraph(window, {.set = set,
                          .figures = figures,
                          .reference = reference,
                          .options = options,
                          .selection = selection,
                          .decimalComma = decimalComma});
  }
  std::vector<std::string> Curves(const std::string& kind) const {
    return LinesOfKind(window, 1, kind);
  }
  // " x,y" of a world point, as a polyline lists it.
  std::string At(double x, double y) const {
    const PixelPoint p = window.WorldToDevice(x, y);
    return " " + std::to_string(p.x) + "," + std::to_string(p.y);
  }

  // A reference line ending at p, and its label (13 pixels high) right of it.
  static std::string Line(PixelPoint p) {
    return "line " + std::to_string(p.x) + " " + std::to_string(p.y);
  }
  static std::string Text(PixelPoint p, const std::string& rest) {
    return "text " + std::to_string(p.x + 2) + " " + std::to_string(p.y - 6) + " " + rest;
  }

  model::DataSet set = FlatBalloonSet(model::FormatKind::Zef1, 1, 9);
  analysis::DirectivityFigures figures;
  analysis::SensitivityReference reference{90, 90};
  bool decimalComma = false;
  FixedFontMetrics metrics;
  model::LineSink errors;
  GraphWindow window{561, 408, metrics, errors};
};

void Values(model::DataSet& set, PerBand which, std::initializer_list<float> values) {
  int band = 1;
  for (const float v : values) set.data.Array(which)[band++] = v;
}

TEST_F(EaGraphTest, ChoosesEachGraphsRangeAndLabels) {
  const OptionSet fixed = OptionsWith({Option::kFixedScales});
  const OptionSet automatic = OptionsWith({});
  const OptionSet di = OptionsWith({Option::kShowDi});
  const auto none = [](model::DataSet&, analysis::DirectivityFigures&) {};
  const auto voltage = [](model::DataSet& s, auto&) {
    Values(s, PerBand::InputVoltage, {23});
    s.info->presenceFlags = model::presence::kInputVoltage;
  };
  const auto ohm = [](model::DataSet& s, auto&) { Values(s, PerBand::Impedance, {7, 2500}); };
  const auto nominal = [](model::DataSet& s, auto&) {
    Values(s, PerBand::Impedance, {7, 5});
    s.impedance.reducedLowest = 9;
  };
  const auto widths = [](model::DataSet&, analysis::DirectivityFigures& f) {
    f.verticalWidth[1] = 359;
  };
  const auto q = [](model::DataSet& s, auto&) { Values(s, PerBand::AxialQ, {2, 8.3f}); };
  const auto lowQ = [](model::DataSet& s, auto&) { Values(s, PerBand::AxialQ, {0.5f, 4}); };
  const auto axial = [](model::DataSet& s, auto&) {
    std::fill(std::begin(s.info->axialSpectrum), std::end(s.info->axialSpectrum), model::kNoData);
    s.info->axialSpectrum[4] = 3.2f;
    s.info->axialSpectrum[5] = -7;
    s.info->axialSpectrum[7] = 30;  // after the first run: not counted
    s.info->presenceFlags = model::presence::kAxialSpectrum;
  };
  const auto eia = [](model::DataSet& s, auto&) {
    s.info->maxInputKind = model::MaxInputKind::Voltage;
    s.info->maxInputMethod = model::TestMethod::Eia426B;
  };
  // Name, graph, options and what the data holds: the range, its unit and the title.
  using Data = std::function<void(model::DataSet&, analysis::DirectivityFigures&)>;
  using Case = std::tuple<const char*, int, OptionSet, Data, YRange, const char*, const char*>;
  const Case cases[] = {
      {"voltage fixed", 0, fixed, voltage, {0, 100, 10}, "V", "Input voltage"},
      {"voltage", 0, automatic, voltage, {0, 30, 5}, "V", "Input voltage"},
      {"no values", 0, automatic, none, {0, 100, 10}, "V", "Input voltage"},
      {"sensitivity fixed", 1, fixed, none, {60, 130, 5}, "dB", "Sensitivity"},
      {"impedance fixed", 2, fixed, ohm, {0, 96, 8}, "Ohm", "Impedance"},
      {"impedance kOhm", 2, automatic, ohm, {0, 2.505f, 0.5f}, "kOhm", "Impedance"},
      {"impedance nominal", 2, automatic, nominal, {0, 10, 2}, "Ohm", "Impedance"},
      {"width fixed", 3, fixed, none, {0, 360, 30}, "Deg", "-6dB-width horizontal"},
      {"width", 4, automatic, widths, {0, 360, 50}, "Deg", "-6dB-width vertical"},
      {"Q", 5, automatic, q, {0, 10, 2}, "", "Q"},
      {"DI below 0", 5, di, lowQ, {-5, 8, 2}, "dB", "DI"},
      {"axial fixed", 6, fixed, axial, {-40, 20, 5}, "dB", "Axial spectrum re average"},
      {"axial", 6, automatic, axial, {-50, 10, 5}, "dB", "Axial spectrum"},
      {"test", 7, automatic, none, {-35, 5, 5}, "dB", "Max input power uses AES2-1984 spectrum"},
      {"test V", 7, fixed, eia, {-35, 5, 5}, "dB", "Max input voltage uses EIA-426-B spectrum"},
  };
  for (const auto& [name, selection, options, data, range, yLabel, title] : cases) {
    set = FlatBalloonSet(model::FormatKind::Zef1, 1, 9);
    figures = {};
    data(set, figures);
    Build(selection, options);
    const GraphDescriptor& d = window.Descriptor();
    EXPECT_EQ(std::tuple(YRange{d.yMin, d.yMax, d.yStep}, d.yLabel, d.title),
              std::tuple(range, yLabel, title))
        << name;
  }
}

TEST_F(EaGraphTest, DrawsAPlainCurveWithAMissingBandAtTheBottomAndCircled) {
  Fill(PerBand::Sensitivity, 5, model::kNoData);
  Fill(PerBand::Sensitivity, 9, 130);
  Build(1, OptionsWith({Option::kFixedScales}));
  EXPECT_THAT(Curves("polyline"),
              ElementsAre("polyline 000000 w1 d0 open 78,226 128,226 178,226 228,226 "
                          "278,376 328,226 378,226 428,226 478,26"));
  EXPECT_THAT(Curves("circle"), ElementsAre("circle 278 376 5 000000 w1 d0 outline"));
}

TEST_F(EaGraphTest, DrawsSteppedAndHeavyCurves) {
  for (int band = 3; band <= 9; ++band) Fill(PerBand::Sensitivity, band, model::kNoData);
  Fill(PerBand::Sensitivity, 2, 100);
  Build(1, OptionsWith({Option::kFixedScales, Option::kSteppedCurves, Option::kHeavyCurves}));
  // Band 1 at 90 dB, band 2 at 100 dB, the rest missing at the bottom.
  EXPECT_THAT(Curves("polyline"),
              ElementsAre("polyline 000000 w2 d0 open 53,226 103,226 103,176 153,176 "
                          "153,376 203,376 203,376 253,376 253,376 303,376 303,376 353,376 "
                          "353,376 403,376 403,376 453,376 453,376 503,376"));
  EXPECT_EQ(Curves("circle").size(), 7U);
}

TEST_F(EaGraphTest, MarksOffAxisMaximaAndMissingWidths) {
  for (int band = 1; band <= 9; ++band) figures.horizontalWidth[band] = 120;
  figures.horizontalOffClass[2] = 1;
  figures.horizontalOffClass[3] = 2;
  figures.horizontalWidth[4] = model::kNoData;
  figures.horizontalOffClass[4] = 2;  // a missing value is marked as missing only
  Build(3, OptionsWith({Option::kFixedScales}));
  // Width 0..360 at 350 / 360 pixels a degree: 120 lies at y 259.
  EXPECT_THAT(
      Curves("circle"),
      ElementsAre("circle 128 259 4 0000FF w1 d0 outline", "circle 178 259 4 0000FF w1 d0 fill",
                  "circle 228 376 4 000000 w1 d0 fill", "circle 228 376 5 000000 w1 d0 outline"));
}

TEST_F(EaGraphTest, DrawsTheSensitivityAverageWithItsValue) {
  reference.average = 89.46f;
  decimalComma = true;
  Build(1, OptionsWith({Option::kFixedScales}));
  EXPECT_THAT(Curves("line"), ElementsAre("line 503 229 0000FF w1 d2"));
  EXPECT_THAT(Curves("move"), ElementsAre("move 53 229"));
  EXPECT_THAT(Curves("text"), ElementsAre("text 505 223 0000FF f0 'Avg.' opaque",
                                          "text 505 236 0000FF f0 '89,5' opaque"));
}

TEST_F(EaGraphTest, DrawsTheImpedanceLinesInKiloOhmWhenLarge) {
  for (int band = 1; band <= 9; ++band) Fill(PerBand::Impedance, band, 2000);
  set.info->meanImpedance = 1500;
  set.impedance.reducedLowest = 500;
  Build(2, OptionsWith({}));
  // 0..2.005 kOhm: the curve at 2.0, the lines at 1.5 and 0.5.
  EXPECT_THAT(Curves("polyline"),
              ElementsAre(StartsWith("polyline 000000 w1 d0 open" + At(1, 2.0) + At(2, 2.0))));
  const PixelPoint average = window.WorldToDevice(9.5, 1.5);
  const PixelPoint nominal = window.WorldToDevice(9.5, 0.5);
  EXPECT_THAT(Curves("line"),
              ElementsAre(Line(average) + " 0000FF w1 d2", Line(nominal) + " FF0000 w1 d2"));
  EXPECT_THAT(Curves("text"), ElementsAre(Text(average, "0000FF f0 'Avg.' opaque"),
                                          Text(nominal, "FF0000 f0 'Nom.' opaque")));
}

TEST_F(EaGraphTest, PlotsTheFirstRunOfASpectrum) {
  std::fill(std::begin(set.info->axialSpectrum), std::end(set.info->axialSpectrum), model::kNoData);
  const float run[] = {0, -60, 0, 0};
  std::copy(std::begin(run), std::end(run), set.info->axialSpectrum + 2);
  set.info->axialSpectrum[7] = 5;  // a second run is left out
  set.info->presenceFlags = model::presence::kAxialSpectrum;
  Build(6, OptionsWith({Option::kFixedScales}));
  // Relative to the run's power average (-1.249 dB); -58.75 is held at -40.
  EXPECT_THAT(Curves("polyline"), ElementsAre("polyline 000000 w1 d0 open" + At(3, 1.249) +
                                              At(4, -40) + At(5, 1.249) + At(6, 1.249)));
}

TEST_F(EaGraphTest, PlotsACustomTestSpectrumBelowItsMaximum) {
  set.info->maxInputMethod = model::TestMethod::Custom;
  std::fill(std::begin(set.info->customSpectrum), std::end(set.info->customSpectrum), 0.0f);
  set.info->customSpectrum[0] = 6;
  set.info->customSpectrum[1] = -50;
  Build(7, OptionsWith({}));
  EXPECT_THAT(Curves("polyline"), ElementsAre(StartsWith("polyline 000000 w1 d0 open" + At(1, 0) +
                                                         At(2, -35) + At(3, -6) + At(4, -6))));
}

TEST_F(EaGraphTest, CurvesAndReferenceLinesStayInsideThePlot) {
  Values(set, PerBand::AxialQ, {50, 150, 50});
  Build(5, OptionsWith({Option::kFixedScales}));  // Q 0..100: 150 leaves through the top
  EXPECT_THAT(Curves("polyline"),
              ElementsAre("polyline 000000 w1 d0 open 72,201 98,26",
                          StartsWith("polyline 000000 w1 d0 open 150,26 175,201 ")));

  reference.average = 140;  // above the fixed 60..130 dB: neither line nor label
  Build(1, OptionsWith({Option::kFixedScales}));
  EXPECT_THAT(Curves("line"), ElementsAre());
  EXPECT_THAT(Curves("text"), ElementsAre());
}

TEST_F(EaGraphTest, SaysNoDataForAQuantityTheFileLacks) {
  // No input voltages and no axial spectrum given: the arrays hold zeros.
  set.info->presenceFlags = 0;
  for (int band = 1; band <= 9; ++band) Fill(PerBand::Sensitivity, band, model::kNoData);
  for (const int selection : {0, 1, 6}) {
    Build(selection, OptionsWith({}));
    EXPECT_THAT(CommandLines(window, 1), ElementsAre("text 254 195 000000 f0 'No data' opaque"))
        << selection;
  }
}

TEST_F(EaGraphTest, LeavesBothLayersEmptyForAnUnknownSelection) {
  Build(1, OptionsWith({}));
  Build(8, OptionsWith({}));
  EXPECT_TRUE(window.Layer(0).empty());
  EXPECT_TRUE(window.Layer(1).empty());
}

}  // namespace
}  // namespace zef::graphs

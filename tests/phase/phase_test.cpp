#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <random>
#include <sstream>

#include "case_file.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "model/fixed_text.h"
#include "model/message_sink.h"
#include "phase/arc_unwrap.h"
#include "phase/fir_transform.h"
#include "phase/phase_balloon.h"
#include "phase/phase_curves.h"
#include "phase/phase_graph.h"
#include "phase/phase_window_state.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

using graphs::Option;
using model::kNoData;
using Complex = std::complex<double>;

TEST(PhaseWindowTexts, TitleFilterTypeAndCaption) {
  model::DataSet set = PhaseSet();
  model::SetText(set.info->modelName, "Coax 12");
  model::SetText(set.systemPart.partText, "Mid");
  for (const auto& c : zef::testing::ReadCases("phase/cases/window_texts.txt")) {
    std::istringstream(c[1]) >> set.systemPart.part >> set.systemPart.parts;
    const int n = std::stoi(c[1]);
    EXPECT_EQ(c[0] == "title"    ? PhaseWindowTitle(*set.info, set.systemPart)
              : c[0] == "filter" ? std::string(FilterTypeText(model::FilterKind(n)))
                                 : BalloonCaption(n),
              c[2])
        << c.where;
  }
}

TEST(PhaseWindowModel, FilterKindDecidesTheModesAndEveryUpdateResetsTheMode) {
  using enum model::FilterKind;
  for (const auto& [kind, enabled] :
       {std::pair{None, false}, {ThirdOctaveComplex, true}, {FirWav, true}, {Pending, false}}) {
    model::DataSet set = PhaseSet();
    set.filter->kind = kind;
    PhaseWindowModel window;
    EXPECT_EQ(window.Load(set, 16), (Redraw{true, true}));
    EXPECT_EQ(window.FilterModesEnabled(), enabled);
    EXPECT_EQ(window.SetMode(CurveMode::kCombined), (Redraw{false, enabled}));
    EXPECT_EQ(window.Mode(), enabled ? CurveMode::kCombined : CurveMode::kSensitivity);
    EXPECT_EQ(window.Update(update::kCurves, set, 16), (Redraw{false, true}));
    EXPECT_EQ(window.Mode(), CurveMode::kSensitivity);
  }
}

TEST(PhaseWindowModel, ShowsOnTheBalloonUpdateAndHidesForASetWithoutPhase) {
  model::DataSet set = PhaseSet();
  PhaseWindowModel window;
  window.Update(update::kCurves | update::kTitle, set, 5);
  EXPECT_EQ(std::tuple(window.Visible(), window.Title(), window.Caption()),
            std::tuple(false, "Phase and filters - ", ""));
  window.Update(update::kBalloon, set, 5);
  EXPECT_EQ(std::tuple(window.Visible(), window.Band(), window.Caption()),
            std::tuple(true, 5, "Phase balloon - 80Hz"));
  set.filter->kind = model::FilterKind::FirWav;
  window.Update(update::kCurves, set, 5);
  window.SetMode(CurveMode::kFilter);
  EXPECT_EQ(window.ToggleUnwrap(), (Redraw{true, true}));
  EXPECT_EQ(std::pair(window.Mode(), window.Unwrap()), std::pair(CurveMode::kSensitivity, true));
  EXPECT_TRUE(window.ToggleTrackMag());
  EXPECT_FALSE(window.ToggleTrackMag());
  set.phase.reset();
  EXPECT_EQ(window.Load(set, 5), Redraw{});
  EXPECT_FALSE(window.Visible());
}

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

std::string Rounded(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(v));
  return v == kNoData ? "x" : text;
}

// "colour/width/points" of every line of an object, counted.
std::map<std::string, int> LineKinds(const view3d::SceneObject& object) {
  std::map<std::string, int> kinds;
  for (const view3d::SceneLine& l : object.lines) {
    char text[40];
    std::snprintf(text, sizeof text, "%06X/%d/%zu%s", static_cast<unsigned>(l.pen.colour),
                  l.pen.width, l.points.size(), l.closed ? " closed" : "");
    ++kinds[text];
  }
  return kinds;
}

class PhaseBalloonTest : public ::testing::Test {
 protected:
  const view3d::SceneObject& Build(bool unwrap, std::initializer_list<Option> on) {
    graphs::OptionSet options(0);
    for (const Option o : on) options.Set(o, true);
    BuildPhaseBalloon(scene, set, 16, unwrap, options);
    return scene.Object(0);
  }
  model::DataSet set = PhaseSet();
  model::LineSink debug;
  view3d::Scene scene{300, 300, debug};
};

TEST(PhaseRadius, PhaseZeroOnTheSphereMinusTwoPiAtTheCentre) {
  const float cases[][2] = {
      {0, 62.831852f}, {1, 72.831852f}, {-2 * std::numbers::pi_v<float>, 0}, {-10, 0}};
  for (const auto& c : cases) EXPECT_NEAR(PhaseRadius(c[0]), c[1], 1e-4) << c[0];
}

// The plain mesh (rings, then arcs with the main arcs in colour), heavy main
// arcs, and what each symmetry colours: count of lines by colour/width/points.
TEST_F(PhaseBalloonTest, LineKindsByOptionsAndSymmetry) {
  std::string listing;
  const auto list = [&](const std::string& name, std::initializer_list<Option> on) {
    listing += "== " + name + "\n";
    for (const auto& [kind, count] : LineKinds(Build(false, on)))
      listing += kind + " x" + std::to_string(count) + "\n";
  };
  list("plain", {});
  EXPECT_EQ(scene.Object(1).texts3d.size(), 4U);  // three axes and the model name
  EXPECT_EQ(scene.VisibleObjects(), 3U);
  list("heavy lines", {Option::kHeavyLines});
  for (const auto& [symmetry, name] : {std::pair{model::Symmetry::Full, "full"},
                                       {model::Symmetry::Vertical, "vertical"},
                                       {model::Symmetry::Rotational, "rotational"}}) {
    set.info->symmetry = symmetry;
    list(std::string(name) + " symmetry shown", {Option::kShowSymmetry});
  }
  // Unwrapping moves points past a wrap: point 2 of arc 0 (the first arc line
  // after the 37 rings), 10 degrees off the axis, wrapped and unwrapped.
  set.phase->balloon[16][0][1] = 3.0f;
  set.phase->balloon[16][0][2] = -3.0f;
  for (const bool unwrap : {false, true}) {
    const view3d::Vec3 p = Build(unwrap, {}).lines[37].points[2];
    listing += "arc 0 point 2 radius, unwrap " + std::to_string(unwrap) + ": " +
               Rounded(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z)) + "\n";
  }
  zef::testing::ExpectGolden("phase/golden/balloon_lines.txt", listing);
}

TEST(PhaseWindowCamera, OwnCameraOrTheTrackedMainCameraAt300) {
  model::DataSet set = PhaseSet();
  PhaseWindowModel window;
  view3d::ViewCamera main;
  main.azimuth = 90;
  main.distance = 120;
  window.Update(update::kBalloon, set, 16, main);
  EXPECT_EQ(window.BalloonCamera(), PhaseCamera());
  EXPECT_FLOAT_EQ(PhaseCamera().distance, 314.15926f);
  window.ToggleTrackMag();
  main.distance = 300;
  EXPECT_EQ(window.BalloonCamera(), main);
}

// Magnitude/phase by band: bands 10..12 of a set, 9 and 13 outside its range,
// band 11 without sensitivity, band 12 without sensitivity phase or filter
// value, the filter 0.1 at 0 degrees, the sensitivity phase of band 10 a
// quarter turn. Then filter mode over FIR taps at 16 kHz, where one bin is
// 1000 Hz: bands 16 (1 kHz) and 22 (4 kHz) read bins 1 and 4, 8 kHz and up is
// half the rate and has no value; a short FIR is padded, a FIR of zero has no
// level, nor has a pending filter.
TEST(PhaseCurves, ValuesByModeAndFilter) {
  model::DataSet set = PhaseSet(10, 12);
  set.data.Array(model::PerBand::Sensitivity)[11] = kNoData;
  set.phase->sensitivity[10] = std::numbers::pi / 2;
  set.phase->sensitivity[12] = kNoData;
  set.filter->kind = model::FilterKind::ThirdOctaveComplex;
  set.filter->real.assign(30, 0.1f);
  set.filter->imag.assign(30, 0);
  set.filter->imag[12] = kNoData;
  std::string listing;
  const auto list = [&](const std::string& name, CurveMode mode, std::vector<int> bands) {
    const PhaseCurves curves = ComputeCurves(set, mode);
    listing += name + " (bands " + std::to_string(curves.firstBand) + ".." +
               std::to_string(curves.lastBand) + "):";
    for (const int b : bands)
      listing += " " + std::to_string(b) + "=" + Rounded(curves.magnitude[b]) + "/" +
                 Rounded(curves.phase[b]);
    listing += "\n";
  };
  list("sensitivity", CurveMode::kSensitivity, {9, 10, 11, 12, 13});
  list("filter", CurveMode::kFilter, {9, 10, 11, 12, 13});
  list("combined", CurveMode::kCombined, {9, 10, 11, 12, 13});
  for (const auto& c : zef::testing::ReadCases("phase/cases/fir_taps.txt")) {
    set = PhaseSet();
    SetFir(set, Values(c[1]), static_cast<std::uint32_t>(std::stoul(c[0])));
    if (c.fields.size() > 2) set.filter->kind = model::FilterKind::Pending;
    list("taps " + c[1] + " at " + c[0] + (c.fields.size() > 2 ? " pending" : ""),
         c.fields.size() > 2 ? CurveMode::kCombined : CurveMode::kFilter, {16, 22, 25, 29});
  }
  zef::testing::ExpectGolden("phase/golden/curves.txt", listing);
}

TEST(PhaseCurves, RoundsAwayFromZeroToFives) {
  for (const auto& c : zef::testing::ReadCases("phase/cases/round_to_5.txt"))
    EXPECT_DOUBLE_EQ(RoundAwayTo5(std::stod(c[0])), std::stod(c[1])) << c.where;
}

TEST(PhaseCurves, MagnitudeAxisByModeAndScales) {
  const std::map<std::string, CurveMode> modes = {{"sensitivity", CurveMode::kSensitivity},
                                                  {"filter", CurveMode::kFilter},
                                                  {"combined", CurveMode::kCombined}};
  for (const auto& c : zef::testing::ReadCases("phase/cases/magnitude_axis.txt")) {
    const std::vector<float> levels = Values(c[2]), axis = Values(c[3]);
    PhaseCurves curves;
    curves.magnitude.fill(kNoData);
    curves.firstBand = 3;
    curves.lastBand = 2 + static_cast<int>(levels.size());
    std::copy(levels.begin(), levels.end(), curves.magnitude.begin() + 3);
    EXPECT_EQ(MagnitudeAxisOf(curves, modes.at(c[0]), c[1] == "fixed"),
              (MagnitudeAxis{axis[0], axis[1], axis[2]}))
        << c.where;
  }
}

TEST(ArcUnwrap, UndoesJumpsOfMoreThanPi) {
  for (const auto& c : zef::testing::ReadCases("phase/cases/unwrap.txt")) {
    std::vector<float> p = Values(c[0]);
    const std::vector<float> unwrapped = Values(c[1]);
    UnwrapArc(p);
    ASSERT_EQ(p.size(), unwrapped.size()) << c.where;
    for (std::size_t i = 0; i < p.size(); ++i) EXPECT_NEAR(p[i], unwrapped[i], 1e-5) << c.where;
  }
}

constexpr double kPi = std::numbers::pi;

TEST(FirTransform, SizeIsThePowerOfTwoThatHoldsTheTapsWithinItsLimits) {
  using Case = std::pair<std::size_t, std::optional<std::size_t>>;  // taps: size
  for (const auto& [taps, size] :
       {Case{0, 16}, Case{1, 16}, Case{8, 16}, Case{16, 16}, Case{17, 32}, Case{1000, 1024},
        Case{0x400000, 0x400000}, Case{0x400001, {}}}) {
    EXPECT_EQ(TransformSize(taps), size) << taps;
  }
}

TEST(FirTransform, AgreesWithADirectTransform) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> tap(-1, 1);
  for (const std::size_t count : {3U, 16U, 100U, 256U}) {
    std::vector<float> taps(count);
    for (float& t : taps) t = tap(random);
    const std::optional<FirTransform> x = TransformFir(taps, 48000);
    ASSERT_TRUE(x);
    for (std::size_t k = 0; k < x->size; ++k) {
      Complex direct;
      for (std::size_t n = 0; n < count; ++n) {
        direct += static_cast<double>(taps[n]) *
                  std::polar(1.0, -2 * kPi * static_cast<double>(k * n) / x->size);
      }
      EXPECT_NEAR(std::abs(x->bins[k] - direct), 0, 1e-9) << count << " taps, bin " << k;
    }
  }
}

TEST(FirTransform, ReadsTheBinOfABandAndNothingFromHalfTheRateUp) {
  const std::optional<FirTransform> x = TransformFir(std::vector<float>(1000, 1), 48000);
  ASSERT_TRUE(x);
  EXPECT_EQ(std::pair(x->size, x->binWidth), std::pair(std::size_t{1024}, 46.875));
  EXPECT_EQ(x->At(1000), x->bins[21]);
  EXPECT_EQ(x->At(23999), x->bins[511]);
  EXPECT_FALSE(x->At(24000) || x->At(-1));
  EXPECT_FALSE(TransformFir(std::vector<float>(4), 0));
}

}  // namespace
}  // namespace zef::phase

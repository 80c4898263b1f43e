#include "analysis/consistency_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis_fixture.h"

namespace zef::analysis {
namespace {

using model::DataSet;
using model::FormatKind;
using model::PerBand;
using testing::RearPoint;
using Boxes = std::vector<std::string>;

struct Outcome {
  bool passed;
  Boxes boxes;
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
  *os << (o.passed ? "passed" : "failed") << ::testing::PrintToString(o.boxes);
}

Outcome Check(DataSet& set, std::vector<bool> answers = {}, bool comma = false) {
  testing::ScriptedPrompt prompt(std::move(answers));
  const bool passed = CheckData(set, prompt, comma);
  return {passed, prompt.boxes};
}

// ZEF1 bands 1..9; band 5 is 1000 Hz.
DataSet Zef1() {
  return testing::CleanSet(FormatKind::Zef1, 1, 9);
}

void SetRearLevels(DataSet& set, int band, std::vector<float> levels) {
  for (int arc = 0; arc < set.GetGrid().arcs; ++arc) {
    set.data.Arc(band, arc)[RearPoint(set)] = levels[arc % levels.size()];
  }
}

void Fill(DataSet& set, PerBand which, float low, float high) {
  // Odd bands high, even ones low, the ninth missing: the mean deviation is
  // half the step (8.0 / 8.2 gives exactly 0.1, which passes).
  for (int band = 1; band <= 9; ++band) {
    set.data.Array(which)[band] = band == 9 ? model::kNoData : band % 2 ? high : low;
  }
}

const std::string kSpread = "Balloon error at band 63 Hz:####On-axis values differ";
const std::string kContinue =
    " dB between arcs##(< 1.0 dB is accepted,##1.0 - 2.0 dB gives a warning,##> 2.0 dB is "
    "rejected).####Continue?";

TEST(CheckData, PassesACleanSetOfEitherKindSilently) {
  for (auto set : {Zef1(), testing::CleanSet(FormatKind::Zef2, 0, 29)}) {
    EXPECT_EQ(Check(set), (Outcome{true, {}}));
  }
}

TEST(CheckData, MeasurementDateMustHaveTheStoredForm) {
  const std::pair<std::string_view, bool> cases[] = {
      {"2002-aug-12", true},  {"1970-JAN-01", true},  {"2002-FEB-31", true},
      {"1969-JAN-01", false}, {"2002-AUG-32", false}, {"2002/AUG/12", false},
      {"2002-NFE-12", false}, {"2002-AUG-1", false},  {"+202-AUG-12", false},
  };
  for (const auto& [date, passes] : cases) {
    auto set = Zef1();
    model::SetText(set.info->measurementDate, date);
    const Boxes error{"error: Measurement Date: " + std::string(date) +
                      "####Format must be 'YYYY-MMM-DD' (e.g. '2002-AUG-12')##to avoid regional "
                      "date format differences##'MMM' uses English spelling."};
    EXPECT_EQ(Check(set), (Outcome{passes, passes ? Boxes{} : error})) << date;
  }
}

// Bounds of impedance and on-axis spread, and variation over frequency: one
// change to a clean set, the answers given, and the verdict and boxes.
TEST(CheckData, ValuesAreAcceptedQuestionedOrRejected) {
  const std::string impedance = "Data error at band 1000 Hz:####Impedance must be > 0.0";
  const std::string huge =
      "question: Data warning at band 1000 Hz:####Impedance is > 100000 Ohm.##Are you sure?";
  const std::string rejected = "  2.50 dB between arcs (>2.0 dB is rejected)";
  const auto flat = [](std::string name) {
    return "question: Values given for " + name +
           " has no, or##almost no, variation over frequency.##Are you sure?";
  };
  const auto impedanceAt = [](float v) {
    return [v](DataSet& s) { s.data.Array(PerBand::Impedance)[5] = v; };
  };
  const auto arcAt = [](float v) { return [v](DataSet& s) { s.data.OnAxis(1, 7) = v; }; };
  const auto split = [](PerBand which, float low, float high) {
    return [=](DataSet& s) { Fill(s, which, low, high); };
  };
  const struct {
    std::function<void(DataSet&)> change;
    std::vector<bool> answers;
    Outcome outcome;
  } cases[] = {
      {impedanceAt(0.0f), {}, {false, {"error: " + impedance}}},
      {impedanceAt(-9999.0f), {}, {false, {"error: " + impedance}}},
      {impedanceAt(-10000.0f), {}, {true, {}}},
      {impedanceAt(100000.0f), {}, {true, {}}},
      {impedanceAt(100000.5f), {true}, {true, {huge}}},
      {impedanceAt(100000.5f), {false}, {false, {huge}}},
      {arcAt(91.0f), {}, {true, {}}},
      {arcAt(91.1f), {true}, {true, {"question: " + kSpread + "  1.10" + kContinue}}},
      {arcAt(92.0f), {true}, {true, {"question: " + kSpread + "  2.00" + kContinue}}},
      {arcAt(92.0f), {false}, {false, {"question: " + kSpread + "  2.00" + kContinue}}},
      {arcAt(92.5f), {}, {false, {"error: " + kSpread + rejected}}},
      {split(PerBand::Impedance, 8.0f, 8.0f), {false}, {false, {flat("Impedance")}}},
      {split(PerBand::Sensitivity, 95.0f, 95.2f), {}, {true, {}}},
      {split(PerBand::Impedance, 8.0f, 8.19f), {true}, {true, {flat("Impedance")}}},
      {split(PerBand::Sensitivity, model::kNoData, model::kNoData),
       {},
       {false, {"error: No valid values given for Sensitivity"}}},
      // Impedance is asked about before sensitivity.
      {[](DataSet& s) { Fill(s, PerBand::Sensitivity, 90, 90), Fill(s, PerBand::Impedance, 8, 8); },
       {true, true},
       {true, {flat("Impedance"), flat("Sensitivity")}}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    auto set = Zef1();
    cases[i].change(set);
    EXPECT_EQ(Check(set, cases[i].answers), cases[i].outcome) << "case " << i;
  }
}

TEST(CheckData, OnAxisSpreadIsJudgedOnTheWrittenDecimals) {
  // Ends written with decimals that floats do not hold exactly still judge as 1.0.
  auto set = Zef1();
  for (int arc = 0; arc < 36; ++arc) set.data.OnAxis(1, arc) = 90.3f;
  set.data.OnAxis(1, 1) = 91.3f;
  EXPECT_EQ(Check(set).boxes, Boxes{});
  // A decimal comma is honoured; arbitrary reference levels are not compared at all.
  set.data.OnAxis(1, 1) = 91.8f;
  EXPECT_EQ(Check(set, {true}, true).boxes, Boxes{"question: " + kSpread + "  1,50" + kContinue});
  set.data.OnAxis(1, 1) = 95.0f;
  set.info->balloonRef = model::BalloonRef::Arbitrary;
  EXPECT_TRUE(Check(set).passed);
}

TEST(CheckData, RearPointsAreQuestionedThenReplacedByTheirPowerAverage) {
  auto set = Zef1();
  SetRearLevels(set, 2, {-10.0f, -12.0f});  // spread 2.0: not counted
  SetRearLevels(set, 3, {-10.0f, -13.0f, -11.0f});
  SetRearLevels(set, 4, {-8.0f, -12.5f});
  const auto average = [](std::vector<double> levels) {
    double sum = 0;
    for (int arc = 0; arc < 36; ++arc) sum += std::pow(10.0, 0.1 * levels[arc % levels.size()]);
    return static_cast<float>(10.0 * std::log10(sum / 36));
  };
  const std::string question =
      "question: After on-axis normalization the rear values##for 2 bands differ with > 2.0 dB "
      "between arcs##(up to  4.50 dB).####Substitute the power average of all arcs?";
  auto refused = set;
  EXPECT_EQ(Check(refused, {false}), (Outcome{false, {question}}));
  EXPECT_TRUE(refused == set) << "nothing substituted after No";

  EXPECT_EQ(Check(set, {true}), (Outcome{true, {question}}));
  const float expected[] = {0, 0, average({-10, -12}), average({-10, -13, -11}),
                            average({-8, -12.5})};
  for (int band = 1; band <= 4; ++band) {
    for (int arc = 0; arc < 36; ++arc) {
      EXPECT_FLOAT_EQ(set.data.Arc(band, arc)[RearPoint(set)], expected[band]) << band;
    }
  }
  // A spread of seven digits still has its blank.
  auto wide = Zef1();
  SetRearLevels(wide, 9, {-5.0f, -1239.5f});
  EXPECT_NE(Check(wide, {false})
                .boxes.at(0)
                .find("for 1 bands differ with > 2.0 dB between "
                      "arcs##(up to 1234.50 dB)"),
            std::string::npos);
}

TEST(CheckData, RearPointsStayWhenTheCheckFailsBeforeTheSubstitution) {
  const std::function<void(DataSet&)> failures[] = {
      [](DataSet& s) { model::SetText(s.info->measurementDate, "1969-JAN-01"); },
      [](DataSet& s) { s.data.Array(PerBand::Impedance)[9] = 0.0f; },
      [](DataSet& s) { s.data.OnAxis(9, 3) = 95.0f; },
  };
  for (const auto& fail : failures) {
    auto set = Zef1();
    SetRearLevels(set, 1, {-10.0f, -11.0f});
    fail(set);
    const auto before = set;
    EXPECT_FALSE(Check(set).passed);
    EXPECT_TRUE(set == before);
  }
  // Without any question the substitution still runs, also after a later failure.
  auto set = Zef1();
  SetRearLevels(set, 1, {-10.0f, -11.0f});
  Fill(set, PerBand::Sensitivity, model::kNoData, model::kNoData);
  EXPECT_FALSE(Check(set).passed);
  EXPECT_EQ(set.data.Arc(1, 0)[RearPoint(set)], set.data.Arc(1, 1)[RearPoint(set)]);
}

TEST(CheckData, PoweredSkipsImpedanceBoundsAndVariation) {
  auto set = testing::CleanSet(FormatKind::Zef2, 4, 20);
  set.info->type = model::SpeakerType::Powered;
  std::ranges::fill(set.data.Array(PerBand::Impedance), model::kNoData);
  std::ranges::fill(set.data.Array(PerBand::Sensitivity), model::kNoData);
  set.data.Array(PerBand::Impedance)[7] = 0.0f;
  EXPECT_TRUE(Check(set).passed);
}

}  // namespace
}  // namespace zef::analysis

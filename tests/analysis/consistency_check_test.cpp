#include "analysis/consistency_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis_fixture.h"

namespace zef::analysis {
namespace {

using model::FormatKind;
using model::PerBand;
using testing::CleanSet;
using testing::RearPoint;
using testing::ScriptedPrompt;
using Boxes = std::vector<std::string>;

constexpr std::string_view kDateHelp =
    "####Format must be 'YYYY-MMM-DD' (e.g. '2002-AUG-12')##to avoid regional date format "
    "differences##'MMM' uses English spelling.";

struct Outcome {
  bool passed;
  Boxes boxes;
};

Outcome Check(model::DataSet& set, std::vector<bool> answers = {}, bool comma = false) {
  ScriptedPrompt prompt(std::move(answers));
  const bool passed = CheckData(set, prompt, comma);
  return {passed, prompt.boxes};
}

// The answers a case gives and the verdict and boxes it expects.
struct Script {
  std::vector<bool> answers;
  bool passed;
  Boxes boxes;
};

void ExpectScript(model::DataSet& set, const Script& script, const std::string& label) {
  const Outcome outcome = Check(set, script.answers);
  EXPECT_EQ(outcome.passed, script.passed) << label;
  EXPECT_EQ(outcome.boxes, script.boxes) << label;
}

// ZEF1 bands 1..9; band 5 is 1000 Hz.
model::DataSet Zef1() {
  return CleanSet(FormatKind::Zef1, 1, 9);
}

void SetRearLevels(model::DataSet& set, int band, std::vector<float> levels) {
  for (int arc = 0; arc < set.GetGrid().arcs; ++arc) {
    set.data.Arc(band, arc)[RearPoint(set)] = levels[arc % levels.size()];
  }
}

TEST(CheckData, PassesACleanSetOfEitherKindSilently) {
  for (auto set : {Zef1(), CleanSet(FormatKind::Zef2, 0, 29)}) {
    const Outcome outcome = Check(set);
    EXPECT_TRUE(outcome.passed);
    EXPECT_EQ(outcome.boxes, Boxes{});
  }
}

TEST(CheckData, MeasurementDateMustHaveTheStoredForm) {
  const std::pair<std::string_view, bool> cases[] = {
      {"2002-AUG-12", true},  {"2002-aug-12", true},
      {"1970-JAN-01", true},  {"2002-AUG-00", true},
      {"2002-FEB-31", true},  {"2002-AUG-31", true},
      {"1969-JAN-01", false}, {"2002-AUG-32", false},
      {"2002/AUG/12", false}, {"", false},
      {"2002-NFE-12", false}, {"2002-AUG-1", false},
      {"2O02-AUG-12", false}, {"2002-AUG-1x", false},
      {"+202-AUG-12", false},
  };
  for (const auto& [date, passes] : cases) {
    auto set = Zef1();
    model::SetText(set.info->measurementDate, date);
    const Outcome outcome = Check(set);
    EXPECT_EQ(outcome.passed, passes) << date;
    const Boxes expected =
        passes ? Boxes{}
               : Boxes{"error: Measurement Date: " + std::string(date) + std::string(kDateHelp)};
    EXPECT_EQ(outcome.boxes, expected) << date;
  }
}

TEST(CheckData, ImpedanceMustBePositiveAndHugeOnesAreQuestioned) {
  const std::string error = "error: Data error at band 1000 Hz:####Impedance must be > 0.0";
  const std::string warning =
      "question: Data warning at band 1000 Hz:####Impedance is > 100000 Ohm.##Are you sure?";
  const std::pair<float, Script> cases[] = {
      {0.0f, {{}, false, {error}}},
      {-1.0f, {{}, false, {error}}},
      {-9999.0f, {{}, false, {error}}},
      {-10000.0f, {{}, true, {}}},
      {model::kNoData, {{}, true, {}}},
      {0.01f, {{}, true, {}}},
      {100000.0f, {{}, true, {}}},
      {100000.5f, {{true}, true, {warning}}},
      {100000.5f, {{false}, false, {warning}}},
  };
  for (const auto& [impedance, script] : cases) {
    auto set = Zef1();
    set.data.Array(PerBand::Impedance)[5] = impedance;
    ExpectScript(set, script, std::to_string(impedance));
  }
}

TEST(CheckData, OnAxisSpreadBetweenArcsIsAcceptedQuestionedOrRejected) {
  const std::string head = "Balloon error at band 63 Hz:####On-axis values differ";
  const std::string question =
      " dB between arcs##(< 1.0 dB is accepted,##1.0 - 2.0 dB gives a warning,##> 2.0 dB is "
      "rejected).####Continue?";
  // One arc's on-axis level; the others stay at 90.
  const std::pair<float, Script> cases[] = {
      {91.0f, {{}, true, {}}},
      {91.3f, {{true}, true, {"question: " + head + "  1.30" + question}}},
      {92.0f, {{true}, true, {"question: " + head + "  2.00" + question}}},
      {92.0f, {{false}, false, {"question: " + head + "  2.00" + question}}},
      {92.5f, {{}, false, {"error: " + head + "  2.50 dB between arcs (>2.0 dB is rejected)"}}},
  };
  for (const auto& [high, script] : cases) {
    auto set = Zef1();
    set.data.OnAxis(1, 7) = high;
    ExpectScript(set, script, std::to_string(high));
  }
  // Ends written with decimals that floats do not hold exactly still judge as 1.0.
  auto set = Zef1();
  for (int arc = 0; arc < 36; ++arc) set.data.OnAxis(1, arc) = 90.3f;
  set.data.OnAxis(1, 1) = 91.3f;
  EXPECT_EQ(Check(set).boxes, Boxes{});
  // A decimal comma is honoured; arbitrary reference levels are not compared at all.
  set.data.OnAxis(1, 1) = 91.8f;
  EXPECT_EQ(Check(set, {true}, true).boxes, Boxes{"question: " + head + "  1,50" + question});
  set.data.OnAxis(1, 1) = 95.0f;
  set.info->balloonRef = model::BalloonRef::Arbitrary;
  EXPECT_TRUE(Check(set).passed);
}

TEST(CheckData, RearPointsAreQuestionedThenReplacedByTheirPowerAverage) {
  auto set = Zef1();
  SetRearLevels(set, 2, {-10.0f, -12.0f});  // spread 2.0: not counted
  SetRearLevels(set, 3, {-10.0f, -13.0f, -11.0f});
  SetRearLevels(set, 4, {-8.0f, -12.5f});
  const auto expectedAverage = [](std::vector<double> levels, int arcs) {
    double sum = 0;
    for (int arc = 0; arc < arcs; ++arc) sum += std::pow(10.0, 0.1 * levels[arc % levels.size()]);
    return static_cast<float>(10.0 * std::log10(sum / arcs));
  };
  const std::string question =
      "question: After on-axis normalization the rear values##for 2 bands differ with > 2.0 dB "
      "between arcs##(up to  4.50 dB).####Substitute the power average of all arcs?";

  auto refused = set;
  const Outcome no = Check(refused, {false});
  EXPECT_FALSE(no.passed);
  EXPECT_EQ(no.boxes, Boxes{question});
  EXPECT_TRUE(refused == set) << "nothing substituted after No";

  const Outcome yes = Check(set, {true});
  EXPECT_TRUE(yes.passed);
  EXPECT_EQ(yes.boxes, Boxes{question});
  const float expected[] = {0.0f, 0.0f, expectedAverage({-10, -12}, 36),
                            expectedAverage({-10, -13, -11}, 36), expectedAverage({-8, -12.5}, 36)};
  for (int band = 1; band <= 4; ++band) {
    for (int arc = 0; arc < 36; ++arc) {
      EXPECT_FLOAT_EQ(set.data.Arc(band, arc)[RearPoint(set)], expected[band]) << band;
    }
  }
}

TEST(CheckData, RearQuestionAlwaysHasABlankBeforeTheLargestSpread) {
  auto set = Zef1();
  SetRearLevels(set, 9, {-5.0f, -1239.5f});
  EXPECT_EQ(Check(set, {false}).boxes,
            Boxes{"question: After on-axis normalization the rear values##for 1 bands differ with "
                  "> 2.0 dB between arcs##(up to 1234.50 dB).####Substitute the power average of "
                  "all arcs?"});
}

TEST(CheckData, RearPointsStayWhenTheCheckFailsBeforeTheSubstitution) {
  const std::function<void(model::DataSet&)> failures[] = {
      [](model::DataSet& s) { model::SetText(s.info->measurementDate, "1969-JAN-01"); },
      [](model::DataSet& s) { s.data.Array(PerBand::Impedance)[9] = 0.0f; },
      [](model::DataSet& s) { s.data.OnAxis(9, 3) = 95.0f; },
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
  for (int band = 1; band <= 9; ++band) set.data.Array(PerBand::Sensitivity)[band] = model::kNoData;
  EXPECT_FALSE(Check(set).passed);
  EXPECT_EQ(set.data.Arc(1, 0)[RearPoint(set)], set.data.Arc(1, 1)[RearPoint(set)]);
}

TEST(CheckData, ValuesMustVaryOverFrequency) {
  const auto question = [](std::string name) {
    return "question: Values given for " + name +
           " has no, or##almost no, variation over frequency.##Are you sure?";
  };
  using Values = std::function<float(int)>;
  const auto fill = [](model::DataSet& s, PerBand which, const Values& value) {
    for (int band = 1; band <= 9; ++band) s.data.Array(which)[band] = value(band);
  };
  const auto same = [](float v) -> Values { return [v](int) { return v; }; };
  // Four bands at each value, the ninth missing: the mean deviation is half
  // the step (8.0 / 8.2 gives exactly 0.1, which passes).
  const auto split = [](float low, float high) -> Values {
    return [=](int b) { return b == 9 ? model::kNoData : b % 2 ? high : low; };
  };
  const struct {
    PerBand which;
    Values value;
    Script script;
  } cases[] = {
      {PerBand::Impedance, same(8.0f), {{true}, true, {question("Impedance")}}},
      {PerBand::Impedance, same(8.0f), {{false}, false, {question("Impedance")}}},
      {PerBand::Sensitivity, same(90.0f), {{false}, false, {question("Sensitivity")}}},
      {PerBand::Impedance, split(8.0f, 8.2f), {{}, true, {}}},
      {PerBand::Sensitivity, split(95.0f, 95.2f), {{}, true, {}}},
      {PerBand::Impedance, split(8.0f, 8.19f), {{true}, true, {question("Impedance")}}},
      {PerBand::Impedance,
       same(model::kNoData),
       {{}, false, {"error: No valid values given for Impedance"}}},
      {PerBand::Sensitivity,
       same(model::kNoData),
       {{}, false, {"error: No valid values given for Sensitivity"}}},
  };
  for (const auto& c : cases) {
    auto set = Zef1();
    fill(set, c.which, c.value);
    ExpectScript(set, c.script, std::to_string(c.value(1)));
  }
  // Impedance is asked about before sensitivity.
  auto set = Zef1();
  fill(set, PerBand::Impedance, same(8.0f));
  fill(set, PerBand::Sensitivity, same(90.0f));
  EXPECT_EQ(Check(set, {true, true}).boxes,
            (Boxes{question("Impedance"), question("Sensitivity")}));
}

TEST(CheckData, PoweredSkipsImpedanceBoundsAndVariation) {
  auto set = CleanSet(FormatKind::Zef2, 4, 20);
  set.info->type = model::SpeakerType::Powered;
  for (int band = 0; band < 30; ++band) {
    set.data.Array(PerBand::Impedance)[band] = model::kNoData;
    set.data.Array(PerBand::Sensitivity)[band] = model::kNoData;
  }
  set.data.Array(PerBand::Impedance)[7] = 0.0f;
  EXPECT_TRUE(Check(set).passed);
}

}  // namespace
}  // namespace zef::analysis

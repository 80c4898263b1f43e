#include "analysis/consistency_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "analysis/real_text.h"
#include "analysis_fixture.h"
#include "case_file.h"

namespace zef::analysis {
namespace {

using model::DataSet;
using model::PerBand;

void SetRearLevels(DataSet& set, int band, const std::vector<float>& levels) {
  for (int arc = 0; arc < set.GetGrid().arcs; ++arc) {
    set.data.Arc(band, arc)[testing::RearPoint(set)] = levels[arc % levels.size()];
  }
}

// One change of the case file's language to a set.
void Apply(DataSet& set, const std::string& change, bool& comma) {
  std::istringstream in(change);
  std::string what, a, b;
  in >> what;
  const auto value = [](const std::string& t) { return t == "x" ? model::kNoData : std::stof(t); };
  const auto which = [](const std::string& t) {
    return t == "impedance" ? PerBand::Impedance : PerBand::Sensitivity;
  };
  if (what == "date") {
    in >> a;
    model::SetText(set.info->measurementDate, a);
  } else if (what == "impedance" || what == "sensitivity") {
    in >> a >> b;
    set.data.Array(which(what))[std::stoi(a)] = value(b);
  } else if (what == "onaxis") {
    std::string arc;
    in >> a >> arc >> b;
    for (int i = 0; i < set.GetGrid().arcs; ++i) {
      if (arc == "*" || std::stoi(arc) == i) set.data.OnAxis(std::stoi(a), i) = value(b);
    }
  } else if (what == "rear") {
    in >> a;
    std::vector<float> levels;
    for (std::string t; in >> t;) levels.push_back(value(t));
    SetRearLevels(set, std::stoi(a), levels);
  } else if (what == "split") {
    std::string kind;
    in >> kind >> a >> b;
    for (int band = 1; band <= 9; ++band) {
      set.data.Array(which(kind))[band] = band == 9 ? model::kNoData : value(band % 2 ? b : a);
    }
  } else if (what == "arbitrary") {
    set.info->balloonRef = model::BalloonRef::Arbitrary;
  } else if (what == "powered") {
    set.info->type = model::SpeakerType::Powered;
  } else if (what == "zef2") {
    set = testing::CleanSet(model::FormatKind::Zef2, 0, 29);
  } else {
    comma = what == "comma";
    EXPECT_TRUE(comma || what == "-") << "no such change: " << change;
  }
}

TEST(CheckData, ValuesDatesSpreadsAndRearPoints) {
  for (const auto& c : zef::testing::ReadCases("analysis/cases/consistency.txt")) {
    DataSet set = testing::CleanSet(model::FormatKind::Zef1, 1, 9);
    bool comma = false;
    std::istringstream changes(c[0]), given(c[1]);
    for (std::string change; std::getline(changes, change, ';');) Apply(set, change, comma);
    std::vector<bool> answers;
    for (std::string answer; given >> answer;) {
      if (answer != "-") answers.push_back(answer == "yes");
    }
    const DataSet before = set;
    testing::ScriptedPrompt prompt(answers);
    const bool passed = CheckData(set, prompt, comma);
    EXPECT_EQ(passed ? "passed" : "failed", c[2]) << c.where;
    EXPECT_EQ(set == before ? "same" : "changed", c[3]) << c.where;
    EXPECT_EQ(prompt.boxes, std::vector<std::string>(c.fields.begin() + 4, c.fields.end()))
        << c.where;
  }
}

TEST(CheckData, RearPointsBecomeThePowerAverageOfAllArcs) {
  DataSet set = testing::CleanSet(model::FormatKind::Zef1, 1, 9);
  SetRearLevels(set, 3, {-10.0f, -13.0f, -11.0f});
  testing::ScriptedPrompt prompt({true});
  ASSERT_TRUE(CheckData(set, prompt, false));
  const double average =
      10 * std::log10((std::pow(10.0, -1.0) + std::pow(10.0, -1.3) + std::pow(10.0, -1.1)) / 3);
  for (int arc = 0; arc < 36; ++arc) {
    EXPECT_FLOAT_EQ(set.data.Arc(3, arc)[testing::RearPoint(set)], static_cast<float>(average));
  }
}

TEST(RealToText, TwoDecimalsRightAlignedInSixCharacters) {
  for (const auto& c : zef::testing::ReadCases("analysis/cases/real_text.txt"))
    EXPECT_EQ(RealToText(std::stof(c[0]), c[1] == ","), c[2]) << c.where;
}

}  // namespace
}  // namespace zef::analysis

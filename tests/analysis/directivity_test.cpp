#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <iterator>
#include <numbers>
#include <sstream>

#include "analysis/band_curves.h"
#include "analysis/directivity.h"
#include "analysis_fixture.h"
#include "case_file.h"

namespace zef::analysis {
namespace {

using model::FormatKind;
using model::PerBand;
using model::TestMethod;
using testing::CleanSet;
using testing::FillBalloon;

// Sets the same levels at points 0, 1, ... of every arc of band `band`.
void SetArcLevels(model::DataSet& set, int band, std::vector<float> levels) {
  for (int arc = 0; arc < set.GetGrid().arcs; ++arc) {
    auto points = set.data.Arc(band, arc);
    std::fill(points.begin(), points.end(), levels.back());
    std::copy(levels.begin(), levels.end(), points.begin());
  }
}

// Every figure and CTA-2034 curve of sets with known answers: omnidirectional
// full spheres (Q 1, widths 360); half spheres, whose 90 degree strip the grid
// weighs in full (Q just below 2); a point 20 dB up (100 times the power)
// pulling the maximum 100/101 of the way to it, rear points left out; and a
// beam steered 0, 7 and -25 degrees towards arc 36, its power-weighted mean
// landing on its direction.
TEST(Directivity, FiguresAndCurvesOfKnownSets) {
  const auto beam = [](double steer) {
    return [steer](double theta, double phi) {
      const double t = theta * std::numbers::pi / 180, f = phi * std::numbers::pi / 180;
      const double s = steer * std::numbers::pi / 180;
      const double cosine = std::cos(t) * std::cos(s) - std::sin(t) * std::cos(f) * std::sin(s);
      return static_cast<float>(40 * std::log10((1 + cosine) / 2 + 1e-6));
    };
  };
  const auto half = [](double theta, double) { return theta > 90 ? -50.0f : 0.0f; };
  std::vector<std::pair<std::string, model::DataSet>> sets;
  for (const FormatKind kind : {FormatKind::Zef1, FormatKind::Zef2}) {
    const std::string name = kind == FormatKind::Zef1 ? "ZEF1" : "ZEF2";
    sets.emplace_back("omnidirectional " + name, CleanSet(kind, 2, 3));
    sets.emplace_back("half sphere " + name, CleanSet(kind, 3, 3));
    FillBalloon(sets.back().second, half);
  }
  sets.emplace_back("one loud point", CleanSet(FormatKind::Zef1, 1, 1));
  model::DataSet& loud = sets.back().second;
  FillBalloon(loud, [](double theta, double) { return theta == 0 ? 0.0f : -200.0f; });
  loud.data.Arc(1, 18)[2] = 20.0f;  // vertical, 20 degrees towards the second arc
  loud.data.Arc(1, 9)[1] = 20.0f;   // horizontal, 10 degrees towards the first arc
  loud.data.Arc(1, 9)[18] = 60.0f;  // a rear point
  for (const double steer : {0.0, 7.0, -25.0}) {
    sets.emplace_back("beam " + std::to_string(static_cast<int>(steer)),
                      CleanSet(FormatKind::Zef2, 8, 8));
    FillBalloon(sets.back().second, beam(steer));
  }
  // Full widths are twice the narrower side: 15 degrees (arc 18) against
  // 5 * 6/7 (arc 54) across, 10 (arc 36) against 180 (arc 0) up and down.
  sets.emplace_back("narrower side", CleanSet(FormatKind::Zef2, 10, 10));
  for (const auto& [arc, levels] :
       {std::pair{18, std::vector<float>{0, -2, -4, -6}}, {54, {0, -7}}, {36, {0, -1, -6}}}) {
    std::copy(levels.begin(), levels.end(), sets.back().second.data.Arc(10, arc).begin());
  }
  std::string listing;
  for (auto& [name, set] : sets) listing += "== " + name + "\n" + testing::FiguresListing(set);
  zef::testing::ExpectGolden("analysis/golden/figures.txt", listing);
}

TEST(Directivity, HalfWidthFindsTheMinus6Crossing) {
  for (const auto& c : zef::testing::ReadCases("analysis/cases/half_width.txt")) {
    auto set = CleanSet(FormatKind::Zef1, 4, 4);
    std::istringstream in(c[0]);
    SetArcLevels(set, 4, {std::istream_iterator<float>(in), {}});
    ComputeHalfWidths(set.data);
    EXPECT_NEAR(set.data.Array(PerBand::HalfWidthH1)[4], std::stof(c[1]), 1e-4) << c.where;
  }
  // The rear point is never looked at: only the last inner point bounds the search.
  auto set = CleanSet(FormatKind::Zef2, 0, 0);
  for (int arc = 0; arc < 72; ++arc) set.data.Arc(0, arc)[36] = -30.0f;
  ComputeHalfWidths(set.data);
  EXPECT_EQ(set.data.Array(PerBand::HalfWidthV1)[0], 180.0f);
}

TEST(Directivity, OffAxisClassBoundaries) {
  const std::pair<float, int> cases[] = {{-5.0f, 0}, {5.01f, 1},  {-10.0f, 1},
                                         {10.0f, 1}, {10.01f, 2}, {-10.01f, 2}};
  for (const auto& [angle, cls] : cases) EXPECT_EQ(OffAxisClass(angle), cls) << angle;
}

model::DataSet WithMethod(FormatKind kind, int minBand, TestMethod method) {
  auto set = testing::CleanSet(kind, minBand, kind == FormatKind::Zef1 ? 9 : 29);
  set.info->maxInputMethod = method;
  return set;
}

// Each test spectrum with its name and maximum: AES2's flat decade sits on the
// set's lowest band (a ZEF1 band counting as three), falling 4 dB a band outside.
TEST(Spectra, StandardAndCustomSpectraWithTheirNames) {
  std::vector<model::DataSet> sets;
  for (const auto& [kind, minBand] : {std::pair{FormatKind::Zef2, 3},
                                      {FormatKind::Zef1, 1},
                                      {FormatKind::Zef2, 25},
                                      {FormatKind::Zef1, 9}}) {
    sets.push_back(WithMethod(kind, minBand, TestMethod::Aes2_1984));
  }
  sets.push_back(WithMethod(FormatKind::Zef2, 0, TestMethod::Iec268_1));
  sets.push_back(WithMethod(FormatKind::Zef1, 1, TestMethod::Eia426B));
  for (const int given : {0, 2}) {
    sets.push_back(WithMethod(FormatKind::Zef2, 0, TestMethod::Custom));
    std::ranges::fill(sets.back().info->customSpectrum, model::kNoData);
    std::copy_n(std::array{-3.5f, -6.0f}.begin(), given, sets.back().info->customSpectrum + 7);
  }
  std::string listing;
  for (const model::DataSet& set : sets) {
    listing += std::string(TestSpectrumName(set.info->maxInputMethod)) + ", lowest band " +
               std::to_string(set.data.MinBand()) + ": maximum " +
               testing::Fixed(TestSpectrumMaximum(set), 1) + "\n ";
    for (const float v : TestSpectrum(set)) listing += " " + testing::Fixed(v, 1);
    listing += "\n";
  }
  // Power averages over the first run of given values (none; 90 over bands
  // 5..20 but 96 at 10, 120 after a gap; -20 throughout), beside the closed
  // form of the middle one; the power of a 20 V and a 0 V rating beside
  // 20^2 / 8 * 10^0.3; the sensitivity reference over the bands with a value
  // (96 the highest, 90, 90, 90 the others) beside its closed form, then powered.
  Spectrum s;
  s.fill(model::kNoData);
  listing += "power averages: " + testing::Fixed(SpectrumPowerAverage(s));
  std::fill(s.begin() + 5, s.begin() + 21, 90.0f);
  s[10] = 96.0f;
  std::fill(s.begin() + 22, s.end(), 120.0f);
  listing += " " + testing::Fixed(SpectrumPowerAverage(s)) + " (" +
             testing::Fixed(10 * std::log10((15e9 + std::pow(10.0, 9.6)) / 16)) + ")";
  s.fill(-20.0f);
  listing += " " + testing::Fixed(SpectrumPowerAverage(s)) +
             "\nequivalent power: " + testing::Fixed(EquivalentPower(20.0f)) + " (" +
             testing::Fixed(400 / 8.0 * std::pow(10.0, 0.3)) + ") " +
             testing::Fixed(EquivalentPower(0.0f)) + "\nsensitivity reference: ";
  model::DataSet set = testing::CleanSet(FormatKind::Zef1, 2, 6);
  const float values[] = {0, 200, 90, model::kNoData, 96, 90, 90, 200};  // 1 and 7 out of range
  std::copy(std::begin(values), std::end(values), set.data.Array(PerBand::Sensitivity).begin());
  for (const auto type : {model::SpeakerType::Passive, model::SpeakerType::Powered}) {
    set.info->type = type;
    const SensitivityReference reference = ComputeSensitivityReference(set);
    listing += testing::Fixed(reference.maximum) + "/" + testing::Fixed(reference.average) + " ";
  }
  listing += "(96/" + testing::Fixed(10 * std::log10((3e9 + std::pow(10.0, 9.6)) / 4)) + ")\n";
  zef::testing::ExpectGolden("analysis/golden/test_signals.txt", listing);
}

}  // namespace
}  // namespace zef::analysis

#include "analysis/band_curves.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "analysis_fixture.h"
#include "case_file.h"

namespace zef::analysis {
namespace {

using model::FormatKind;
using model::TestMethod;

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
  zef::testing::ExpectGolden("analysis/golden/spectra.txt", listing);
}

TEST(Spectra, PowerAverageTakesTheFirstRunOfGivenValues) {
  Spectrum s;
  s.fill(model::kNoData);
  EXPECT_EQ(SpectrumPowerAverage(s), model::kNoData);
  for (int i = 5; i <= 20; ++i) s[i] = 90.0f;
  s[10] = 96.0f;
  for (int i = 22; i <= 29; ++i) s[i] = 120.0f;  // after a gap: not part of the run
  const double expected = 10 * std::log10((15 * std::pow(10.0, 9.0) + std::pow(10.0, 9.6)) / 16);
  EXPECT_FLOAT_EQ(SpectrumPowerAverage(s), static_cast<float>(expected));
  s.fill(-20.0f);
  EXPECT_FLOAT_EQ(SpectrumPowerAverage(s), -20.0f);
}

TEST(Spectra, EquivalentPowerOfAVoltageRating) {
  EXPECT_FLOAT_EQ(EquivalentPower(20.0f), static_cast<float>(400 / 8.0 * std::pow(10.0, 0.3)));
  EXPECT_EQ(EquivalentPower(0.0f), 0.0f);
}

TEST(Spectra, SensitivityReferenceOverTheBandsWithAValue) {
  auto set = testing::CleanSet(FormatKind::Zef1, 2, 6);
  auto sensitivity = set.data.Array(model::PerBand::Sensitivity);
  const float values[] = {0, 200, 90, model::kNoData, 96, 90, 90, 200};  // 1 and 7 out of range
  std::copy(std::begin(values), std::end(values), sensitivity.begin());
  const SensitivityReference reference = ComputeSensitivityReference(set);
  EXPECT_EQ(reference.maximum, 96.0f);
  EXPECT_FLOAT_EQ(reference.average,
                  static_cast<float>(10 * std::log10((3e9 + std::pow(10.0, 9.6)) / 4)));
  set.info->type = model::SpeakerType::Powered;
  const SensitivityReference powered = ComputeSensitivityReference(set);
  EXPECT_EQ(std::pair(powered.maximum, powered.average), std::pair(0.0f, 0.0f));
}

}  // namespace
}  // namespace zef::analysis

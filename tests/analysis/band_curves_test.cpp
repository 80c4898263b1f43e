#include "analysis/band_curves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis_fixture.h"

namespace zef::analysis {
namespace {

using model::FormatKind;
using model::TestMethod;

model::DataSet WithMethod(FormatKind kind, int minBand, TestMethod method) {
  auto set = testing::CleanSet(kind, minBand, kind == FormatKind::Zef1 ? 9 : 29);
  set.info->maxInputMethod = method;
  return set;
}

// 0 dB from `lower` to `upper`, falling 4 dB per band outside.
Spectrum Aes2Shape(int lower, int upper) {
  Spectrum s{};
  for (int i = 0; i < 30; ++i)
    s[i] = i < lower ? -4.0f * (lower - i) : i > upper ? -4.0f * (i - upper) : 0;
  return s;
}

TEST(Spectra, Aes2DecadeSitsOnTheLowestBand) {
  // Kind and lowest band: the bands of the flat decade.
  for (const auto& [kind, minBand, lower, upper] :
       {std::tuple{FormatKind::Zef2, 3, 3, 13}, std::tuple{FormatKind::Zef1, 1, 3, 13},
        std::tuple{FormatKind::Zef2, 25, 25, 29}, std::tuple{FormatKind::Zef1, 9, 27, 29}}) {
    const auto set = WithMethod(kind, minBand, TestMethod::Aes2_1984);
    EXPECT_EQ(TestSpectrum(set), Aes2Shape(lower, upper)) << minBand;
    EXPECT_EQ(TestSpectrumMaximum(set), 0.0f);
  }
}

TEST(Spectra, StandardAndCustomSpectraWithTheirNames) {
  const auto iec = TestSpectrum(WithMethod(FormatKind::Zef2, 0, TestMethod::Iec268_1));
  const auto eia = TestSpectrum(WithMethod(FormatKind::Zef1, 1, TestMethod::Eia426B));
  const std::pair<int, std::pair<float, float>> spots[] = {
      {0, {-10.2f, -24.4f}}, {16, {-0.1f, -1.2f}}, {29, {-21.6f, -40.0f}}};
  for (const auto& [index, values] : spots) {
    EXPECT_EQ(iec[index], values.first) << index;
    EXPECT_EQ(eia[index], values.second) << index;
  }
  auto custom = WithMethod(FormatKind::Zef2, 0, TestMethod::Custom);
  std::fill(std::begin(custom.info->customSpectrum), std::end(custom.info->customSpectrum),
            model::kNoData);
  EXPECT_EQ(TestSpectrumMaximum(custom), -10000.0f);
  custom.info->customSpectrum[7] = -3.5f;
  custom.info->customSpectrum[8] = -6.0f;
  EXPECT_EQ(
      std::tuple(TestSpectrumMaximum(custom), TestSpectrum(custom)[7], TestSpectrum(custom)[0]),
      std::tuple(-3.5f, -3.5f, model::kNoData));
  std::string names;
  for (const TestMethod method :
       {TestMethod::Aes2_1984, TestMethod::Iec268_1, TestMethod::Eia426B, TestMethod::Custom}) {
    names += TestSpectrumName(method) + std::string("|");
  }
  EXPECT_EQ(names, "AES2-1984 spectrum|IEC-268-1 spectrum|EIA-426-B spectrum|custom spectrum|");
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

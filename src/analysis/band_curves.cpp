#include "analysis/band_curves.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/band_range.h"
#include "analysis/power_average.h"

namespace zef::analysis {
namespace {

using model::TestMethod;

constexpr Spectrum kIec268 = {-10.2f, -7.4f, -5.2f,  -3.5f,  -2.3f,  -1.4f, -0.9f, -0.5f,
                              -0.2f,  -0.1f, 0.0f,   0.0f,   0.0f,   0.0f,  0.0f,  0.0f,
                              -0.1f,  -0.3f, -0.6f,  -1.0f,  -1.6f,  -2.5f, -3.7f, -5.1f,
                              -7.0f,  -9.4f, -11.4f, -14.8f, -18.2f, -21.6f};
constexpr Spectrum kEia426 = {-24.4f, -13.2f, -4.4f,  -0.5f,  -0.3f,  0.0f,  0.0f,  0.0f,
                              0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f,  -0.3f, -0.7f,
                              -1.2f,  -1.7f,  -2.4f,  -2.9f,  -3.6f,  -4.1f, -4.7f, -5.8f,
                              -6.8f,  -8.3f,  -12.7f, -22.0f, -31.9f, -40.0f};

constexpr int kLastThird = 29;
constexpr float kFallPerBand = 4.0f;

// A decade of flat level from the set's lowest band, falling 4 dB per band
// on both sides.
Spectrum Aes2Spectrum(const model::DataSet& set) {
  const int minBand = BandsOf(set.data).first;
  const int lower =
      std::min(set.kind == model::FormatKind::Zef1 ? 3 * minBand : minBand, kLastThird);
  const int upper = std::min(lower + 10, kLastThird);
  Spectrum spectrum{};
  for (int i = 0; i < lower; ++i) spectrum[i] = -kFallPerBand * static_cast<float>(lower - i);
  for (int i = upper + 1; i <= kLastThird; ++i) {
    spectrum[i] = -kFallPerBand * static_cast<float>(i - upper);
  }
  return spectrum;
}

}  // namespace

Spectrum TestSpectrum(const model::DataSet& set) {
  switch (set.info->maxInputMethod) {
    case TestMethod::Aes2_1984:
      return Aes2Spectrum(set);
    case TestMethod::Iec268_1:
      return kIec268;
    case TestMethod::Eia426B:
      return kEia426;
    case TestMethod::Custom: {
      Spectrum custom;
      std::copy(std::begin(set.info->customSpectrum), std::end(set.info->customSpectrum),
                custom.begin());
      return custom;
    }
  }
  Spectrum none;  // a method value no writer uses
  none.fill(model::kNoData);
  return none;
}

float TestSpectrumMaximum(const model::DataSet& set) {
  if (set.info->maxInputMethod != TestMethod::Custom) return 0;
  float maximum = model::kMissingLimit;
  for (const float v : set.info->customSpectrum) maximum = std::max(maximum, v);
  return maximum;
}

const char* TestSpectrumName(TestMethod method) {
  switch (method) {
    case TestMethod::Aes2_1984:
      return "AES2-1984 spectrum";
    case TestMethod::Iec268_1:
      return "IEC-268-1 spectrum";
    case TestMethod::Eia426B:
      return "EIA-426-B spectrum";
    case TestMethod::Custom:
      return "custom spectrum";
  }
  return "";
}

float SpectrumPowerAverage(const Spectrum& spectrum) {
  const auto first =
      std::find_if(spectrum.begin(), spectrum.end(), [](float v) { return !model::IsMissing(v); });
  const auto end = std::find_if(first, spectrum.end(), model::IsMissing);
  return PowerAverage(std::span<const float>(first, end));
}

float EquivalentPower(float volts) {
  if (!(volts > 0)) return 0;
  const double level = 20.0 * std::log10(static_cast<double>(volts)) + 3.0 - 10.0 * std::log10(8.0);
  return static_cast<float>(std::pow(10.0, 0.1 * level));  // one value: keep full precision
}

SensitivityReference ComputeSensitivityReference(const model::DataSet& set) {
  if (set.info->type == model::SpeakerType::Powered) return {};
  const std::vector<float> given = GivenValues(set.data, model::PerBand::Sensitivity);
  if (given.empty()) return {};
  return {*std::max_element(given.begin(), given.end()), PowerAverage(given)};
}

}  // namespace zef::analysis

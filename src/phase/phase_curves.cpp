#include "phase/phase_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/band_range.h"
#include "phase/fir_transform.h"

namespace zef::phase {
namespace {

using model::FormatKind;
using model::IsMissing;
using model::kNoData;

constexpr double kRadiansToDegrees = 180 / std::numbers::pi;
constexpr int kBandCount = 30;

std::optional<std::complex<double>> StoredResponse(const model::FilterDescriptor& filter,
                                                   int band) {
  const auto b = static_cast<std::size_t>(band);
  if (b >= filter.real.size() || b >= filter.imag.size()) return std::nullopt;
  if (IsMissing(filter.real[b]) || IsMissing(filter.imag[b])) return std::nullopt;
  return std::complex<double>(filter.real[b], filter.imag[b]);
}

// The sensitivity as a complex pressure, none where the level or phase is missing.
std::optional<std::complex<double>> SensitivityOf(const model::DataSet& set, int band) {
  const float level = set.data.Array(model::PerBand::Sensitivity)[static_cast<std::size_t>(band)];
  const float angle = set.phase->sensitivity[band];
  if (IsMissing(level) || IsMissing(angle)) return std::nullopt;
  return std::polar(std::pow(10.0, level / 20.0), static_cast<double>(angle));
}

void SetComplex(PhaseCurves& curves, int band, std::optional<std::complex<double>> value) {
  const double power = value ? std::norm(*value) : 0;
  if (!(power > 0) || !std::isfinite(power)) return;
  curves.magnitude[static_cast<std::size_t>(band)] = static_cast<float>(10 * std::log10(power));
  curves.phase[static_cast<std::size_t>(band)] =
      static_cast<float>(std::arg(*value) * kRadiansToDegrees);
}

}  // namespace

FilterResponse ResponseOf(const model::FilterDescriptor& filter) {
  FilterResponse response;
  if (filter.kind == model::FilterKind::ThirdOctaveComplex) {
    for (int b = 0; b < kBandCount; ++b) response.bands[b] = StoredResponse(filter, b);
  } else if (filter.kind == model::FilterKind::FirWav) {
    const std::optional<FirTransform> transform = TransformFir(filter.taps, filter.sampleRate);
    if (!transform) return response;
    for (int b = 0; b < kBandCount; ++b) {
      response.bands[b] = transform->At(model::BandFrequency(FormatKind::Zef2, b));
    }
  }
  return response;
}

PhaseCurves ComputeCurves(const model::DataSet& set, CurveMode mode) {
  PhaseCurves curves;
  curves.magnitude.fill(kNoData);
  curves.phase.fill(kNoData);
  if (set.kind != FormatKind::Zef2 || !set.phase) return curves;
  const analysis::BandRange range = analysis::BandsOf(set.data);
  curves.firstBand = range.first;
  curves.lastBand = range.last;
  const std::span<const float> sensitivity = set.data.Array(model::PerBand::Sensitivity);
  const model::FilterDescriptor none;
  const FilterResponse response = ResponseOf(set.filter ? *set.filter : none);
  for (int b = range.first; b <= range.last; ++b) {
    const auto i = static_cast<std::size_t>(b);
    if (mode == CurveMode::kSensitivity) {
      curves.magnitude[i] = sensitivity[i];
      curves.phase[i] = IsMissing(set.phase->sensitivity[b])
                            ? kNoData
                            : static_cast<float>(set.phase->sensitivity[b] * kRadiansToDegrees);
    } else if (mode == CurveMode::kFilter) {
      SetComplex(curves, b, response.bands[i]);
    } else {
      const std::optional<std::complex<double>> s = SensitivityOf(set, b);
      const std::optional<std::complex<double>> h = response.bands[i];
      if (s && h) SetComplex(curves, b, *s * *h);
    }
  }
  return curves;
}

double RoundAwayTo5(double x) {
  if (std::fabs(x) < 0.01) return x;
  const double n = std::max(0.0, std::floor(std::fabs(x) / 5 - 0.01));
  return std::copysign(5 * (n + 1), x);
}

MagnitudeAxis MagnitudeAxisOf(const PhaseCurves& curves, CurveMode mode, bool fixedScales) {
  const MagnitudeAxis fixed =
      mode == CurveMode::kFilter ? MagnitudeAxis{-30, 30, 10} : MagnitudeAxis{60, 120, 10};
  double max = -1e30;
  double min = 1e30;
  for (int b = curves.firstBand; b <= curves.lastBand; ++b) {
    const float v = curves.magnitude[static_cast<std::size_t>(b)];
    if (IsMissing(v)) continue;
    max = std::max<double>(max, v);
    min = std::min<double>(min, v);
  }
  if (fixedScales || max < min) return fixed;
  MagnitudeAxis axis;
  axis.top = RoundAwayTo5(max);
  if (mode == CurveMode::kSensitivity) {
    axis.bottom = axis.top - 60;
    return axis;
  }
  axis.bottom = RoundAwayTo5(min);
  if (axis.top <= axis.bottom) {
    axis.top += 5;
    axis.bottom -= 5;
  }
  if (mode == CurveMode::kFilter && axis.top - axis.bottom <= 20) axis.step = 5;
  return axis;
}

}  // namespace zef::phase

#include "phase/fir_transform.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace zef::phase {

std::optional<std::complex<double>> FirTransform::At(double frequency) const {
  if (!(frequency >= 0) || frequency >= sampleRate / 2 || binWidth <= 0) return std::nullopt;
  const auto k = static_cast<std::size_t>(frequency / binWidth);
  if (k >= bins.size()) return std::nullopt;
  return bins[k];
}

std::optional<std::size_t> TransformSize(std::size_t taps) {
  if (taps > FirTransform::kMaxSize) return std::nullopt;
  return std::max(FirTransform::kMinSize, std::bit_ceil(taps));
}

void Fft(std::span<std::complex<double>> values) {
  const std::size_t n = values.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; (j & bit) != 0; bit >>= 1) j ^= bit;
    j |= bit;
    if (i < j) std::swap(values[i], values[j]);
  }
  // One table of twiddles for the whole size keeps long transforms accurate.
  std::vector<std::complex<double>> twiddles(n / 2);
  for (std::size_t k = 0; k < n / 2; ++k) {
    twiddles[k] =
        std::polar(1.0, -2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n));
  }
  for (std::size_t length = 2; length <= n; length <<= 1) {
    const std::size_t half = length / 2;
    const std::size_t stride = n / length;
    for (std::size_t start = 0; start < n; start += length) {
      for (std::size_t k = 0; k < half; ++k) {
        const std::complex<double> even = values[start + k];
        const std::complex<double> odd = values[start + k + half] * twiddles[k * stride];
        values[start + k] = even + odd;
        values[start + k + half] = even - odd;
      }
    }
  }
}

std::optional<FirTransform> TransformFir(std::span<const float> taps, std::uint32_t sampleRate) {
  const std::optional<std::size_t> size = TransformSize(taps.size());
  if (!size || sampleRate == 0) return std::nullopt;
  FirTransform transform;
  transform.size = *size;
  transform.sampleRate = sampleRate;
  transform.binWidth = transform.sampleRate / static_cast<double>(*size);
  transform.bins.assign(*size, {});
  for (std::size_t i = 0; i < taps.size(); ++i) transform.bins[i] = taps[i];
  Fft(transform.bins);
  return transform;
}

}  // namespace zef::phase

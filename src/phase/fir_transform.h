#pragma once

#include <complex>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zef::phase {

// The spectrum of a FIR filter: the taps padded to a power of two and
// transformed, X[k] = sum of x[n] * e^(-j*2*pi*k*n/N).
struct FirTransform {
  static constexpr std::size_t kMinSize = 16;
  static constexpr std::size_t kMaxSize = 0x400000;

  std::size_t size = 0;  // N
  double sampleRate = 0;
  double binWidth = 0;  // sampleRate / N
  std::vector<std::complex<double>> bins;

  // The bin that a frequency falls in, none at or above half the sampling
  // rate (that bin would hold an aliased or mirrored value).
  std::optional<std::complex<double>> At(double frequency) const;
};

// The smallest allowed power of two that holds `taps` values (never below
// kMinSize, so short filters are padded rather than refused); none above
// kMaxSize.
std::optional<std::size_t> TransformSize(std::size_t taps);

// None when there are too many taps or the sampling rate is 0.
std::optional<FirTransform> TransformFir(std::span<const float> taps, std::uint32_t sampleRate);

// In-place radix-2 transform with the forward sign; the size must be a power
// of two.
void Fft(std::span<std::complex<double>> values);

}  // namespace zef::phase

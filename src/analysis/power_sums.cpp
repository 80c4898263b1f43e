#include "analysis/power_sums.h"

#include <cstdint>
#include <cstring>

namespace zef::analysis {
namespace {

template <std::size_t kLanes>
struct Vectors;
template <>
struct Vectors<4> {
  using Floats = float __attribute__((vector_size(16)));
  using Ints = std::int32_t __attribute__((vector_size(16)));
};
template <>
struct Vectors<8> {
  using Floats = float __attribute__((vector_size(32)));
  using Ints = std::int32_t __attribute__((vector_size(32)));
};

// One body for every vector width; it takes and returns no vectors, so each
// width can be built for the processor features it needs.
template <std::size_t kLanes>
[[gnu::always_inline]] inline PowerSums SumPowersIn(std::span<const float> levels,
                                                    std::span<const float> weights) {
  using Floats = typename Vectors<kLanes>::Floats;
  using Ints = typename Vectors<kLanes>::Ints;
  constexpr float kLog2TenTenth = 0.332192809f;  // log2(10) / 10
  Floats plain{};
  Floats weighted{};
  for (std::size_t i = 0; i < levels.size(); i += kLanes) {
    Floats v = Floats{} + kSilent;  // the lanes past the end add nothing
    Floats w{};
    if (i + kLanes <= levels.size()) {
      std::memcpy(&v, &levels[i], sizeof v);
      std::memcpy(&w, &weights[i], sizeof w);
    } else {
      for (std::size_t j = 0; i + j < levels.size(); ++j) {
        v[j] = levels[i + j];
        w[j] = weights[i + j];
      }
    }
    // Levels below the floor, and NaN, go far below the normal range.
    v = v >= -380.0f ? v : Floats{} + kSilent;
    v = v < 380.0f ? v : Floats{} + 380.0f;
    // 10^(v / 10) = 2^x = 2^n * 2^f, n the nearest integer, |f| <= 1/2, and
    // 2^f from its series to the sixth power.
    const Floats x = v * kLog2TenTenth;
    const Ints n = __builtin_convertvector(x + 1263.5f, Ints) - 1263;
    const Floats f = x - __builtin_convertvector(n, Floats);
    const Floats p =
        1.0f + f * (6.9314718e-1f +
                    f * (2.4022651e-1f +
                         f * (5.5504109e-2f +
                              f * (9.6181291e-3f + f * (1.3333558e-3f + f * 1.5403530e-4f)))));
    // Exponents below the normal range give 0; n never exceeds 127.
    const Ints scale = ((n + 127) << 23) & (n >= -126);
    const Floats power = p * __builtin_bit_cast(Floats, scale);
    plain += power;
    weighted += power * w;
  }
  PowerSums sums;
  for (std::size_t j = 0; j < kLanes; ++j) {
    sums.plain += plain[j];
    sums.weighted += weighted[j];
  }
  return sums;
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] PowerSums SumPowersAvx2(std::span<const float> levels,
                                                std::span<const float> weights) {
  return SumPowersIn<8>(levels, weights);
}
#endif

}  // namespace

PowerSums SumPowers(std::span<const float> levels, std::span<const float> weights) {
#if defined(__x86_64__)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) return SumPowersAvx2(levels, weights);
#endif
  return SumPowersFourLanes(levels, weights);
}

PowerSums SumPowersFourLanes(std::span<const float> levels, std::span<const float> weights) {
  return SumPowersIn<4>(levels, weights);
}

}  // namespace zef::analysis

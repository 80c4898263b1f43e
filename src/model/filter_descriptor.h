#pragma once

#include <cstdint>
#include <vector>

namespace zef::model {

enum class FilterKind : std::uint32_t { None = 0, ThirdOctaveComplex = 1, FirWav = 2, Pending = 3 };

// The filter of a ZEF2 set with phase data.
struct FilterDescriptor {
  FilterKind kind = FilterKind::None;
  std::vector<float> real;  // ThirdOctaveComplex: 30 values by band index
  std::vector<float> imag;
  std::vector<float> taps;  // FirWav: the taps, already divided by the scale factor
  std::uint32_t sampleRate = 0;

  bool operator==(const FilterDescriptor&) const = default;
};

}  // namespace zef::model

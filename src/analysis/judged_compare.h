#pragma once

#include <cmath>

namespace zef::analysis {

// Figures computed from single-precision readings carry rounding noise far
// below anything a file states. Limits are judged to four decimals, so that a
// spread the file gives as exactly 1.0 dB counts as 1.0 whatever the float
// representation of its two ends.
inline double JudgedUnits(double value) {
  return std::round(value * 1e4);
}

inline bool Exceeds(double value, double limit) {
  return JudgedUnits(value) > JudgedUnits(limit);
}
inline bool FallsShort(double value, double limit) {
  return JudgedUnits(value) < JudgedUnits(limit);
}

}  // namespace zef::analysis

#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zef::analysis::testing {

// A circular piston of radius a in an infinite baffle: the closed forms of
// its far field.

inline double PistonDirectivity(double x) {
  return x < 1e-9 ? 1.0 : 2 * std::cyl_bessel_j(1.0, x) / x;
}

// Level in dB at theta degrees off axis; behind the baffle -50 as the
// reader stores half-sphere data, nulls floored at -100 like any file would.
inline double PistonLevel(double ka, double thetaDeg) {
  if (thetaDeg > 90) return -50;
  const double d = std::fabs(PistonDirectivity(ka * std::sin(thetaDeg * std::numbers::pi / 180)));
  return std::max(20 * std::log10(d), -100.0);
}

inline double PistonQ(double ka) {
  return ka * ka / (1 - std::cyl_bessel_j(1.0, 2 * ka) / ka);
}

}  // namespace zef::analysis::testing
